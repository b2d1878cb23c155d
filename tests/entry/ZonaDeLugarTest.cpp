// The entry form's place from the atlas, over the system's tz database: choosing a place
// fills the boxes and the offset, a change of date or time recomputes it, repeated and
// skipped clock times are put to the user, an offset typed by hand wins, offsets of 14
// hours and of seconds are kept. Expected offsets are the tz database's own (Zone and Rule
// lines quoted beside each case).
#include <gtest/gtest.h>

#include <string>

#include "app/model/HusoActual.h"
#include "entry/AceptarDatos.h"
#include "entry/LlenarFicha.h"
#include "entry/RevisarDatos.h"
#include "entry/ZonaDeLugar.h"
#include "tests/entry/FichaEjemplo.h"

namespace natalis {
namespace {

Place MakePlace(const std::string& name, const std::string& region, const std::string& country,
                double lat, double lon, const std::string& zone) {
    Place p;
    p.name = name, p.region = region, p.country = country;
    p.latitudeDeg = lat, p.longitudeDeg = lon, p.zone = zone;
    return p;
}

const Place kMadrid =
    MakePlace("Madrid", "Comunidad de Madrid", "España", 40.4165, -3.70256, "Europe/Madrid");
const Place kCordobaAr =
    MakePlace("Córdoba", "Córdoba", "Argentina", -31.4135, -64.18105, "America/Argentina/Cordoba");

// The sample form with another date and time.
FichaNatalTextos At(const char* d, const char* m, const char* a, const char* hh, const char* mm,
                    const char* ss = "00") {
    FichaNatalTextos f = FichaBuenosAires();
    f.TextDia = d, f.TextMes = m, f.TextAnno = a;
    f.TextHShs = hh, f.TextHSmin = mm, f.TextHSseg = ss;
    return f;
}

TEST(ZonaDeLugar, ChoosingAPlaceFillsCoordinatesZoneAndLine) {
    // R E 1979 ma - Mar lastSu 2s 1 S: summer time in Spain on 1 July 1990.
    FichaNatalTextos f = At("1", "7", "1990", "12", "00");
    ElegirLugar(f, kMadrid);
    EXPECT_EQ(f.txtLugar, "Madrid, España");  // the whole text has 35 characters
    EXPECT_EQ(f.TextLatGrad, "40");
    EXPECT_EQ(f.TextLatMin, "25");  // 0.4165° = 24.99'
    EXPECT_FALSE(f.LatitudSur);
    EXPECT_EQ(f.TextLonGrad, "003");
    EXPECT_EQ(f.TextLonMin, "42");  // 0.70256° = 42.15'
    EXPECT_TRUE(f.LongitudOeste);
    EXPECT_EQ(f.TextHusoHoras, "+02");
    EXPECT_EQ(f.TextHusoMinutos, "00");
    EXPECT_EQ(f.huso.zona, "Europe/Madrid");
    EXPECT_TRUE(HusoDelAtlasEnVigor(f));
    EXPECT_EQ(LineaHuso(f), "Europe/Madrid · CEST, horario de verano · UT+2");

    FichaNatalTextos south = At("1", "7", "1990", "12", "00");
    ElegirLugar(south, kCordobaAr);
    EXPECT_EQ(south.TextLatGrad, "31");
    EXPECT_EQ(south.TextLatMin, "25");
    EXPECT_TRUE(south.LatitudSur);
    EXPECT_EQ(south.TextLonGrad, "064");
    EXPECT_EQ(south.TextLonMin, "11");
    EXPECT_TRUE(south.LongitudOeste);
    EXPECT_EQ(south.TextHusoHoras, "-03");
    EXPECT_EQ(LineaHuso(south), "America/Argentina/Cordoba · -03, hora normal · UT-3");
}

TEST(ZonaDeLugar, PlaceBoxKeepsWhatFitsThirtyCharacters) {
    EXPECT_EQ(TextoDeLugar(kMadrid), "Madrid, Comunidad de Madrid, España");
    EXPECT_EQ(LugarParaFicha(kMadrid), "Madrid, España");
    EXPECT_EQ(LugarParaFicha(kCordobaAr), "Córdoba, Córdoba, Argentina");
    const Place own =
        MakePlace("Villa del Totoral", "", "", -30.7, -64.07, "America/Argentina/Cordoba");
    EXPECT_EQ(TextoDeLugar(own), "Villa del Totoral");
    const Place longName = MakePlace("San Fernando del Valle de Catamarca", "Catamarca",
                                     "Argentina", -28.47, -65.78, "America/Argentina/Catamarca");
    EXPECT_EQ(LugarParaFicha(longName), "San Fernando del Valle de Catamarca");
}

TEST(ZonaDeLugar, ChangingTheDateOrTimeRecomputes) {
    FichaNatalTextos f = At("1", "7", "1990", "12", "00");
    ElegirLugar(f, kMadrid);
    f.TextMes = "1";
    RecalcularHuso(f);
    EXPECT_EQ(f.TextHusoHoras, "+01");
    EXPECT_EQ(LineaHuso(f), "Europe/Madrid · CET, hora normal · UT+1");
    // An incomplete date empties the boxes and says what is missing.
    f.TextDia = "";
    RecalcularHuso(f);
    EXPECT_EQ(f.TextHusoHoras, "");
    EXPECT_EQ(LineaHuso(f), "Europe/Madrid · falta la fecha o la hora");
    f.TextDia = "15";
    RecalcularHuso(f);
    EXPECT_EQ(f.TextHusoHoras, "+01");
}

TEST(ZonaDeLugar, RepeatedTimeWaitsForTheUsersChoice) {
    // R EU 1981 ma - O lastSu 1u 0 -: London's clocks showed 01:30 twice on 28 10 2012.
    const Place london =
        MakePlace("Londres", "Inglaterra", "Reino Unido", 51.50853, -0.12574, "Europe/London");
    FichaNatalTextos f = At("28", "10", "2012", "01", "30");
    ElegirLugar(f, london);
    EXPECT_EQ(f.huso.estado, EstadoHusoAtlas::Repetida);
    ASSERT_EQ(f.huso.lecturas.size(), 2u);
    EXPECT_EQ(f.huso.lecturas[0].abbreviation, "BST");
    EXPECT_EQ(f.huso.lecturas[1].abbreviation, "GMT");
    EXPECT_EQ(f.TextHusoHoras, "");
    EXPECT_EQ(LineaHuso(f),
              "Europe/London · la hora 01:30:00 se repitió: elija una de las dos lecturas");
    const auto failure = RevisarDatos(f);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->title, "Corregir Huso");
    EXPECT_EQ(failure->focus, EntryField::TextHusoHoras);
    EXPECT_NE(failure->message.find("elija"), std::string::npos);

