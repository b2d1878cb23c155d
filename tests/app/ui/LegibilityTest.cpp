// Legibility of the main window at any size: no caption wider than its control, texts at a
// contrast of at least 4.5 : 1 in every frame and window, readable sizes in a small window,
// and the room of a wide or tall window given to the wheel and the aspects list.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "app/ui/ChartBrowser.h"
#include "app/ui/ChartCommands.h"
#include "app/ui/CuadroGral.h"
#include "app/ui/FrmAnotar.h"
#include "chart/ColorContrast.h"
#include "chart/ui/ChartView.h"
#include "chart/ui/FrmListaNat.h"
#include "entry/ui/InputData.h"
#include "predictive/ui/ControlPredictivo.h"
#include "tests/app/FakeClock.h"
#include "tests/predictive/PredictiveFixture.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

Color ToColor(const QColor& c) { return static_cast<Color>(c.rgb() & 0xFFFFFF); }

// The text colours a widget paints and the backgrounds it paints them on.
struct Pair {
    QPalette::ColorRole text, background;
};
std::vector<Pair> PairsShownBy(const QWidget* w) {
    std::vector<Pair> pairs = {{QPalette::WindowText, QPalette::Window}};
    if (qobject_cast<const QAbstractButton*>(w))
        pairs.push_back({QPalette::ButtonText, QPalette::Button});
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w)) {
        pairs.push_back({QPalette::Text, QPalette::Base});
        pairs.push_back({QPalette::HighlightedText, QPalette::Highlight});
    }
    if (qobject_cast<const QLineEdit*>(w))
        pairs.push_back({QPalette::PlaceholderText, QPalette::Base});
    return pairs;
}

// The window sizes tried: designed, small, wide, tall.
const QSize kSizes[] = {{958, 699}, {600, 420}, {1400, 700}, {800, 1000}};

class Legibility : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.dir.isValid());
        folder.Write("Ana.dat", ChartText("Ana Prueba"));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        w = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        w->SetEndProgram([] {});
        w->FormLoad();
        w->flistArchivos()->setCurrentRow(0);
        w->flistArchivos_Click();
        c = w->findChild<ControlPredictivo*>("ControlPredictivo");
        ASSERT_NE(c, nullptr);
    }
    void Resize(const QSize& size) {
        w->resize(size);
        QApplication::processEvents();
    }
    // The frames in each of their modes, one after the other, with what each shows.
    struct Mode {
        const char* name;
        std::function<void()> open;
    };
    std::vector<Mode> Modes() {
        return {
            {"Primaria", [this] { c->mnuProg_Click(40); }},
            {"Arco Solar", [this] { c->mnuProg_Click(41); }},
            {"Dar Fecha", [this] { c->mnuTransito_Click(52); }},
            {"Cambiar Hora", [this] { c->AbrirCambioHora(); }},
            {"warning",
             [this] {
                 c->mnuProg_Click(42);
                 w->txtFecha()->setText("5 3 2072");  // 102 years
                 c->btnOK_Click(0);
             }},
            {"solar", [this] { c->TitlemnuHoraSolar_Click(); }},
        };
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    testing::UniformEphemeris eph;
    std::unique_ptr<CuadroGral> w;
    ControlPredictivo* c = nullptr;
};

// Every control of the frames shown, in every mode and at every size, is at least as large
// as its contents need, so no caption is cut.
TEST_F(Legibility, NoCaptionWiderThanItsControl) {
    for (const QSize& size : kSizes) {
        for (const Mode& m : Modes()) {
            SCOPED_TRACE(std::string(m.name) + " at " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            w->ReiniciarPredictivo();
            m.open();
            Resize(size);
            int checked = 0;
            for (QGroupBox* frame : {w->fInputMain(), c->Frame1(), c->frameSOLAR()}) {
                if (!frame->isVisible()) continue;
                EXPECT_TRUE(w->View()->rect().contains(frame->geometry())) << "frame off the view";
                for (QWidget* child : frame->findChildren<QWidget*>()) {
                    if (!child->isVisible()) continue;
                    const QSize need = child->minimumSizeHint();
                    EXPECT_GE(child->width(), need.width()) << child->objectName().toStdString();
                    EXPECT_GE(child->height(), need.height()) << child->objectName().toStdString();
                    if (auto* label = qobject_cast<QLabel*>(child)) {
                        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                                  label->contentsRect().width())
                            << label->text().toStdString();
                    }
                    ++checked;
                }
            }
            EXPECT_GE(checked, 3);
        }
    }
    // The warning's text stands clear of its "X".
    EXPECT_LE(c->Label40()->geometry().right(), c->Label5()->geometry().left());
}

