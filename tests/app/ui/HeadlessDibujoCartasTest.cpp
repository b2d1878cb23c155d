// The pictures of --sinastria, --compuesta, --davison, --retorno and --ahora run in-process,
// looked at from outside: the PNG's pixels, the SVG parsed, the synastry report read back by
// pdftotext and checked against the cross aspects worked out here from the two charts' JSON
// (as --sinastria --json prints them), and the refusals that write nothing. The bi-wheel's
// outer ring is checked for glyphs printed over one another with the real fonts' metrics.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>
#include <sstream>

#include "app/cli/Headless.h"
#include "app/model/ChartFile.h"
#include "app/ui/HeadlessDibujoCartas.h"
#include "app/ui/HeadlessPng.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/Compuesta.h"
#include "chart/Glyphs.h"
#include "chart/NombresCarta.h"
#include "chart/RecorteRueda.h"
#include "chart/Rings.h"
#include "chart/ui/QtSurface.h"
#include "tests/ui/ExternalTools.h"

namespace natalis {
namespace {

using Lineas = std::vector<std::string>;

const std::string kCarpeta = NATALIS_SOURCE_DIR "/charts";
const std::string kA = kCarpeta + "/Ana_Lucia_Ferreyra.dat";
const std::string kB = kCarpeta + "/Tomas_Ibanez_de_Ulloa.dat";

Args Con(Args a, const Args& mas) {
    a.insert(a.end(), mas.begin(), mas.end());
    return a;
}

// Pixels within a small distance of colour c.
int CountNear(const QImage& img, Color c, int tolerance = 24) {
    const QColor want((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor px = img.pixelColor(x, y);
            if (std::abs(px.red() - want.red()) <= tolerance &&
                std::abs(px.green() - want.green()) <= tolerance &&
                std::abs(px.blue() - want.blue()) <= tolerance) {
                ++n;
            }
        }
    }
    return n;
}

struct Dibujos : ::testing::Test {
    QTemporaryDir dir;
    std::string Ruta(const std::string& nombre) const {
        return QDir(dir.path()).filePath(QString::fromStdString(nombre)).toStdString();
    }
    // Runs the command; its exit code, standard error kept in err.
    int Correr(const Args& args) {
        std::ostringstream out, e;
        const int code = HeadlessDibujoCartas(args, out, e);
        err = e.str();
        EXPECT_TRUE(out.str().empty());
        return code;
    }
    std::string err;
};

// Synastry and return: a bi-wheel, whose outer ring has the second chart's colour; composite,
// Davison and the moment: one wheel, without that ring. Each PNG at the size asked for.
TEST_F(Dibujos, PngOfEachCommand) {
    const struct {
        Args args;
        bool anillo;
    } casos[] = {
        {{"--sinastria", kA, kB}, true},
        {{"--retorno", "solar", kA, "--fecha", "1 1 2030"}, true},
        {{"--compuesta", kA, kB}, false},
        {{"--davison", kA, kB}, false},
        {{"--ahora"}, false},
    };
    int n = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args[0]);
        const std::string png = Ruta("dibujo" + std::to_string(++n) + ".png");
        ASSERT_EQ(Correr(Con(c.args, {"--png", png, "--size", "800x560"})), 0) << err;
        const QImage img(QString::fromStdString(png));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(800, 560));
        EXPECT_GT(CountNear(img, QBColor(8)), 20000);  // the band
        EXPECT_GT(CountNear(img, QBColor(14)), 200);   // the inner chart's glyphs
        if (c.anillo) {
            EXPECT_GT(CountNear(img, kColorAnilloCarta), 200);
        } else {
            EXPECT_LT(CountNear(img, kColorAnilloCarta), 20);
        }
    }
}

// The SVG parses, has the size asked for, names the charts in its title and carries the
// composite's header as text.
TEST_F(Dibujos, SvgOfTheCompositeAndOfTheSynastry) {
    SwissEphemeris eph;
    const struct {
        Args args;
        std::string titulo;
        std::string cabecera;  // a header text drawn
    } casos[] = {
        {{"--compuesta", kA, kB},
         "Carta compuesta de Ana Lucía Ferreyra y Tomás Ibáñez de Ulloa",
         "Carta compuesta de Ana Lucía Ferreyra y Tomás Ibáñez de Ulloa"},
        {{"--sinastria", kA, kB}, "Ana Lucía Ferreyra y Tomás Ibáñez de Ulloa", "Casas Plácido"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args[0]);
        const std::string svg = Ruta(c.args[0].substr(2) + ".svg");
        ASSERT_EQ(Correr(Con(c.args, {"--svg", svg, "--size", "800x560"})), 0) << err;
        QFile file(QString::fromStdString(svg));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_GT(file.size(), 1000);
        QXmlStreamReader xml(&file);
        QString viewBox, titulo;
        Lineas textos;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("svg"))
                viewBox = xml.attributes().value("viewBox").toString();
            if (xml.name() == QLatin1String("title")) titulo = xml.readElementText();
            if (xml.name() == QLatin1String("text"))
                textos.push_back(xml.readElementText().simplified().toStdString());
        }
        ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(viewBox, "0 0 800 560");
        EXPECT_EQ(titulo.toStdString(), c.titulo);
        EXPECT_NE(std::find(textos.begin(), textos.end(), c.cabecera), textos.end());
    }
}

