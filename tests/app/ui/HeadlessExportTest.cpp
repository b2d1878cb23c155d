// natalis --pdf and --svg run in-process, and --png in both palettes. The files are looked
// at from outside: poppler renders and reads the PDF, librsvg renders the SVG, and both are
// compared with the PNG of the same chart and palette.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <sstream>

#include "app/cli/Headless.h"
#include "app/model/Version.h"
#include "app/session/InformeCarta.h"
#include "app/session/PaginasInforme.h"
#include "app/ui/HeadlessPng.h"
#include "app/ui/PintarInforme.h"
#include "chart/Paleta.h"
#include "chart/Surface.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ExternalTools.h"

namespace natalis {
namespace {

using Lineas = std::vector<std::string>;

const std::string kChart = NATALIS_SOURCE_DIR "/charts/Ana_Lucia_Ferreyra.dat";
const std::string kNombre = "Ana Lucía Ferreyra";
const Args kProgresion = {"--progress", "--tecnica", "Arco Solar", "--fecha", "1 1 2030"};
const Args kTransito = {"--transit", "--fecha", "3 4 2027", "--hora", "10 30"};

// Two renderings of the same drawing agree when no more than 2 % of the pixels differ at
// their place and no more than 0.25 % lack a pixel of about their colour within one pixel
// (tests/ui/ExternalTools.h). Measured for this chart with its progression: 0.6 to 1.0 %
// and 0.01 to 0.12 %, all on the edges of glyphs and letters, which each rasteriser
// anti-aliases and emboldens its own way (the SVG's header, text laid out by librsvg, is
// the largest part). Leaving the progressed ring out gives 0.4 to 0.6 % without a match,
// and moving the drawing by one pixel 2.6 % different: both fail.
constexpr double kMaxDistintos = 0.02;
constexpr double kMaxSinPareja = 0.0025;

Args Con(Args a, const Args& mas) {
    a.insert(a.end(), mas.begin(), mas.end());
    return a;
}

// A line as pdftotext gives it: without the blanks at its ends, inner runs of blanks as one.
std::string Normal(const std::string& line) {
    return QString::fromStdString(line).simplified().toStdString();
}

// The lines that are not blank, normalised.
Lineas Impresas(const Lineas& lineas) {
    Lineas out;
    for (const std::string& l : lineas) {
        const std::string n = Normal(l);
        if (!n.empty()) out.push_back(n);
    }
    return out;
}

Lineas Partir(const QByteArray& texto) {
    Lineas out;
    for (const QByteArray& l : texto.split('\n')) out.push_back(l.toStdString());
    return out;
}

struct Export : ::testing::Test {
    QTemporaryDir out;
    std::ostringstream sout, serr;

    std::string Path(const std::string& name) const {
        return QDir(out.path()).filePath(QString::fromStdString(name)).toStdString();
    }
    QString QPath(const std::string& name) const { return QString::fromStdString(Path(name)); }

    // A command's output, and its error text, when it succeeds.
    std::string Run(int (*command)(const Args&, std::ostream&, std::ostream&), const Args& args) {
        std::ostringstream o, e;
        EXPECT_EQ(command(args, o, e), 0) << e.str();
        return o.str();
    }

    int Pages(const std::string& pdf) {
        const Salida info = Ejecutar("pdfinfo", {QString::fromStdString(pdf)});
        for (const std::string& l : Partir(info.out)) {
            if (l.rfind("Pages:", 0) == 0) return std::stoi(l.substr(6));
        }
        return -1;
    }

