// The question on loading a chart whose zone today's database reads otherwise.
#include <gtest/gtest.h>

#include "app/session/OfertaHuso.h"
#include "tests/ui/ScriptedDialogs.h"

namespace natalis {
namespace {

// 1 7 1990 at noon in Madrid, saved as if the database had then given UT+1.
NatalRecord OlderReading() {
    NatalRecord r;
    r.NatalDay = 1, r.NatalMonth = 7, r.NatalYear = 1990;
    r.HourText = "12", r.MinuteText = "00", r.SecondText = "00";
    r.NatalHour = 12;
    r.LongitudeDeg = -3.7f;
    r.ZoneFrom = {"Europe/Madrid", 3600, "CET", false, false, "2000a"};
    r.ZoneHours = -1;
    return r;
}

TEST(OfrecerHusoActual, YesTakesTodaysReading) {
    NatalRecord r = OlderReading();
    ScriptedDialogs dialogs;
    dialogs.QueueAnswer(MsgAnswer::Yes);
    EXPECT_TRUE(OfrecerHusoActual(r, dialogs));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Huso horario");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(r.ZoneHours, -2);
    EXPECT_EQ(r.ZoneFrom.abbreviation, "CEST");
}

TEST(OfrecerHusoActual, NoKeepsTheChartAsSaved) {
    NatalRecord r = OlderReading();
    ScriptedDialogs dialogs;
    dialogs.QueueAnswer(MsgAnswer::No);
    EXPECT_FALSE(OfrecerHusoActual(r, dialogs));
    EXPECT_EQ(r.ZoneHours, -1);
    EXPECT_EQ(r.ZoneFrom.abbreviation, "CET");
}

TEST(OfrecerHusoActual, SameReadingOrHandTypedAsksNothing) {
    NatalRecord same = OlderReading();
    same.ZoneFrom.offsetSeconds = 7200;
    same.ZoneHours = -2;
    NatalRecord hand = OlderReading();
    hand.ZoneFrom = {};
    ScriptedDialogs dialogs;
    EXPECT_FALSE(OfrecerHusoActual(same, dialogs));
    EXPECT_FALSE(OfrecerHusoActual(hand, dialogs));
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(hand.ZoneHours, -1);
}

}  // namespace
}  // namespace natalis