// Every text of the frames and windows against what is behind it: the frames paint their own
// light background, so the dark drawing is never behind their texts.
TEST_F(Legibility, TextsContrastWithTheirBackground) {
    auto* commands = w->findChild<ChartCommands*>("ChartCommands");
    commands->FichaNatal_Click();
    commands->mnuAnotar_Click();
    w->ListadoNatal();
    ASSERT_NE(commands->Ficha(), nullptr);
    ASSERT_NE(commands->Anotar(), nullptr);
    std::vector<QWidget*> windows = {w->fInputMain(),    c->Frame1(),     c->frameSOLAR(),
                                     w->Lista(),         w->Browser(),    commands->Ficha(),
                                     commands->Anotar(), w->frmListaNat()};
    for (QWidget* top : {static_cast<QWidget*>(w->fInputMain()), static_cast<QWidget*>(c->Frame1()),
                         static_cast<QWidget*>(c->frameSOLAR())}) {
        EXPECT_TRUE(top->autoFillBackground()) << top->objectName().toStdString();
    }
    for (QWidget* top : windows) {
        std::vector<QWidget*> all = {top};
        for (QWidget* child : top->findChildren<QWidget*>()) all.push_back(child);
        for (QWidget* widget : all) {
            const QPalette p = widget->palette();
            for (const Pair& pair : PairsShownBy(widget)) {
                for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Disabled}) {
                    const double ratio = ContrastRatio(ToColor(p.color(g, pair.text)),
                                                       ToColor(p.color(g, pair.background)));
                    EXPECT_GE(ratio, kMinTextContrast) << top->objectName().toStdString() << " / "
                                                       << widget->metaObject()->className() << " "
                                                       << widget->objectName().toStdString()
                                                       << " group " << g << " role " << pair.text;
                }
            }
        }
    }
    commands->Anotar()->Texto()->document()->setModified(false);
}

// In a small window the texts of the lists, the frames and the listing keep a readable size
// (at least 11 px high at 96 dots per inch).
TEST_F(Legibility, ReadableSizesInASmallWindow) {
    c->mnuProg_Click(41);
    c->TitlemnuHoraSolar_Click();
    Resize({600, 420});
    w->ListadoNatal();
    for (QWidget* widget :
         {static_cast<QWidget*>(w->Lista()), static_cast<QWidget*>(w->Browser()),
          static_cast<QWidget*>(w->fInputMain()), static_cast<QWidget*>(c->frameSOLAR()),
          static_cast<QWidget*>(w->frmListaNat())}) {
        EXPECT_GE(widget->font().pointSizeF() * 96 / 72, 10.6)
            << widget->objectName().toStdString();
        EXPECT_GE(QFontInfo(widget->font()).pixelSize(), 11) << widget->objectName().toStdString();
    }
    EXPECT_GE(w->Lista()->font().pointSizeF(), ChartView::kMinTextPt);
}

// A wide window gives its width to the aspects list (the wheel already fills the height); a
// tall one gives its height to the list. The wheel's drawing keeps its proportions.
TEST_F(Legibility, RoomOfALargeWindowGoesToTheWheelAndTheList) {
    Resize(kSizes[0]);
    const QSize designed = w->Lista()->size();
    const QRectF drawing = w->View()->DrawingRect();
    Resize({1400, 700});
    EXPECT_NEAR(w->View()->DrawingRect().height(), w->View()->height(), 1.0);
    EXPECT_NEAR(w->View()->DrawingRect().right(), w->View()->width(), 1.0);
    EXPECT_GT(w->Lista()->width(), 2 * designed.width());
    EXPECT_GT(w->View()->PxPerUnit() * 100, drawing.width());  // the wheel grew
    // Still clear of the transit ring (1.5 R = 33 units left of the centre at x = 60).
    EXPECT_LE(w->Lista()->geometry().right(), w->View()->ToPixels(60 - 33, 36).x());
    Resize({800, 1000});
    EXPECT_NEAR(w->View()->DrawingRect().width(), w->View()->width(), 1.0);
    EXPECT_GT(w->Lista()->height(), designed.height() * 1.3);
    EXPECT_GE(w->Lista()->geometry().bottom(), w->View()->height() * 0.9);
}

}  // namespace
}  // namespace natalis