    Lineas PageText(const std::string& pdf, int page) {
        const QString n = QString::number(page);
        return Impresas(Partir(
            Ejecutar("pdftotext", {"-raw", "-f", n, "-l", n, QString::fromStdString(pdf), "-"})
                .out));
    }
};

bool PopplerAusente() {
    return !HayHerramienta("pdftoppm") || !HayHerramienta("pdftotext") ||
           !HayHerramienta("pdfinfo") || !HayHerramienta("pdffonts");
}
#define SKIP_WITHOUT_POPPLER() \
    if (PopplerAusente())      \
    GTEST_SKIP() << "poppler-utils (pdftoppm, pdftotext, pdfinfo, pdffonts) no está instalado"

// The chart as the image commands compute it, for what the tests expect.
struct Carta {
    OffscreenPainting painting{kChart};
    CartaDibujada carta;
    explicit Carta(const Args& args) {
        const LecturaOpciones l = LeerOpcionesHeadless(args[0], args);
        EXPECT_TRUE(l.opciones) << l.error;
        std::ostringstream err;
        EXPECT_TRUE(l.opciones && DibujarCartaHeadless(*l.opciones, carta, err)) << err.str();
    }
};

TEST_F(Export, PdfFirstPageWheelIsThePngOfTheSameChartAndPalette) {
    SKIP_WITHOUT_POPPLER();
    // The wheel's rectangle on page 1 at 144 dpi, two pixels a point; its size is at least
    // the designed one, so no pen reaches the one-pixel floor in either rendering.
    // (Qt writes A4 as 595 x 842 points.)
    QBuffer buffer;
    QPdfWriter a4(&buffer);
    a4.setPageSize(QPageSize(QPageSize::A4));
    const RectPt r = MedirInforme(a4.pageLayout().fullRectPoints().width(),
                                  a4.pageLayout().fullRectPoints().height(), 3, 100)
                         .rueda;
    const int x = static_cast<int>(r.x * 2), y = static_cast<int>(r.y * 2);
    const int w = static_cast<int>(r.ancho * 2), h = static_cast<int>(r.alto * 2);
    ASSERT_GE(w, 958);
    for (const TemaFila& tema : kTemas) {
        SCOPED_TRACE(tema.nombre);
        const std::string pdf = Path(std::string(tema.nombre) + ".pdf");
        const std::string png = Path(std::string(tema.nombre) + ".png");
        Run(HeadlessPdf, Con({"--pdf", kChart, pdf, "--tema", tema.nombre}, kProgresion));
        const std::string size = std::to_string(w) + "x" + std::to_string(h);
        Run(HeadlessPng,
            Con({"--png", kChart, png, "--tema", tema.nombre, "--size", size}, kProgresion));
        const QString prefix = QPath(std::string(tema.nombre) + "-pagina1");
        ASSERT_EQ(Ejecutar("pdftoppm",
                           {"-r", "144", "-f", "1", "-l", "1", "-x", QString::number(x), "-y",
                            QString::number(y), "-W", QString::number(w), "-H", QString::number(h),
                            "-png", "-singlefile", QString::fromStdString(pdf), prefix})
                      .code,
                  0);
        const Diferencia d = Comparar(QImage(prefix + ".png"), QImage(QString::fromStdString(png)));
        EXPECT_LE(d.distintos, kMaxDistintos);
        EXPECT_LE(d.sinPareja, kMaxSinPareja);
    }
}

// The expected lines come from the text commands (--listing, --progress), not from the
// report: reading every listing page in order gives them all back, nothing else.
TEST_F(Export, PdfTextHoldsTheHeaderAndEveryListingLineInOrder) {
    SKIP_WITHOUT_POPPLER();
    const Lineas natal =
        Partir(QByteArray::fromStdString(Run(HeadlessListing, {"--listing", kChart})));
    const Lineas progresion = Partir(
        QByteArray::fromStdString(Run(HeadlessProgress, {"--progress", kChart, "--tecnica",
                                                         "Arco Solar", "--fecha", "1 1 2030"})));
    const struct {
        const char* nombre;
        Args mas;
        Lineas listados;
    } casos[] = {
        {"natal", {}, natal},
        {"progresion", kProgresion, Con(natal, progresion)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::string pdf = Path(std::string(c.nombre) + ".pdf");
        Run(HeadlessPdf, Con({"--pdf", kChart, pdf}, c.mas));
        const int n = Pages(pdf);
        ASSERT_GE(n, 2);
        const std::string total = " de " + std::to_string(n);
        // Page 1: the running head, the foot, then the name and the data of the chart file.
        const Lineas primera = PageText(pdf, 1);
        ASSERT_GE(primera.size(), 6u);
        EXPECT_EQ(
            Lineas(primera.begin(), primera.begin() + 6),
            (Lineas{kNombre + " Página 1" + total, std::string("Natalis ") + NatalisVersion(),
                    kNombre, "Fecha: 12 10 1985 Hora: 07:45:00 Huso: 03.00",
                    "Lugar: Buenos Aires Latitud: 34.36S Longitud: 058.27W", "Casas: Plácido"}));
        Lineas leidas;
        for (int p = 2; p <= n; ++p) {
            const Lineas texto = PageText(pdf, p);
            ASSERT_GE(texto.size(), 3u);
            EXPECT_EQ(texto[0], kNombre + " Página " + std::to_string(p) + total);
            EXPECT_EQ(texto[1], std::string("Natalis ") + NatalisVersion());
            leidas.insert(leidas.end(), texto.begin() + 2, texto.end());
        }
        EXPECT_EQ(leidas, Impresas(c.listados));
    }
}

// Each page holds the columns the layout gives it, and there are as many pages as it
// makes: more with a progression, and the sheet's size changes them.
TEST_F(Export, PdfPageCountFollowsTheListingsAndTheSheet) {
    SKIP_WITHOUT_POPPLER();
    const struct {
        const char* nombre;
        Args mas;
        Papel papel;
        const char* tamano;  // as pdfinfo prints it
    } casos[] = {
        {"natal", {}, Papel::A4, "595 x 842 pts (A4)"},
        {"natal-carta", {"--papel", "carta"}, Papel::Carta, "612 x 792 pts (letter)"},
        {"progresion", kProgresion, Papel::A4, "595 x 842 pts (A4)"},
        {"ambos", Con(kProgresion, kTransito), Papel::A4, "595 x 842 pts (A4)"},
        {"ambos-carta", Con(Con(kProgresion, kTransito), {"--papel", "carta"}), Papel::Carta,
         "612 x 792 pts (letter)"},
    };
    std::map<std::string, int> paginas;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::string pdf = Path(std::string(c.nombre) + ".pdf");
        const Args args = Con({"--pdf", kChart, pdf}, c.mas);
        Run(HeadlessPdf, args);
        const Carta carta(args);
        const InformeCarta informe = ArmarInforme(carta.carta.sesion);
        QBuffer buffer;
        QPdfWriter hoja(&buffer);
        hoja.setPageSize(QPageSize(c.papel == Papel::Carta ? QPageSize::Letter : QPageSize::A4));
        const MedidasInforme m = MedidasEn(hoja, informe);
        const std::vector<PaginaListado> layout =
            PaginarListados(informe.secciones, m.lineasPorColumna, m.columnas);

        const int n = Pages(pdf);
        paginas[c.nombre] = n;
        ASSERT_EQ(n, 1 + static_cast<int>(layout.size()));
        for (int p = 2; p <= n; ++p) {
            SCOPED_TRACE("página " + std::to_string(p));
            Lineas esperadas;
            for (const Lineas& columna : layout[static_cast<size_t>(p - 2)]) {
                esperadas.insert(esperadas.end(), columna.begin(), columna.end());
            }
            const Lineas texto = PageText(pdf, p);
            ASSERT_GE(texto.size(), 2u);
            EXPECT_EQ(Lineas(texto.begin() + 2, texto.end()), Impresas(esperadas));
        }
        const Lineas info =
            Impresas(Partir(Ejecutar("pdfinfo", {QString::fromStdString(pdf)}).out));
        EXPECT_NE(std::find(info.begin(), info.end(), std::string("Page size: ") + c.tamano),
                  info.end());
    }
    EXPECT_GT(paginas["progresion"], paginas["natal"]);
    EXPECT_GE(paginas["ambos"], paginas["progresion"]);
    EXPECT_GE(paginas["ambos-carta"], paginas["ambos"]);
}

TEST_F(Export, PdfEmbedsTheGlyphFontAndTheTextFont) {
    SKIP_WITHOUT_POPPLER();
    const std::string pdf = Path("fuentes.pdf");
    Run(HeadlessPdf, {"--pdf", kChart, pdf});
    const Lineas fuentes = Partir(Ejecutar("pdffonts", {QString::fromStdString(pdf)}).out);
    for (const char* familia : {"OrreryAstro", "LiberationSans"}) {
        SCOPED_TRACE(familia);
        bool hallada = false;
        for (const std::string& l : fuentes) {
            const QStringList t = QString::fromStdString(l).split(' ', Qt::SkipEmptyParts);
            // name type... encoding emb sub uni object-id generation
            if (t.size() < 6 || !t[0].contains(familia)) continue;
            hallada = true;
            EXPECT_EQ(t[t.size() - 5], "yes") << l;
        }
        EXPECT_TRUE(hallada);
    }
}

TEST_F(Export, SvgParsesWithTheHeaderAsTextAndTheGlyphsAsOutlines) {
    const std::string svg = Path("carta.svg");
    const Args args = Con({"--svg", kChart, svg, "--size", "800x560"}, kProgresion);
    Run(HeadlessSvg, args);
    // What the drawing recorded: texts in the sans face stay text, the glyph font's texts
    // (signs, planets, degrees) become one outline each.
    const Carta carta(args);
    Lineas textos;
    int glifos = 0;
    for (const DrawOp& op : carta.carta.surface.OpsOf(DrawOp::Kind::Text)) {
        if (Normal(op.text).empty()) continue;
        if (op.face == "OrreryAstro") {
            ++glifos;
        } else {
            textos.push_back(op.text);
        }
    }
    ASSERT_GT(glifos, 48);  // 12 signs, 12 cusps, 12 planets with their degrees, and more
    ASSERT_FALSE(textos.empty());

    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    Lineas leidos;
    int paths = 0;
    QString viewBox, titulo;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("svg")) viewBox = xml.attributes().value("viewBox").toString();
        if (name == QLatin1String("title")) titulo = xml.readElementText();
        if (name == QLatin1String("path")) ++paths;
        if (name == QLatin1String("text")) {
            const std::string t = xml.readElementText().toStdString();
            if (!Normal(t).empty()) leidos.push_back(t);
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, "0 0 800 560");
    EXPECT_EQ(titulo.toStdString(), kNombre);
    EXPECT_EQ(leidos, textos);
    EXPECT_EQ(paths, glifos);
    EXPECT_NE(std::find(leidos.begin(), leidos.end(), "Casas Plácido"), leidos.end());
}

TEST_F(Export, SvgRenderedIsThePngOfTheSameChartAndPalette) {
    if (!HayHerramienta("rsvg-convert")) {
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) no está instalado";
    }
    for (const TemaFila& tema : kTemas) {
        SCOPED_TRACE(tema.nombre);
        const std::string svg = Path(std::string(tema.nombre) + ".svg");
        const std::string png = Path(std::string(tema.nombre) + ".png");
        const Args mas = Con({"--tema", tema.nombre, "--size", "1000x700"}, kProgresion);
        Run(HeadlessSvg, Con({"--svg", kChart, svg}, mas));
        Run(HeadlessPng, Con({"--png", kChart, png}, mas));
        // The SVG gives its size in millimetres; asked for the pixels, librsvg keeps them.
        const QString rendered = QPath(std::string(tema.nombre) + "-svg.png");
        ASSERT_EQ(Ejecutar("rsvg-convert",
                           {"-w", "1000", "-h", "700", "-o", rendered, QString::fromStdString(svg)})
                      .code,
                  0);
        const Diferencia d = Comparar(QImage(rendered), QImage(QString::fromStdString(png)));
        EXPECT_LE(d.distintos, kMaxDistintos);
        EXPECT_LE(d.sinPareja, kMaxSinPareja);
    }
}

