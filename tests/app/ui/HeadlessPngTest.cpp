// natalis --png run in-process: the image of the requested size with a drawn wheel, and the
// refusals that write nothing.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "app/ui/HeadlessPng.h"
#include "chart/Surface.h"
#include "tests/ui/ChartFolder.h"

namespace natalis {
namespace {

// Pixels within a small distance of colour c (antialiased edges blend into neighbours).
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

struct Png : ::testing::Test {
    QTemporaryDir out;
    std::ostringstream sout, serr;
    std::string OutPath(const char* name) const {
        return QDir(out.path()).filePath(name).toStdString();
    }
};

TEST_F(Png, SampleChartDrawsTheWheelAtTheRequestedSize) {
    const std::string chart = NATALIS_SOURCE_DIR "/charts/Ana_Lucia_Ferreyra.dat";
    const std::string png = OutPath("ana.png");
    ASSERT_EQ(HeadlessPng({"--png", chart, png, "--size", "800x560"}, sout, serr), 0) << serr.str();
    EXPECT_TRUE(sout.str().empty());
    QImage img(QString::fromStdString(png));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(800, 560));
    // The band (grey 128), the planet glyphs (yellow), the sign glyphs (light grey), the
    // outline (light magenta) and the aspect lines (light cyan or light red) all show.
    EXPECT_GT(CountNear(img, QBColor(8)), 20000);
    EXPECT_GT(CountNear(img, QBColor(14)), 200);
    EXPECT_GT(CountNear(img, QBColor(7)), 200);
    EXPECT_GT(CountNear(img, QBColor(13)), 200);
    EXPECT_GT(CountNear(img, QBColor(11)) + CountNear(img, QBColor(12)), 50);
    EXPECT_GT(CountNear(img, QBColor(15)), 200);  // header and angular cusps
}

TEST_F(Png, DefaultSizeIsTheDesignedClientArea) {
    const std::string png = OutPath("d.png");
    ASSERT_EQ(
        HeadlessPng({"--png", NATALIS_SOURCE_DIR "/charts/Hiroshi_Tanaka.dat", png}, sout, serr), 0)
        << serr.str();
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(958, 677));
}

TEST_F(Png, RejectedFileWritesNothing) {
    ChartFolder folder;
    folder.Write("malo.dat", ChartText("Malo", "0930"));
    const std::string png = OutPath("malo.png");
    EXPECT_EQ(HeadlessPng({"--png", folder.Path() + "malo.dat", png}, sout, serr), 2);
    EXPECT_EQ(serr.str(),
              "Hay error en los datos de malo.dat\n"
              "Utilice el block de notas para corregir los datos natales, \n"
              "o borre el archivo con el explorador de Windows.  \n"
              "Renglón 10: la hora debe escribirse con dos cifras antes del punto, como en "
              "5: 09.0730.\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
}

TEST_F(Png, WrongOptionsWriteNothing) {
    const std::string chart = NATALIS_SOURCE_DIR "/charts/Ana_Lucia_Ferreyra.dat";
    const std::string png = OutPath("x.png");
    const Args cases[] = {
        {"--png", chart},
        {"--png", chart, png, "--size"},
        {"--png", chart, png, "--size", "800"},
        {"--png", chart, png, "--size", "0x10"},
        {"--png", chart, png, "--size", "80x-5"},
        {"--png", chart, png, "--houses", "Z"},
        {"--png", chart, png, "--otra"},
    };
    for (const Args& args : cases) {
        SCOPED_TRACE(args.back());
        std::ostringstream e;
        EXPECT_EQ(HeadlessPng(args, sout, e), 2);
        EXPECT_NE(e.str().find("Uso:"), std::string::npos);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));
    }
}

}  // namespace
}  // namespace natalis