// Whether a line holds every piece, in order.
bool Contiene(const std::string& linea, const Lineas& piezas) {
    size_t desde = 0;
    for (const std::string& p : piezas) {
        const size_t en = linea.find(p, desde);
        if (en == std::string::npos) return false;
        desde = en + p.size();
    }
    return true;
}
bool AlgunaContiene(const Lineas& lineas, const Lineas& piezas) {
    for (const std::string& l : lineas) {
        if (Contiene(l, piezas)) return true;
    }
    return false;
}

// A chart's aspecting points and angles as its JSON line gives them: name in full, longitude,
// speed.
struct PuntoJson {
    std::string nombre;
    double lon, vel;
};
std::vector<PuntoJson> PuntosDeJson(const std::string& linea) {
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(linea)).object();
    std::vector<PuntoJson> v;
    for (const QJsonValue& x : o["points"].toArray()) {
        const std::string etiqueta = x["label"].toString().toStdString();
        if (etiqueta == "NOD" || etiqueta == "PF") continue;  // they take no aspects
        v.push_back({NombrePunto(etiqueta), x["lon"].toDouble(), x["vel"].toDouble()});
    }
    const QJsonArray cusps = o["cusps"].toArray();
    // The cusps array holds the ARMC, then houses 1..12; the angles' daily motion is in
    // "angles", Ascendant first.
    const QJsonArray angulos = o["angles"].toArray();
    v.push_back({"Medio Cielo", cusps[10]["lon"].toDouble(), angulos[1]["speed"].toDouble()});
    v.push_back({"Ascendente", cusps[1]["lon"].toDouble(), angulos[0]["speed"].toDouble()});
    return v;
}

double Sep(double a, double b) {
    const double d = std::fabs(a - b);
    return d > 180 ? 360 - d : d;
}

// The report of the synastry, read back: every cross aspect, paired here from the two charts'
// JSON with the natal orbs (7° times the aspect's factor), appears with both names in full, the
// aspect's name, its orb in degrees and minutes and its phase worked out from the speeds.
TEST_F(Dibujos, SynastryReportHoldsEveryCrossAspectInFullWords) {
    if (!HayHerramienta("pdftotext")) GTEST_SKIP() << "poppler-utils no está instalado";
    std::ostringstream jout, jerr;
    ASSERT_EQ(HeadlessSinastria({"--sinastria", kA, kB, "--json"}, jout, jerr), 0) << jerr.str();
    std::istringstream lineas(jout.str());
    std::string la, lb;
    std::getline(lineas, la);
    std::getline(lineas, lb);
    const std::vector<PuntoJson> a = PuntosDeJson(la), b = PuntosDeJson(lb);
    ASSERT_EQ(a.size(), 12u);
    ASSERT_EQ(b.size(), 12u);

    const std::string pdf = Ruta("sinastria.pdf");
    ASSERT_EQ(Correr({"--sinastria", kA, kB, "--pdf", pdf}), 0) << err;
    Lineas texto;
    for (const QByteArray& l :
         Ejecutar("pdftotext", {"-layout", QString::fromStdString(pdf), "-"}).out.split('\n')) {
        texto.push_back(QString::fromUtf8(l).simplified().toStdString());
    }
    EXPECT_TRUE(AlgunaContiene(texto, {"Sinastría de Ana Lucía Ferreyra y Tomás Ibáñez de Ulloa"}));
    EXPECT_TRUE(AlgunaContiene(texto, {"Círculo interior: la carta de Ana Lucía Ferreyra"}));
    EXPECT_TRUE(AlgunaContiene(texto, {"Anillo exterior: los planetas de Tomás Ibáñez de Ulloa"}));
    EXPECT_TRUE(AlgunaContiene(texto, {"Rejilla de aspectos cruzados"}));
    int aspectos = 0;
    for (const PuntoJson& x : a) {
        for (const PuntoJson& y : b) {
            const double sep = Sep(x.lon, y.lon);
            for (int k = 0; k < kNumAspectos; ++k) {
                const double angulo = TablaAspectos[static_cast<size_t>(k)].Angulo;
                const double orbe = std::fabs(sep - angulo);
                if (orbe > 7 * TablaAspectos[static_cast<size_t>(k)].FactorOrbe) continue;
                long g = static_cast<long>(orbe), m = std::lround((orbe - g) * 60);
                if (m == 60) ++g, m = 0;
                const std::string orbeTexto =
                    std::to_string(g) + "° " + (m < 10 ? "0" : "") + std::to_string(m) + "'";
                // A moment on (a ten-thousandth of a day, about nine seconds, short enough for
                // the angles, which turn about a degree in four minutes): the orb shrinking is
                // applying.
                const double despues =
                    std::fabs(Sep(x.lon + 1e-4 * x.vel, y.lon + 1e-4 * y.vel) - angulo);
                const std::string fase = despues < orbe ? "aplicativo" : "separativo";
                EXPECT_TRUE(
                    AlgunaContiene(texto, {x.nombre, NombreAspecto(k), y.nombre, orbeTexto, fase}))
                    << x.nombre << " " << NombreAspecto(k) << " " << y.nombre << " " << orbeTexto
                    << " " << fase;
                ++aspectos;
                break;
            }
        }
    }
    EXPECT_GT(aspectos, 5);
}