    ElegirLectura(f, 1);
    EXPECT_EQ(f.TextHusoHoras, "+00");
    EXPECT_EQ(LineaHuso(f), "Europe/London · GMT, hora normal · UT+0");
    // Another second of the same repeated hour keeps the choice.
    f.TextHSseg = "15";
    RecalcularHuso(f);
    EXPECT_EQ(f.huso.elegida, 1);
    EXPECT_EQ(f.TextHusoHoras, "+00");
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_EQ(rec.ZoneHours, 0);
    EXPECT_EQ(rec.ZoneFrom.abbreviation, "GMT");

    ElegirLectura(f, 0);
    EXPECT_EQ(f.TextHusoHoras, "+01");
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_EQ(rec.ZoneHours, -1);
    EXPECT_TRUE(rec.ZoneFrom.summerTime);
}

TEST(ZonaDeLugar, SkippedTimeIsRefusedWithTheGap) {
    // R EU 1981 ma - Mar lastSu 1u 1 S: Madrid's clocks went from 02:00 to 03:00 on 25 3 2012.
    FichaNatalTextos f = At("25", "3", "2012", "02", "30");
    ElegirLugar(f, kMadrid);
    EXPECT_EQ(f.huso.estado, EstadoHusoAtlas::Saltada);
    EXPECT_EQ(f.TextHusoHoras, "");
    const auto failure = RevisarDatos(f);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->title, "Corregir Hora");
    EXPECT_EQ(failure->focus, EntryField::TextHShs);
    EXPECT_EQ(
        failure->message.rfind("La hora 02:30:00 del 25 3 2012 no existe en Europe/Madrid", 0), 0u);
    EXPECT_EQ(LineaHuso(f), "Europe/Madrid · " + failure->message);
    // The hour after the change has its reading.
    f.TextHShs = "03";
    RecalcularHuso(f);
    EXPECT_EQ(f.TextHusoHoras, "+02");
    EXPECT_FALSE(RevisarDatos(f));
}

TEST(ZonaDeLugar, OffsetTypedByHandWins) {
    FichaNatalTextos f = At("1", "7", "1990", "12", "00");
    ElegirLugar(f, kMadrid);
    f.TextHusoHoras = "+03";
    EXPECT_FALSE(HusoDelAtlasEnVigor(f));
    EXPECT_EQ(LineaHuso(f), "escrito a mano");
    f.TextMes = "1";
    RecalcularHuso(f);  // a typed offset is not overwritten
    EXPECT_EQ(f.TextHusoHoras, "+03");
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_EQ(rec.ZoneHours, -3);
    EXPECT_FALSE(rec.ZoneFrom.FromDatabase());
    // Choosing the place again gives the atlas back.
    ElegirLugar(f, kMadrid);
    EXPECT_EQ(f.TextHusoHoras, "+01");
    // Even a skipped time does not stop an offset typed by hand.
    FichaNatalTextos gap = At("25", "3", "2012", "02", "30");
    ElegirLugar(gap, kMadrid);
    gap.TextHusoHoras = "+01";
    EXPECT_FALSE(RevisarDatos(gap));
}

