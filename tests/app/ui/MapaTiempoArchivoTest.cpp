// natalis --mapa-tiempo's files read from outside: the SVG parsed as XML has one labelled
// row per row of `natalis --periodo`'s lines (the Moon left out) and its exact ticks at
// those lines' instants; the PDF read back by pdftotext has every row's caption and every
// pass's date; a bad output name, period or folder is refused in Spanish and leaves no file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <map>
#include <set>

#include "app/cli/Headless.h"
#include "app/ui/HeadlessMapa.h"
#include "astro/Calendar.h"
#include "chart/ui/DrawingPainter.h"
#include "predictive/ConsultaPeriodo.h"
#include "predictive/MapaTiempo.h"
#include "tests/app/cli/HeadlessRun.h"
#include "tests/ui/ExternalTools.h"

namespace natalis {
namespace {

const std::string kCarta = NATALIS_SOURCE_DIR "/charts/Ana_Lucia_Ferreyra.dat";
// A period without today in it, so that no line for today is drawn.
const std::string kDesde = "1 1 2030", kHasta = "31 12 2030";
constexpr int kAnchoPagina = 958, kAltoPagina = 677;  // the SVG's page, px
const QString kColorExactoPapel = "#7a5a00";          // the exact ticks in the paper palette

// The rows of the command's lines without the Moon, each with its exact instants inside the
// period (UT Julian days).
std::map<std::string, std::vector<double>> FilasEsperadas() {
    const Outcome o =
        Invoke(HeadlessPeriodo, {"--periodo", kCarta, "--desde", kDesde, "--hasta", kHasta});
    EXPECT_EQ(o.code, 0) << o.err;
    const PeriodoRevisado r = RevisarConsultaPeriodo({kDesde, kHasta, "1", "Transitos"});
    EXPECT_TRUE(r.pedido);
    std::map<std::string, std::vector<double>> filas;
    for (const std::string& l : Lines(o.out)) {
        const QStringList c = QString::fromStdString(l).split('\t');
        if (c[0] == "LUN") continue;
        auto& exactos = filas[(c[0] + " " + c[1] + " " + c[2]).toStdString()];
        // "aaaa-mm-dd hh:mm" in UT
        const QStringList f = c[4].split(QRegularExpression("[- :]"));
        const double jd = JulDay(f[2].toInt(), f[1].toInt(), f[0].toInt()) +
                          (f[3].toInt() + f[4].toInt() / 60.0) / 24;
        if (jd >= r.pedido->jdDesde && jd <= r.pedido->jdHasta) exactos.push_back(jd);
    }
    return filas;
}

struct Archivo : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Ruta(const char* nombre) const { return (dir.path() + "/" + nombre).toStdString(); }
    Outcome Mapa(const std::string& salida, const std::string& desde = kDesde,
                 const std::string& hasta = kHasta) {
        return Invoke(HeadlessMapaTiempo,
                      {"--mapa-tiempo", kCarta, "--desde", desde, "--hasta", hasta, salida});
    }
};

// A text of the SVG at its place, and an exact tick's x and its middle's y, in px.
struct TextoSvg {
    double x, y;
    std::string texto;
};

TEST_F(Archivo, SvgHasOneRowPerLineRowAndTicksAtTheExactInstants) {
    const std::string svg = Ruta("mapa.svg");
    const Outcome o = Mapa(svg);
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(o.out.empty());

    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<TextoSvg> textos;
    std::vector<QPointF> marcas;
    QString viewBox;
    std::vector<QString> trazos;  // the stroke colour of each open group
    while (!xml.atEnd()) {
        const auto tipo = xml.readNext();
        if (tipo == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g")) {
            trazos.pop_back();
            continue;
        }
        if (tipo != QXmlStreamReader::StartElement) continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg")) viewBox = a.value("viewBox").toString();
        if (xml.name() == QLatin1String("g")) {
            trazos.push_back(a.hasAttribute("stroke") ? a.value("stroke").toString()
                             : trazos.empty()         ? QString()
                                                      : trazos.back());
        }
        if (xml.name() == QLatin1String("text")) {
            const double x = a.value("x").toDouble(), y = a.value("y").toDouble();
            textos.push_back({x, y, xml.readElementText().toStdString()});
        }
        if (xml.name() == QLatin1String("polyline") && !trazos.empty() &&
            trazos.back() == kColorExactoPapel) {
            const QStringList p = a.value("points").toString().split(' ', Qt::SkipEmptyParts);
            ASSERT_EQ(p.size(), 2);
            const QStringList p0 = p[0].split(','), p1 = p[1].split(',');
            EXPECT_DOUBLE_EQ(p0[0].toDouble(), p1[0].toDouble());  // upright
            marcas.push_back({p0[0].toDouble(), 0.5 * (p0[1].toDouble() + p1[1].toDouble())});
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    const auto esperadas = FilasEsperadas();
    ASSERT_GT(esperadas.size(), 24u);  // more than a page
    const int paginas =
        static_cast<int>((esperadas.size() + kFilasPorPagina - 1) / kFilasPorPagina);
    EXPECT_EQ(viewBox.toStdString(),
              "0 0 " + std::to_string(kAnchoPagina) + " " + std::to_string(kAltoPagina * paginas));

    // The labels: texts that are rows' captions, each once, at the left.
    std::map<std::string, std::vector<const TextoSvg*>> etiquetas;
    for (const TextoSvg& t : textos) {
        if (esperadas.count(t.texto)) etiquetas[t.texto].push_back(&t);
    }
    ASSERT_EQ(etiquetas.size(), esperadas.size());
    for (const auto& [fila, ts] : etiquetas) EXPECT_EQ(ts.size(), 1u) << fila;

    // Each tick belongs to the row whose label stands at its height, and lies at one of that
    // row's exact instants: x read back in units on its page, then in time.
    PeriodoRevisado r = RevisarConsultaPeriodo({kDesde, kHasta, "1", "Transitos"});
    MapaTiempo eje;
    eje.pedido = *r.pedido;
    std::map<std::string, std::vector<double>> dibujados;
    for (const QPointF& m : marcas) {
        const int pagina = static_cast<int>(m.y() / kAltoPagina);
        const DrawingPainter d(QRectF(0, kAltoPagina * pagina, kAnchoPagina, kAltoPagina));
        const double x = (m.x() - d.DrawingRect().left()) / d.Scale();
        const std::string* fila = nullptr;
        double mejor = 1e9;
        for (const auto& [nombre, ts] : etiquetas) {
            const double dy = std::fabs(ts[0]->y - m.y());
            if (dy < mejor) mejor = dy, fila = &nombre;
        }
        ASSERT_NE(fila, nullptr);
        EXPECT_LT(mejor, kMapaAltoFila * d.Scale());
        dibujados[*fila].push_back(JdDeX(eje, x));
    }
    // To the minute: the SVG's coordinates carry a few more digits than that needs.
    size_t total = 0;
    for (const auto& [fila, exactos] : esperadas) {
        std::vector<double> vistos = dibujados[fila];
        ASSERT_EQ(vistos.size(), exactos.size()) << fila;
        std::sort(vistos.begin(), vistos.end());
        std::vector<double> e = exactos;
        std::sort(e.begin(), e.end());
        for (size_t i = 0; i < e.size(); ++i) {
            EXPECT_NEAR(vistos[i], e[i], 1.0 / 1440) << fila << " " << InstanteUT(e[i]);
        }
        total += e.size();
    }
    EXPECT_EQ(marcas.size(), total);
}

TEST_F(Archivo, PdfTextHasEveryRowsCaptionAndEveryPassDate) {
    if (!HayHerramienta("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) no está instalado";
    const std::string pdf = Ruta("mapa.pdf");
    const Outcome o = Mapa(pdf);
    ASSERT_EQ(o.code, 0) << o.err;
    const Salida s = Ejecutar("pdftotext", {QString::fromStdString(pdf), "-"});
    ASSERT_EQ(s.code, 0);
    const QString texto = QString::fromUtf8(s.out);
    const auto esperadas = FilasEsperadas();
    const int paginas =
        static_cast<int>((esperadas.size() + kFilasPorPagina - 1) / kFilasPorPagina);
    EXPECT_EQ(texto.count('\f'), paginas);
    EXPECT_TRUE(texto.contains(QString("Página %1 de %1").arg(paginas)));
    for (const auto& [fila, exactos] : esperadas) {
        EXPECT_TRUE(texto.contains(QString::fromStdString(fila))) << fila;
        for (double jd : exactos) {
            // "d/m" of the pass's UT date
            const std::string utc = InstanteUT(jd);
            const QString fecha = QString("%1/%2")
                                      .arg(QString::fromStdString(utc.substr(8, 2)).toInt())
                                      .arg(QString::fromStdString(utc.substr(5, 2)).toInt());
            EXPECT_TRUE(texto.contains(fecha)) << fila << " " << utc;
        }
    }
}

TEST_F(Archivo, BadNameOrPeriodOrFolderIsRefusedInSpanishAndLeavesNoFile) {
    struct Caso {
        std::string salida, desde, hasta, mensaje;
    };
    const Caso casos[] = {
        {Ruta("mapa.txt"), kDesde, kHasta,
         "El mapa de tiempo se escribe en un archivo .svg o .pdf: «" + Ruta("mapa.txt") + "»"},
        {Ruta("mapa.svg"), "31 2 2030", kHasta, ""},
        {Ruta("mapa.pdf"), kHasta, kDesde, ""},
        {Ruta("no/existe/mapa.svg"), kDesde, kHasta,
         "No se pudo escribir el mapa de tiempo " + Ruta("no/existe/mapa.svg")},
        {Ruta("no/existe/mapa.pdf"), kDesde, kHasta,
         "No se pudo escribir el mapa de tiempo " + Ruta("no/existe/mapa.pdf")},
    };
    for (const Caso& k : casos) {
        const Outcome o = Mapa(k.salida, k.desde, k.hasta);
        EXPECT_NE(o.code, 0) << k.salida;
        EXPECT_TRUE(o.out.empty());
        if (!k.mensaje.empty()) {
            EXPECT_EQ(o.err, k.mensaje + "\n");
        } else {
            // The period's own message, as the period search gives it.
            const PeriodoRevisado r = RevisarConsultaPeriodo({k.desde, k.hasta, "1", "Transitos"});
            ASSERT_FALSE(r.pedido);
            EXPECT_EQ(o.err, r.mensaje + "\n");
        }
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << k.salida;
    }
}

}  // namespace
}  // namespace natalis