// A composite's PDF is its own chart's report with its title.
TEST_F(Dibujos, CompositePdfIsItsOwnReport) {
    if (!HayHerramienta("pdftotext")) GTEST_SKIP() << "poppler-utils no está instalado";
    const std::string pdf = Ruta("compuesta.pdf");
    ASSERT_EQ(Correr({"--compuesta", kA, kB, "--pdf", pdf}), 0) << err;
    Lineas texto;
    for (const QByteArray& l :
         Ejecutar("pdftotext", {"-layout", QString::fromStdString(pdf), "-"}).out.split('\n')) {
        texto.push_back(QString::fromUtf8(l).simplified().toStdString());
    }
    EXPECT_TRUE(
        AlgunaContiene(texto, {"Carta compuesta de Ana Lucía Ferreyra y Tomás Ibáñez de Ulloa"}));
    EXPECT_TRUE(AlgunaContiene(texto, {"Posiciones"}));
    EXPECT_TRUE(AlgunaContiene(texto, {"Aspectos"}));
    EXPECT_TRUE(AlgunaContiene(texto, {"latitud media"}));
}

// Bad inputs: the program's Spanish message, exit 2, and no file.
TEST_F(Dibujos, RefusalsWriteNothing) {
    const std::string salida = Ruta("nada.png");
    const struct {
        Args args;
        const char* error;  // the start of standard error
    } casos[] = {
        {{"--sinastria", kA, kCarpeta + "/no_existe.dat", "--png", salida}, ""},
        {{"--compuesta", kA, kB, "--png", salida, "--size", "0x10"},
         "Valor no válido para --size: «0x10»"},
        {{"--ahora", "--lugar", "Qxzqxzqxz", "--png", salida}, "No se encontró «Qxzqxzqxz»"},
        {{"--retorno", "solar", kA, "--fecha", "31 2 2030", "--png", salida}, ""},
        {{"--davison", kA, kB, "--png", Ruta("no/hay/carpeta.png")}, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(Correr(c.args), 2);
        EXPECT_FALSE(err.empty());
        EXPECT_EQ(err.rfind(c.error, 0), 0u) << err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(salida)));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// The bi-wheel drawn with the real fonts: no glyph of the outer ring overlaps another or one of
// the inner chart's glyphs, for a synastry and for a return.
TEST_F(Dibujos, OuterRingGlyphsDoNotOverlap) {
    const OffscreenPainting painting(kA);
    SwissEphemeris eph;
    const auto leer = [&](const std::string& f) {
        NatalRecord r;
        EXPECT_TRUE(ReadChartFile(kCarpeta, f, r).ok);
        return CalcularCarta(r, OpcionesCarta{}, eph);
    };
    const Carta a = leer("Ana_Lucia_Ferreyra.dat");
    std::vector<Carta> exteriores;
    for (const char* f : {"Tomas_Ibanez_de_Ulloa.dat", "Hiroshi_Tanaka.dat", "Kiri_Te_Rangi.dat",
                          "Maria_Jose_Perez.dat"}) {
        exteriores.push_back(leer(f));
    }
    const auto caja = [](const DrawOp& op) {
        return CajaTexto(op, [](const DrawOp& x) {
            return QtSurface::DesignAdvance(x.face, x.sizePt, x.bold, x.text);
        });
    };
    const auto esGlifo = [](const DrawOp& op) {
        if (op.kind != DrawOp::Kind::Text || op.face != "OrreryAstro") return false;
        for (int fila = 1; fila <= kNumPuntos; ++fila) {
            if (op.text == GlifoPlaneta(fila)) return true;
        }
        return false;
    };
    for (const Carta& b : exteriores) {
        SCOPED_TRACE(NombreCarta(b));
        const Sinastria cruce = CalcularSinastria(a.natal, b.natal);
        QtSurface s;
        DibujarCartas(s, a, &b, &cruce);
        std::vector<DrawOp> fuera, dentro;
        for (const DrawOp& op : s.Ops()) {
            if (!esGlifo(op)) continue;
            if (op.color == kColorAnilloCarta) fuera.push_back(op);
            if (op.color == QBColor(14)) dentro.push_back(op);
        }
        ASSERT_EQ(fuera.size(), b.natal.PlanetaNatal.size() - 1);
        for (size_t i = 0; i < fuera.size(); ++i) {
            for (size_t j = i + 1; j < fuera.size(); ++j) {
                EXPECT_FALSE(Solapan(caja(fuera[i]), caja(fuera[j])))
                    << fuera[i].text << " " << fuera[j].text;
            }
            for (const DrawOp& d : dentro) {
                EXPECT_FALSE(Solapan(caja(fuera[i]), caja(d))) << fuera[i].text << " " << d.text;
            }
        }
    }
}

}  // namespace
}  // namespace natalis