TEST(ZonaDeLugar, FormWithoutAtlasChecksAsBefore) {
    const FichaNatalTextos f = FichaBuenosAires();
    EXPECT_EQ(LineaHuso(f), "escrito a mano");
    EXPECT_FALSE(RevisarDatos(f));
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_EQ(rec.ZoneHours, 3);
    EXPECT_FALSE(rec.ZoneFrom.FromDatabase());
}

TEST(ZonaDeLugar, FourteenHoursFromTheDatabasePass) {
    // Z Pacific/Kiritimati ... 14 - +14 (since 1994 D 31).
    const Place kiritimati =
        MakePlace("Kiritimati", "", "Kiribati", 1.87, -157.4, "Pacific/Kiritimati");
    FichaNatalTextos f = At("1", "1", "2000", "12", "00");
    ElegirLugar(f, kiritimati);
    EXPECT_EQ(f.TextHusoHoras, "+14");
    EXPECT_TRUE(f.LongitudOeste);
    EXPECT_FALSE(RevisarDatos(f));
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_EQ(rec.ZoneHours, -14);
    // Typed by hand, the form's limit stays.
    f.TextHusoMinutos = "01";
    const auto failure = RevisarDatos(f);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, "La mayor diferencia horaria es 12hs");
}

TEST(ZonaDeLugar, SecondsOfTheOffsetAreKept) {
    // Z Europe/Amsterdam ... 0:19:32 N %s 1937 Jul; R N 1933 1935: summer +1 (NST).
    const Place amsterdam = MakePlace("Ámsterdam", "Holanda Septentrional", "Países Bajos",
                                      52.37403, 4.88969, "Europe/Amsterdam");
    FichaNatalTextos f = At("15", "7", "1935", "12", "00");
    ElegirLugar(f, amsterdam);
    EXPECT_EQ(f.TextHusoHoras, "+01");
    EXPECT_EQ(f.TextHusoMinutos, "20");
    EXPECT_EQ(LineaHuso(f), "Europe/Amsterdam · NST, horario de verano · UT+1:19:32");
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_EQ(rec.ZoneFrom.offsetSeconds, 4772);
    EXPECT_EQ(rec.ZoneHours, static_cast<float>(-4772 / 3600.0));
    EXPECT_EQ(rec.ZoneFrom.tzdataVersion, TzdataVersion());
}

TEST(ZonaDeLugar, LocalMeanTimeOfTheBoxesLongitude) {
    // Z Europe/Madrid -0:14:44 - LMT 1901 Ja 1 0u: before it, the place's own mean time;
    // Córdoba (Spain) at 4°46' W: 4.7667 / 15 h = 19 min 4 s behind UT.
    const Place cordoba =
        MakePlace("Córdoba", "Andalucía", "España", 37.89155, -4.77275, "Europe/Madrid");
    FichaNatalTextos f = At("1", "1", "1880", "12", "00");
    ElegirLugar(f, cordoba);
    EXPECT_EQ(f.TextLonMin, "46");
    EXPECT_EQ(f.TextHusoHoras, "-00");
    EXPECT_EQ(f.TextHusoMinutos, "19");
    EXPECT_EQ(LineaHuso(f), "Europe/Madrid · LMT, hora media local · UT-0:19:04");
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    EXPECT_TRUE(rec.ZoneFrom.localMeanTime);
    EXPECT_EQ(rec.ZoneFrom.offsetSeconds, -1144);
}

TEST(ZonaDeLugar, FichaNatalRemembersTheChartsSource) {
    FichaNatalTextos f = At("1", "7", "1990", "12", "00");
    ElegirLugar(f, kMadrid);
    NatalRecord rec;
    ChartFlags flags;
    ASSERT_FALSE(AceptarDatos(f, rec, flags));
    FichaNatalTextos again = LlenarFicha(rec);
    EXPECT_EQ(again.TextHusoHoras, "+02");
    EXPECT_TRUE(HusoDelAtlasEnVigor(again));
    EXPECT_EQ(LineaHuso(again), "Europe/Madrid · CEST, horario de verano · UT+2");
    again.TextMes = "12";
    RecalcularHuso(again);
    EXPECT_EQ(again.TextHusoHoras, "+01");

    NatalRecord hand;
    ASSERT_FALSE(AceptarDatos(FichaBuenosAires(), hand, flags));
    EXPECT_EQ(LineaHuso(LlenarFicha(hand)), "escrito a mano");
}

TEST(ZonaDeLugar, TypedPlaceForTheUsersPlaces) {
    FichaNatalTextos f = FichaBuenosAires();
    f.txtLugar = "  Villa Elisa ";
    const Place p = LugarDeFicha(f, "America/Argentina/Buenos_Aires");
    EXPECT_EQ(p.name, "Villa Elisa");
    EXPECT_NEAR(p.latitudeDeg, -34.6, 1e-9);
    EXPECT_NEAR(p.longitudeDeg, -58.45, 1e-9);
    EXPECT_EQ(p.zone, "America/Argentina/Buenos_Aires");
    EXPECT_TRUE(p.userPlace);
}

}  // namespace
}  // namespace natalis
