// A chart's zone against today's tz database, and the texts the form and the listings use
// for an offset.
#include <gtest/gtest.h>

#include <string>

#include "app/model/HusoActual.h"

namespace natalis {
namespace {

TEST(HusoActual, BoxTextsOfAnOffset) {
    const struct {
        long seconds;
        const char *sign, *hours, *minutes;
    } cases[] = {
        {7200, "+", "02", "00"},  {-10800, "-", "03", "00"}, {20700, "+", "05", "45"},
        {1172, "+", "00", "20"},  {-1144, "-", "00", "19"},  {-1170, "-", "00", "20"},
        {50400, "+", "14", "00"}, {0, "+", "00", "00"},
    };
    for (const auto& c : cases) {
        const HusoCajas h = CajasDeHuso(c.seconds);
        EXPECT_EQ(h.sign, c.sign) << c.seconds;
        EXPECT_EQ(h.hours, c.hours) << c.seconds;
        EXPECT_EQ(h.minutes, c.minutes) << c.seconds;
    }
}

TEST(HusoActual, OffsetAsUniversalTimePlus) {
    EXPECT_EQ(TextoUT(7200), "UT+2");
    EXPECT_EQ(TextoUT(0), "UT+0");
    EXPECT_EQ(TextoUT(-10800), "UT-3");
    EXPECT_EQ(TextoUT(20700), "UT+5:45");
    EXPECT_EQ(TextoUT(1172), "UT+0:19:32");
    EXPECT_EQ(TextoUT(-1144), "UT-0:19:04");
    EXPECT_EQ(DescribirFuente({}), "escrito a mano");
    EXPECT_EQ(DescribirFuente({"Asia/Kathmandu", 20700, "+0545", false, false, "2024a"}),
              "Asia/Kathmandu · +0545, hora normal · UT+5:45");
}

// A chart of 1 7 1990 at noon in Madrid (summer time: UT+2 by the database).
NatalRecord Madrid(long usedSeconds, const std::string& abbreviation) {
    NatalRecord r;
    r.NatalDay = 1, r.NatalMonth = 7, r.NatalYear = 1990;
    r.HourText = "12", r.MinuteText = "00", r.SecondText = "00";
    r.NatalHour = 12;
    r.LongitudeDeg = -3.7f;
    r.ZoneFrom = {"Europe/Madrid", usedSeconds, abbreviation, usedSeconds == 7200, false, "2000a"};
    r.ZoneHours = static_cast<float>(-usedSeconds / 3600.0);
    return r;
}

TEST(HusoActual, SameReadingTodayAsksNothing) {
    const HusoActual h = ComprobarHuso(Madrid(7200, "CEST"));
    EXPECT_EQ(h.estado, HusoActualEstado::Igual);
    EXPECT_EQ(h.ahora.abbreviation, "CEST");
    EXPECT_EQ(h.ahora.tzdataVersion, TzdataVersion());
}

TEST(HusoActual, OtherReadingTodayIsOfferedAndCanBeTaken) {
    NatalRecord r = Madrid(3600, "CET");  // as if an older database had said so
    const HusoActual h = ComprobarHuso(r);
    ASSERT_EQ(h.estado, HusoActualEstado::Distinto);
    EXPECT_EQ(h.ahora.offsetSeconds, 7200);
    EXPECT_NE(h.mensaje.find("Europe/Madrid CET, hora normal · UT+1 (tzdata 2000a)"),
              std::string::npos)
        << h.mensaje;
    EXPECT_NE(h.mensaje.find("CEST, horario de verano · UT+2"), std::string::npos);
    ActualizarHuso(r, h.ahora);
    EXPECT_EQ(r.ZoneHours, -2);
    EXPECT_EQ(r.ZoneSign, "+");
    EXPECT_EQ(r.ZoneHourText, "02");
    EXPECT_EQ(r.ZoneMinuteText, "00");
    EXPECT_EQ(r.ZoneText, "02.00");
    EXPECT_EQ(r.ZoneFrom.abbreviation, "CEST");
    EXPECT_EQ(ComprobarHuso(r).estado, HusoActualEstado::Igual);
}

TEST(HusoActual, TypedByHandHasNothingToCompare) {
    NatalRecord r = Madrid(3600, "CET");
    r.ZoneFrom = {};
    EXPECT_EQ(ComprobarHuso(r).estado, HusoActualEstado::EscritoAMano);
}

TEST(HusoActual, NoReadingTodayIsSaid) {
    NatalRecord unknown = Madrid(7200, "CEST");
    unknown.ZoneFrom.zone = "Europa/Atlantida";
    const HusoActual u = ComprobarHuso(unknown);
    EXPECT_EQ(u.estado, HusoActualEstado::SinLectura);
    EXPECT_EQ(u.mensaje, UnknownZoneMessage("Europa/Atlantida"));

    // 28 10 2012 01:30 in London was shown twice (BST, then GMT): either reading is the
    // chart's; an offset that is neither cannot be matched to one.
    NatalRecord london = Madrid(3600, "BST");
    london.NatalDay = 28, london.NatalMonth = 10, london.NatalYear = 2012;
    london.HourText = "01", london.MinuteText = "30";
    london.ZoneFrom.zone = "Europe/London";
    EXPECT_EQ(ComprobarHuso(london).estado, HusoActualEstado::Igual);
    london.ZoneFrom.offsetSeconds = 0;
    EXPECT_EQ(ComprobarHuso(london).estado, HusoActualEstado::Igual);
    london.ZoneFrom.offsetSeconds = 7200;
    EXPECT_EQ(ComprobarHuso(london).estado, HusoActualEstado::SinLectura);
}

}  // namespace
}  // namespace natalis
