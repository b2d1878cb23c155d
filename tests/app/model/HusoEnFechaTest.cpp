// A chart's zone at other moments than its birth: offsets from the tz database (checked
// against Howard Hinnant's date/tz reading of the same database, and zdump's listing).
#include <date/tz.h>
#include <gtest/gtest.h>

#include <chrono>

#include "app/model/HusoActual.h"
#include "app/model/HusoEnFecha.h"
#include "astro/Calendar.h"

namespace natalis {
namespace {

constexpr double kJulianDayOfEpoch = 2440587.5;  // 1970-01-01 0 h UT

// A chart born in zone at the given offset (as its zone source line keeps it).
NatalRecord Carta(const std::string& zone, long offsetSeconds, const std::string& abbrev,
                  bool summer, int d, int m, int y, double hora, float lonEastDeg) {
    NatalRecord rec;
    rec.NatalDay = static_cast<int16_t>(d);
    rec.NatalMonth = static_cast<int16_t>(m);
    rec.NatalYear = static_cast<int16_t>(y);
    rec.NatalHour = static_cast<float>(hora);
    rec.LongitudeDeg = lonEastDeg;
    ActualizarHuso(rec, ZoneSource{zone, offsetSeconds, abbrev, summer, false, ""});
    return rec;
}

NatalRecord BuenosAires1974() {
    // zdump: 23 Jan 1974 to 1 May 1974 -02 (isdst=1), before and after -03.
    return Carta("America/Argentina/Buenos_Aires", -7200, "-02", true, 1, 2, 1974, 12, -58.45f);
}

// The offset in seconds date/tz gives for the universal instant jdUT.
long OffsetAt(const std::string& zone, double jdUT) {
    const auto seconds = std::chrono::seconds(std::llround((jdUT - kJulianDayOfEpoch) * 86400));
    return static_cast<long>(
        date::locate_zone(zone)->get_info(date::sys_seconds{seconds}).offset.count());
}

TEST(HusoDeHoraLocal, ReadsATypedClockTimeWithTheZoneOfThatDate) {
    const NatalRecord rec = BuenosAires1974();
    struct Row {
        int d, m, y;
        double hora;
        long offset;  // zdump's gmtoff for that clock time
        const char* linea;
    };
    const Row rows[] = {
        {15, 7, 1974, 12, -10800,
         "Huso:  America/Argentina/Buenos_Aires · -03, hora normal · UT-3"},
        {1, 3, 1974, 12, -7200,
         "Huso:  America/Argentina/Buenos_Aires · -02, horario de verano · UT-2"},
        {15, 1, 2008, 12, -7200,
         "Huso:  America/Argentina/Buenos_Aires · -02, horario de verano · UT-2"},
    };
    for (const Row& r : rows) {
        const double local = JulDay(r.d, r.m, r.y) + r.hora / 24;
        const HusoEnFecha h = HusoDeHoraLocal(rec, local);
        ASSERT_TRUE(h.fuente) << r.d << " " << r.m << " " << r.y;
        EXPECT_EQ(h.fuente->offsetSeconds, r.offset);
        EXPECT_DOUBLE_EQ(h.zoneHours, -r.offset / 3600.0);
        // The same instant through date/tz directly.
        EXPECT_EQ(OffsetAt(rec.ZoneFrom.zone, local + h.zoneHours / 24), r.offset);
        EXPECT_EQ(LineaHusoUsado(h), r.linea);
    }
}

TEST(HusoDeHoraLocal, RepeatedAndSkippedClockTimesSayWhichReadingWasTaken) {
    const NatalRecord rec = Carta("Europe/Madrid", 7200, "CEST", true, 15, 7, 2024, 12, -3.7f);
    // 27 Oct 2024 02:30 happened twice (CEST, then CET): the first is taken.
    const HusoEnFecha repetida = HusoDeHoraLocal(rec, JulDay(27, 10, 2024) + 2.5 / 24);
    ASSERT_TRUE(repetida.fuente);
    EXPECT_EQ(repetida.fuente->offsetSeconds, 7200);
    EXPECT_NE(repetida.nota.find("se repitió"), std::string::npos);
    // 31 Mar 2024 02:30 never happened: read with CET, the offset before the change.
    const HusoEnFecha saltada = HusoDeHoraLocal(rec, JulDay(31, 3, 2024) + 2.5 / 24);
    ASSERT_TRUE(saltada.fuente);
    EXPECT_EQ(saltada.fuente->offsetSeconds, 3600);
    EXPECT_EQ(saltada.fuente->abbreviation, "CET");
    EXPECT_NE(LineaHusoUsado(saltada).find("no existió"), std::string::npos);
}

TEST(HusoDeHoraLocal, AChartWithoutAZoneKeepsItsOwnOffset) {
    NatalRecord rec;
    rec.ZoneHours = 3;
    const HusoEnFecha h = HusoDeHoraLocal(rec, JulDay(15, 7, 1974) + 0.5);
    EXPECT_FALSE(h.fuente);
    EXPECT_DOUBLE_EQ(h.zoneHours, 3);
    EXPECT_EQ(LineaHusoUsado(h), "");
    EXPECT_DOUBLE_EQ(HusoDeInstante(rec, JulDay(15, 7, 1974)).zoneHours, 3);
}

TEST(HusoDeHoraLocal, AZoneTheDatabaseDoesNotKnowFallsBackAndSaysWhy) {
    NatalRecord rec = BuenosAires1974();
    rec.ZoneFrom.zone = "Marte/Olimpo";
    const HusoEnFecha h = HusoDeHoraLocal(rec, JulDay(15, 7, 1974) + 0.5);
    EXPECT_FALSE(h.fuente);
    EXPECT_FLOAT_EQ(static_cast<float>(h.zoneHours), rec.ZoneHours);
    EXPECT_EQ(LineaHusoUsado(h),
              "Huso:  UT-2 (se usó el huso de la carta: La zona «Marte/Olimpo» no está en la "
              "base de datos de husos horarios.)");
}

TEST(HusoDeInstante, AgreesWithTheDatabaseOverAYear) {
    const NatalRecord rec = Carta("Europe/Madrid", 7200, "CEST", true, 15, 7, 2024, 12, -3.7f);
    // Every 6 hours of 2024, through both changes.
    for (double jd = JulDay(1, 1, 2024); jd < JulDay(1, 1, 2025); jd += 0.25) {
        const HusoEnFecha h = HusoDeInstante(rec, jd);
        ASSERT_TRUE(h.fuente);
        ASSERT_EQ(h.fuente->offsetSeconds, OffsetAt("Europe/Madrid", jd)) << jd;
    }
}

TEST(CambiarHoraNatal, TheNewHourTakesItsOwnOffset) {
    // Born 27 Oct 2024 at 02:30 CEST; the hour changed to 04:00 is after the change: CET.
    NatalRecord rec = Carta("Europe/Madrid", 7200, "CEST", true, 27, 10, 2024, 2.5, -3.7f);
    const HusoEnFecha h = CambiarHoraNatal(rec, 4.0);
    EXPECT_FLOAT_EQ(rec.NatalHour, 4.0f);
    ASSERT_TRUE(h.fuente);
    EXPECT_EQ(rec.ZoneFrom.offsetSeconds, 3600);
    EXPECT_EQ(rec.ZoneFrom.abbreviation, "CET");
    EXPECT_FALSE(rec.ZoneFrom.summerTime);
    EXPECT_FLOAT_EQ(rec.ZoneHours, -1.0f);
    EXPECT_EQ(rec.ZoneSign, "+");
    EXPECT_EQ(rec.ZoneHourText, "01");
    // Universal time of the new birth: 03:00, as date/tz has 04:00 CET.
    const double jdUT = JulDay(27, 10, 2024) + (rec.NatalHour + rec.ZoneHours) / 24;
    EXPECT_EQ(OffsetAt("Europe/Madrid", jdUT), 3600);

    // Without a zone only the hour changes.
    NatalRecord manual;
    manual.ZoneHours = -2;
    CambiarHoraNatal(manual, 4.0);
    EXPECT_FLOAT_EQ(manual.NatalHour, 4.0f);
    EXPECT_FLOAT_EQ(manual.ZoneHours, -2.0f);
}

}  // namespace
}  // namespace natalis
