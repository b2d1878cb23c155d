// The main window with a chart whose offset came from the time-zone database: loading it
// offers today's reading when it differs, "Ficha Natal" shows where the offset came from,
// and the entry form gets the program's one atlas.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/ui/ChartBrowser.h"
#include "app/ui/ChartCommands.h"
#include "app/ui/CuadroGral.h"
#include "astro/SwissEphemeris.h"
#include "entry/ui/InputData.h"
#include "entry/ui/LugarAtlas.h"
#include "tests/app/FakeClock.h"
#include "tests/ui/ChartFolder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// 1 7 1990 at noon in Madrid, saved with the reading usedSeconds ahead of UT.
std::string MadridFile(long usedSeconds) {
    NatalRecord r;
    r.NatalName = "Lola";
    r.NatalDay = 1, r.NatalMonth = 7, r.NatalYear = 1990;
    r.HourText = "12", r.MinuteText = "00", r.SecondText = "00";
    r.NatalHour = 12;
    r.ZoneSign = "+", r.ZoneHourText = "0" + std::to_string(usedSeconds / 3600);
    r.ZoneMinuteText = "00";
    r.ZoneHours = static_cast<float>(-usedSeconds / 3600.0);
    r.LatDegText = "40", r.LatMinText = "25", r.LatHemisphere = "N";
    r.LatitudeDeg = 40.4167f;
    r.LonDegText = "003", r.LonMinText = "42", r.LonHemisphere = "W";
    r.LongitudeDeg = -3.7f;
    r.Place = Utf8CutOrPad("Madrid", 30);
    r.ZoneFrom = {"Europe/Madrid",     usedSeconds, usedSeconds == 7200 ? "CEST" : "CET",
                  usedSeconds == 7200, false,       "2000a"};
    return Utf8ToCp1252(ChartFileText(r, nullptr)).bytes;
}

class ZoneOnLoading : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.Write("Vieja.dat", MadridFile(3600));
        folder.Write("Igual.dat", MadridFile(7200));
        clock.now = {2024, 3, 5, 14, 5, 0};
        clock.zone = Zone(180);
        window = std::make_unique<CuadroGral>(dialogs, clock, eph, folder.Path());
        window->SetEndProgram([] {});
        window->FormLoad();
    }
    void TearDown() override {
        window.reset();
        QApplication::processEvents();
    }
    void Load(const QString& name) {
        window->mnuBuscarFiles_Click();
        ASSERT_TRUE(window->flistArchivos()->SelectFile(name));
        window->flistArchivos_Click();
        ASSERT_TRUE(window->State().flags.ChartLoaded);
    }
    InputData* OpenFicha() {
        window->Action("FichaNatal")->trigger();
        QApplication::processEvents();
        return window->findChild<ChartCommands*>("ChartCommands")->Ficha();
    }

    ChartFolder folder;
    ScriptedDialogs dialogs;
    FakeClock clock;
    SwissEphemeris eph;
    std::unique_ptr<CuadroGral> window;
};

TEST_F(ZoneOnLoading, OtherReadingTodayIsOfferedAndYesDrawsWithIt) {
    dialogs.QueueAnswer(MsgAnswer::Yes);
    Load("Vieja.dat");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Huso horario");
    EXPECT_NE(dialogs.asked[0].prompt.find("¿Usar el huso de hoy en esta carta?"),
              std::string::npos);
    EXPECT_EQ(window->State().DatosNatales.ZoneHours, -2);
    EXPECT_EQ(window->State().DatosNatales.ZoneFrom.abbreviation, "CEST");
}

TEST_F(ZoneOnLoading, NoKeepsTheSavedReading) {
    dialogs.QueueAnswer(MsgAnswer::No);
    Load("Vieja.dat");
    EXPECT_EQ(window->State().DatosNatales.ZoneHours, -1);
    InputData* form = OpenFicha();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Lugar()->Linea()->text().toStdString(),
              "Europe/Madrid · CET, hora normal · UT+1");
}

TEST_F(ZoneOnLoading, SameReadingAsksNothingAndFichaNatalShowsTheSource) {
    Load("Igual.dat");
    InputData* form = OpenFicha();
    ASSERT_NE(form, nullptr);
    // The atlas is there (the system's files are installed): nothing was said about it.
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_TRUE(form->Lugar()->Agregar()->isEnabled());
    EXPECT_EQ(form->Lugar()->Linea()->text().toStdString(),
              "Europe/Madrid · CEST, horario de verano · UT+2");
    EXPECT_NE(form->Lugar()->Linea()->toolTip().toStdString().find("tzdata 2000a"),
              std::string::npos);
}

}  // namespace
}  // namespace natalis
