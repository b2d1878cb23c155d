// A chart whose positions the ephemeris cannot give is an error shown to the user, never a
// wheel of bodies at 0 Aries.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <limits>
#include <memory>

#include "app/ui/ChartBrowser.h"
#include "app/ui/CuadroGral.h"
#include "chart/ErrorCalculoNatal.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// An ephemeris with no answer for any instant, as the library is outside every theory.
class SinRespuesta : public Ephemeris {
  public:
    double CalcBody(double, int32_t, double* out) override {
        for (int i = 0; i < 4; ++i) out[i] = std::numeric_limits<double>::quiet_NaN();
        return -1;
    }
    EphemerisSource Source() const override { return EphemerisSource::Analytic; }
};

TEST(NatalSinEfemerides, ChartIsNotDrawnAndTheErrorIsShown) {
    ChartFolder folder;
    ASSERT_TRUE(folder.dir.isValid());
    folder.Write("Ana.dat", ChartText("Ana Prueba"));
    ScriptedDialogs dialogs;
    FakeClock clock;
    clock.now = {2024, 3, 5, 14, 5, 0};
    clock.zone = Zone(180);
    SinRespuesta eph;
    auto window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
    window->FormLoad();

    ChartList* list = window->flistArchivos();
    ASSERT_TRUE(list->SelectFile("Ana.dat"));
    emit list->clicked(list->currentIndex());

    ASSERT_FALSE(dialogs.asked.empty());
    const AskedBox& box = dialogs.asked.back();
    EXPECT_EQ(box.prompt,
              "Error de cálculo: las efemérides no dan la posición de los planetas en esta "
              "fecha.");
    EXPECT_EQ(box.title, "Error de cálculo");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(window->Lista()->count(), 0);  // no aspects of positions never given
    window.reset();
    QApplication::processEvents();
}

}  // namespace
}  // namespace natalis
