// The windows on the screen: the main window inside the available area of a small screen at
// scale factors 1, 1.5 and 2, a remembered place brought back onto the screen, the other
// windows over or beside the main window, and what is remembered between runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "app/ui/ChartBrowser.h"
#include "app/ui/ChartCommands.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/FrmAnotar.h"
#include "app/ui/WindowSettings.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/FrmListaNat.h"
#include "entry/ui/InputData.h"
#include "tests/app/FakeClock.h"
#include "tests/predictive/PredictiveFixture.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// The main window, loaded, on whatever screen the platform offers.
struct Loaded {
    explicit Loaded(QRect saved = QRect()) {
        folder.Write("Ana.dat", ChartText("Ana Prueba"));
        w = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        w->SetEndProgram([] {});
        w->SetSavedGeometry(saved);
        w->FormLoad();
        QApplication::processEvents();
    }
    QRect Area() const { return w->screen()->availableGeometry(); }
    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    testing::UniformEphemeris eph;
    std::unique_ptr<CuadroGral> w;
};

TEST(ScreenFit, MainWindowOpensInsideTheAvailableArea) {
    Loaded l;
    EXPECT_TRUE(l.Area().contains(l.w->frameGeometry()))
        << l.w->frameGeometry().x() << "," << l.w->frameGeometry().y() << " "
        << l.w->frameGeometry().width() << "x" << l.w->frameGeometry().height();
    EXPECT_GE(l.w->menuBar()->geometry().top(), 0);
}

// Run in a process of its own, on a screen set up by the parent (below): the window, its
// title bar and its menus lie inside the screen's available area, as large as it allows.
TEST(ScreenFitChild, MainWindowInsideTheAvailableArea) {
    const char* expected = std::getenv("NATALIS_FIT_CHILD");  // logical "WIDTHxHEIGHT"
    if (!expected) GTEST_SKIP() << "run by ScreenFit.SmallScreenAtEveryScaleFactor";
    Loaded l;
    const QRect area = l.Area();
    EXPECT_EQ(QString("%1x%2")
                  .arg(l.w->screen()->geometry().width())
                  .arg(l.w->screen()->geometry().height()),
              QString(expected));
    EXPECT_TRUE(area.contains(l.w->frameGeometry()));
    // Keeps the view's proportions and fills the area's height or width, or is designed size.
    const QSize view = l.w->View()->size();
    EXPECT_NEAR(static_cast<double>(view.width()) / view.height(), 958.0 / 677.0, 0.02);
    const bool designed = view == QSize(958, 677);
    const bool fills = l.w->frameGeometry().height() >= area.height() - 40 ||
                       l.w->frameGeometry().width() >= area.width() - 10;
    EXPECT_TRUE(designed || fills);
}

// A 1366 x 768 screen at scale factors 1, 1.5 and 2, with window frames, each in a process of
// its own running the child test above.
TEST(ScreenFit, SmallScreenAtEveryScaleFactor) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString config = dir.filePath("pantalla.json");
    QFile f(config);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"windowFrameMargins": true, "screens": [{"name": "pantalla", "x": 0, "y": 0,
              "width": 1366, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96,
              "dpr": 1}]})");
    f.close();
    struct Row {
        const char* factor;
        const char* logical;
    };
    for (const Row r : {Row{"1", "1366x768"}, Row{"1.5", "911x512"}, Row{"2", "683x384"}}) {
        SCOPED_TRACE(r.factor);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
        env.insert("QT_SCALE_FACTOR", r.factor);
        env.insert("NATALIS_FIT_CHILD", r.logical);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ScreenFitChild.MainWindowInsideTheAvailableArea"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
    }
}

TEST(ScreenFit, ARememberedPlaceIsKeptOrBroughtBackOntoTheScreen) {
    {
        Loaded l(QRect(60, 80, 700, 500));
        EXPECT_EQ(l.w->geometry(), QRect(60, 80, 700, 500));
    }
    {
        Loaded l(QRect(5000, 4000, 700, 500));
        EXPECT_TRUE(l.Area().contains(l.w->frameGeometry()));
        EXPECT_EQ(l.w->size(), QSize(700, 500));
    }
}

// The entry form and the notes open centred over the main window, the listing beside it;
// all of them on the screen.
TEST(ScreenFit, OtherWindowsOpenOverOrBesideTheMainWindow) {
    Loaded l(QRect(100, 100, 600, 440));
    l.w->flistArchivos()->setCurrentRow(0);
    l.w->flistArchivos_Click();
    auto* commands = l.w->findChild<ChartCommands*>("ChartCommands");
    commands->FichaNatal_Click();
    commands->mnuAnotar_Click();
    QApplication::processEvents();
    const QRect main = l.w->frameGeometry();
    for (QWidget* over :
         {static_cast<QWidget*>(commands->Ficha()), static_cast<QWidget*>(commands->Anotar())}) {
        ASSERT_NE(over, nullptr);
        EXPECT_TRUE(l.Area().contains(over->frameGeometry()))
            << over->objectName().toStdString() << " " << over->frameGeometry().x() << ","
            << over->frameGeometry().y() << " " << over->frameGeometry().width() << "x"
            << over->frameGeometry().height();
        EXPECT_LE((over->frameGeometry().center() - main.center()).manhattanLength(), 40)
            << over->objectName().toStdString() << " " << over->frameGeometry().y() << " "
            << over->frameGeometry().height() << " main " << main.y() << " " << main.height()
            << " area " << l.Area().y() << " " << l.Area().height();
    }
    l.w->ListadoNatal();
    const QRect listing = l.w->frmListaNat()->frameGeometry();
    EXPECT_TRUE(l.Area().contains(listing));
    // Right of the main window, or against the screen's right edge when there is no room
    // (less the frame allowed for while the listing's own frame is not known).
    EXPECT_TRUE(listing.left() > main.right() || listing.right() >= l.Area().right() - 8);
    EXPECT_LE(std::abs(listing.top() - main.top()), 40);
}

TEST(WindowSettings, GeometryAndFolderAreRememberedButNotTheHouseSystem) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("natalis.conf");
    {
        QSettings s(file, QSettings::IniFormat);
        WindowSettings remembered(s);
        EXPECT_FALSE(remembered.Geometry().isValid());
        EXPECT_EQ(remembered.Folder(), "");
        remembered.SetGeometry(QRect(10, 20, 800, 560));
        remembered.SetFolder("/datos/cartas/");
        remembered.SetGeometry(QRect());  // nothing valid to keep: the last place stays
    }
    QSettings s(file, QSettings::IniFormat);
    WindowSettings remembered(s);
    EXPECT_EQ(remembered.Geometry(), QRect(10, 20, 800, 560));
    EXPECT_EQ(remembered.Folder(), "/datos/cartas/");
    EXPECT_EQ(s.allKeys().size(), 2);  // nothing else, the house system included
}

}  // namespace
}  // namespace natalis
