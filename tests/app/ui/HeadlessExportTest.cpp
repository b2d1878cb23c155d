// natalis --pdf and --svg run in-process, and --png in both palettes: the files looked at
// from outside with poppler and librsvg, and compared with the PNG of the same chart.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <sstream>

#include "app/Headless.h"
#include "app/InformeCarta.h"
#include "app/PaginasInforme.h"
#include "app/ui/HeadlessPng.h"
#include "app/ui/PintarInforme.h"
#include "chart/Paleta.h"
#include "chart/Surface.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ExternalTools.h"

namespace natalis {
namespace {

const std::string kChart = NATALIS_SOURCE_DIR "/charts/Ana_Lucia_Ferreyra.dat";
const Args kProgresion = {"--progress", "--tecnica", "Arco Solar", "--fecha", "1 1 2030"};

Args Con(Args a, const Args& mas) {
    a.insert(a.end(), mas.begin(), mas.end());
    return a;
}

struct Export : ::testing::Test {
    QTemporaryDir out;
    std::ostringstream sout, serr;
    std::string Path(const std::string& name) const {
        return QDir(out.path()).filePath(QString::fromStdString(name)).toStdString();
    }
    QString QPath(const std::string& name) const { return QString::fromStdString(Path(name)); }
};

TEST_F(Export, PdfFirstPageIsThePngOfTheSameChartAndPalette) {
    if (!HayHerramienta("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) no está instalado";
    // The wheel's rectangle on page 1, at 144 dpi: 2 pixels a point.
    const RectPt r = MedirInforme(FilaPapel(Papel::A4).anchoPt, FilaPapel(Papel::A4).altoPt, 3, 100).rueda;
    const int x = static_cast<int>(r.x * 2), y = static_cast<int>(r.y * 2);
    const int w = static_cast<int>(r.ancho * 2), h = static_cast<int>(r.alto * 2);
    for (const TemaFila& tema : kTemas) {
        SCOPED_TRACE(tema.nombre);
        const std::string pdf = Path(std::string(tema.nombre) + ".pdf");
        const std::string png = Path(std::string(tema.nombre) + ".png");
        ASSERT_EQ(HeadlessPdf(Con({"--pdf", kChart, pdf, "--tema", tema.nombre}, kProgresion), sout, serr), 0) << serr.str();
        ASSERT_EQ(HeadlessPng(Con({"--png", kChart, png, "--tema", tema.nombre, "--size", std::to_string(w) + "x" + std::to_string(h)}, kProgresion), sout, serr), 0) << serr.str();
        const QString prefix = QPath(std::string(tema.nombre) + "-pdf");
        ASSERT_EQ(Ejecutar("pdftoppm", {"-r", "144", "-f", "1", "-l", "1", "-x", QString::number(x), "-y", QString::number(y), "-W", QString::number(w), "-H", QString::number(h), "-png", "-singlefile", QString::fromStdString(pdf), prefix}).code, 0);
        const QImage pagina(prefix + ".png");
        const QImage imagen(QString::fromStdString(png));
        ASSERT_EQ(pagina.size(), imagen.size());
        const Diferencia d = Comparar(pagina, imagen);
        std::printf("PDF %s distintos %.5f sin %.5f\n", tema.nombre, d.distintos, d.sinPareja);
        pagina.save(prefix + "-crop.png");
        imagen.save("/tmp/exp11/png-" + QString(tema.nombre) + ".png");
        pagina.save("/tmp/exp11/pdf-" + QString(tema.nombre) + ".png");
        {
            QImage a = pagina.convertToFormat(QImage::Format_RGB32), b = imagen.convertToFormat(QImage::Format_RGB32);
            QImage dd(a.size(), QImage::Format_RGB32);
            for (int j = 0; j < a.height(); ++j) for (int i = 0; i < a.width(); ++i) {
                QRgb p1 = a.pixel(i, j), p2 = b.pixel(i, j);
                int m = std::max({std::abs(qRed(p1)-qRed(p2)), std::abs(qGreen(p1)-qGreen(p2)), std::abs(qBlue(p1)-qBlue(p2))});
                dd.setPixel(i, j, m > 64 ? qRgb(255,0,0) : qRgb(255-m,255-m,255-m));
            }
            dd.save("/tmp/exp11/diff-" + QString(tema.nombre) + ".png");
        }
    }
}

TEST_F(Export, SvgRenderedIsThePngOfTheSameChartAndPalette) {
    if (!HayHerramienta("rsvg-convert")) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) no está instalado";
    for (const TemaFila& tema : kTemas) {
        SCOPED_TRACE(tema.nombre);
        const std::string svg = Path(std::string(tema.nombre) + ".svg");
        const std::string png = Path(std::string(tema.nombre) + ".png");
        ASSERT_EQ(HeadlessSvg(Con({"--svg", kChart, svg, "--tema", tema.nombre, "--size", "1000x700"}, kProgresion), sout, serr), 0) << serr.str();
        ASSERT_EQ(HeadlessPng(Con({"--png", kChart, png, "--tema", tema.nombre, "--size", "1000x700"}, kProgresion), sout, serr), 0) << serr.str();
        const QString rendered = QPath(std::string(tema.nombre) + "-svg.png");
        ASSERT_EQ(Ejecutar("rsvg-convert", {"-w", "1000", "-h", "700", "-o", rendered, QString::fromStdString(svg)}).code, 0);
        const Diferencia d = Comparar(QImage(rendered), QImage(QString::fromStdString(png)));
        std::printf("SVG %s distintos %.5f sin %.5f\n", tema.nombre, d.distintos, d.sinPareja);
        QImage(rendered).save("/tmp/exp11/svg-" + QString(tema.nombre) + ".png");
    }
}

}  // namespace
}  // namespace natalis