// The default PNG is the window's own drawing: the image the window's surface paints.
TEST_F(Export, PantallaPngIsTheWindowsDrawing) {
    const std::string png = Path("pantalla.png");
    const Args args = Con({"--png", kChart, png, "--size", "700x490"}, kTransito);
    Run(HeadlessPng, args);
    Carta carta(args);
    const QImage ventana = carta.carta.surface.Image().convertToFormat(QImage::Format_RGB32);
    const QImage imagen = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(imagen.size(), QSize(700, 490));
    EXPECT_TRUE(imagen == ventana);
}

// Papel changes colours only: wherever the screen's palette shows one of the drawing's
// colours in full (the pixel and its eight neighbours alike, so no anti-aliased blend that
// happens to equal it), the paper's palette shows that colour's paper colour.
TEST_F(Export, PapelPngIsWhiteWithTheSameGeometry) {
    const std::string pantalla = Path("pantalla.png"), papel = Path("papel.png");
    const Args mas = Con(kProgresion, kTransito);
    Run(HeadlessPng, Con({"--png", kChart, pantalla}, mas));
    Run(HeadlessPng, Con({"--png", kChart, papel, "--tema", "papel"}, mas));
    const QImage a = QImage(QString::fromStdString(pantalla)).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromStdString(papel)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(b.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(b.pixel(b.width() - 1, b.height() - 1) & 0xFFFFFF, 0xFFFFFFu);
    const Color colores[] = {kBackground, QBColor(7),  QBColor(8),  QBColor(10), QBColor(11),
                             QBColor(12), QBColor(13), QBColor(14), QBColor(15), 0x32C8FA};
    const auto color = [](const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; };
    std::map<Color, long long> llenos;
    long long otros = 0;
    for (int y = 1; y + 1 < a.height(); ++y) {
        for (int x = 1; x + 1 < a.width(); ++x) {
            const Color pa = color(a, x, y);
            if (std::find(std::begin(colores), std::end(colores), pa) == std::end(colores))
                continue;
            bool lleno = true;
            for (int dy = -1; dy <= 1 && lleno; ++dy) {
                for (int dx = -1; dx <= 1 && lleno; ++dx) lleno = color(a, x + dx, y + dy) == pa;
            }
            if (!lleno) continue;
            ++llenos[pa];
            otros += color(b, x, y) != ColorEnTema(Tema::Papel, pa);
        }
    }
    EXPECT_GT(llenos[kBackground], a.width() * a.height() / 2);
    EXPECT_GT(llenos[QBColor(8)], 20000) << "the band";
    EXPECT_EQ(otros, 0);
}

// A destination that cannot be written, or a chart that is refused, leaves nothing: no
// file, no temporary, and a file already there as it was.
TEST_F(Export, UnwritableDestinationOrRefusedChartLeavesNothing) {
    ChartFolder malas;
    malas.Write("malo.dat", ChartText("Malo", "0930"));
    const std::string malo = malas.Path() + "malo.dat";
    QFile regular(QPath("archivo"));  // a regular file where a folder should be: for root too
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
    regular.close();
    const struct {
        int (*command)(const Args&, std::ostream&, std::ostream&);
        const char* nombre;
        const char* que;
    } comandos[] = {{HeadlessPng, "png", "la imagen"},
                    {HeadlessSvg, "svg", "la imagen"},
                    {HeadlessPdf, "pdf", "el documento"}};
    for (const auto& c : comandos) {
        SCOPED_TRACE(c.nombre);
        const std::string ext = std::string(".") + c.nombre;
        for (const std::string& destino :
             {Path("no-existe/carta" + ext), Path("archivo/carta" + ext)}) {
            SCOPED_TRACE(destino);
            std::ostringstream o, e;
            EXPECT_EQ(c.command({std::string("--") + c.nombre, kChart, destino}, o, e), 2);
            EXPECT_EQ(e.str(), std::string("No se pudo escribir ") + c.que + " " + destino + "\n");
            EXPECT_TRUE(o.str().empty());
            EXPECT_FALSE(QFile::exists(QString::fromStdString(destino)));
        }
        // A refused chart: the message of the reader, and the file there is left whole.
        const std::string previo = Path("previo" + ext);
        {
            QFile f(QString::fromStdString(previo));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("antes");
        }
        std::ostringstream o, e;
        EXPECT_EQ(c.command({std::string("--") + c.nombre, malo, previo}, o, e), 2);
        EXPECT_EQ(e.str().rfind("Hay error en los datos de malo.dat\n", 0), 0u) << e.str();
        QFile f(QString::fromStdString(previo));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("antes"));
        // A wrong command line writes nothing either.
        std::ostringstream e2;
        const std::string nuevo = Path("nuevo" + ext);
        EXPECT_EQ(
            c.command({std::string("--") + c.nombre, kChart, nuevo, "--tema", "oscuro"}, o, e2), 2);
        EXPECT_EQ(e2.str().rfind("Valor no válido para --tema: «oscuro»\nUso:", 0), 0u) << e2.str();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(nuevo)));
    }
    // Only what the test put there: no temporary left behind.
    QStringList quedan = QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    quedan.sort();
    EXPECT_EQ(quedan, (QStringList{"archivo", "previo.pdf", "previo.png", "previo.svg"}));
    EXPECT_FALSE(QDir(QPath("no-existe")).exists());
}

// A good run over an existing file replaces it whole.
TEST_F(Export, WrittenFileReplacesTheOneThere) {
    const std::string pdf = Path("carta.pdf");
    {
        QFile f(QString::fromStdString(pdf));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("antes");
    }
    Run(HeadlessPdf, {"--pdf", kChart, pdf});
    QFile f(QString::fromStdString(pdf));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
}

}  // namespace
}  // namespace natalis
