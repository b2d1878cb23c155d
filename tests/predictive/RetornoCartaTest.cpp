#include <gtest/gtest.h>

#include <cmath>

#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"
#include "astro/SwissEphemeris.h"
#include "astro/Zodiaco.h"
#include "predictive/RetornoCarta.h"

namespace natalis {
namespace {

NatalRecord Nacimiento() {
    NatalRecord r;
    r.NatalName = "Ana";
    r.NatalDay = 14;
    r.NatalMonth = 7;
    r.NatalYear = 1985;
    r.NatalHour = 9.5f;
    r.ZoneHours = -2;
    r.LatitudeDeg = 40.4168f;
    r.LongitudeDeg = -3.7038f;
    r.Place = "Madrid";
    return r;
}

// Longitude of a body at jd straight from the ephemeris, in double precision.
double Longitud(Ephemeris& eph, int cuerpo, double jd) {
    double buf[7] = {};
    PosicionZodiacal(eph, jd, cuerpo, Zodiaco::Tropical, buf);
    return buf[0];
}

// The natal computation of the instant jd at (lat, lon) typed by hand in universal time.
Carta NatalDelInstante(double jd, double lat, double lon, Ephemeris& eph) {
    const double jd0 = std::floor(jd - 0.5) + 0.5;
    const InstanteCivil c = InstanteDeJD(jd0);
    NatalRecord r;
    r.NatalDay = static_cast<int16_t>(c.dia);
    r.NatalMonth = static_cast<int16_t>(c.mes);
    r.NatalYear = static_cast<int16_t>(c.anio);
    r.NatalHour = static_cast<float>((jd - jd0) * 24);
    r.LatitudeDeg = static_cast<float>(lat);
    r.LongitudeDeg = static_cast<float>(lon);
    return CalcularCarta(r, OpcionesCarta{}, eph);
}

struct Lugar {
    const char* zona;  // "" keeps the birth's offset
    double lat, lon;
};

// Solar and lunar returns at the birth place and at two atlas places (coordinates from
// GeoNames): the luminary within 0.1" of its natal longitude, the angles those of a natal
// chart typed by hand for the instant and place, the clock time that of the place's zone.
TEST(RetornoCarta, LuminaryReturnsAndAnglesEqualANatalChartOfTheInstant) {
    SwissEphemeris eph;
    const Carta natal = CalcularCarta(Nacimiento(), OpcionesCarta{}, eph);
    const Lugar lugares[] = {
        {"", 40.4168, -3.7038},
        {"America/Mexico_City", 19.4326, -99.1332},
        {"Asia/Kolkata", 22.5726, 88.3639},
    };
    for (TipoRetorno tipo : {TipoRetorno::Solar, TipoRetorno::Lunar}) {
        for (const Lugar& l : lugares) {
            LugarCarta lugar = LugarNatal(natal.nacimiento.value());
            if (*l.zona) {
                Place p;
                p.name = "Otro";
                p.latitudeDeg = l.lat;
                p.longitudeDeg = l.lon;
                p.zone = l.zona;
                lugar = LugarDeAtlas(p);
            }
            const CartaRetornoResultado r =
                CalcularCartaRetorno(tipo, natal, JulDay(1, 3, 2026), lugar, eph);
            ASSERT_TRUE(r.ok) << r.mensaje;
            const int cuerpo = tipo == TipoRetorno::Solar ? 0 : 1;
            const Carta& c = r.carta;
            EXPECT_EQ(c.tipo, tipo == TipoRetorno::Solar ? TipoCarta::RetornoSolar
                                                         : TipoCarta::RetornoLunar);
            EXPECT_LT(std::fabs(Reducir180(Longitud(eph, cuerpo, c.natal.NatalJD) -
                                           natal.natal.PlanetaNatal[cuerpo + 1].Lon)) *
                          3600,
                      0.1);
            EXPECT_GE(r.jd, JulDay(1, 3, 2026));
            const Carta n = NatalDelInstante(r.jd, l.lat, l.lon, eph);
            for (int k : {1, 10}) {
                EXPECT_LT(std::fabs(Reducir180(c.natal.CuspideNatal[k].Lon -
                                               n.natal.CuspideNatal[k].Lon)) *
                              3600,
                          1.0)
                    << k;
            }
            ASSERT_TRUE(c.nacimiento.has_value());
            if (*l.zona) {
                // Mexico City kept no summer time in 2026; Kolkata is 5 h 30 min ahead.
                EXPECT_EQ(c.nacimiento->ZoneHours,
                          std::string(l.zona) == "Asia/Kolkata" ? -5.5f : 6.0f);
            } else {
                EXPECT_EQ(c.nacimiento->ZoneHours, -2.0f);
            }
        }
    }
}

// The next and the previous return are one period away, in either direction.
TEST(RetornoCarta, NextAndPreviousReturns) {
    SwissEphemeris eph;
    const Carta natal = CalcularCarta(Nacimiento(), OpcionesCarta{}, eph);
    const LugarCarta lugar = LugarNatal(*natal.nacimiento);
    struct Caso {
        TipoRetorno tipo;
        double periodo, margen;
    };
    for (const Caso& k :
         {Caso{TipoRetorno::Solar, 365.2422, 0.1}, Caso{TipoRetorno::Lunar, 27.3216, 0.6}}) {
        const CartaRetornoResultado r =
            CalcularCartaRetorno(k.tipo, natal, JulDay(1, 3, 2026), lugar, eph);
        ASSERT_TRUE(r.ok);
        const CartaRetornoResultado sig = RetornoVecino(k.tipo, natal, r.jd, true, lugar, eph);
        const CartaRetornoResultado ant = RetornoVecino(k.tipo, natal, r.jd, false, lugar, eph);
        ASSERT_TRUE(sig.ok && ant.ok);
        EXPECT_NEAR(sig.jd - r.jd, k.periodo, k.margen);
        EXPECT_NEAR(r.jd - ant.jd, k.periodo, k.margen);
        EXPECT_NEAR(RetornoVecino(k.tipo, natal, sig.jd, false, lugar, eph).jd, r.jd, 1e-6);
    }
}

// A place whose zone the database does not know gives no chart and a reason.
TEST(RetornoCarta, UnknownZoneIsRefused) {
    SwissEphemeris eph;
    const Carta natal = CalcularCarta(Nacimiento(), OpcionesCarta{}, eph);
    LugarCarta lugar;
    lugar.zona = "Nowhere/Atlantis";
    const CartaRetornoResultado r =
        CalcularCartaRetorno(TipoRetorno::Solar, natal, JulDay(1, 3, 2026), lugar, eph);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.mensaje.empty());
}

// The chart of a moment: the record's clock time is the zone's at that instant, and the chart
// is the natal computation of that instant and place. 1 July 2026 12:00 UT is 14:00 in Madrid
// (summer time, tz database).
TEST(RetornoCarta, ChartOfTheMoment) {
    SwissEphemeris eph;
    Place madrid;
    madrid.name = "Madrid";
    madrid.latitudeDeg = 40.4168;
    madrid.longitudeDeg = -3.7038;
    madrid.zone = "Europe/Madrid";
    std::string error;
    const double jd = JulDay(1, 7, 2026) + 0.5;
    const auto c = CalcularCartaAhora(jd, LugarDeAtlas(madrid), OpcionesCarta{}, eph, error);
    ASSERT_TRUE(c.has_value()) << error;
    EXPECT_EQ(c->tipo, TipoCarta::Ahora);
    EXPECT_EQ(c->nacimiento->TimeText, "14:00:00");
    EXPECT_EQ(c->nacimiento->ZoneHours, -2.0f);
    EXPECT_NEAR(c->natal.NatalJD, jd, 1e-6);
    const Carta n = NatalDelInstante(jd, 40.4168, -3.7038, eph);
    for (int k = 1; k <= 12; ++k)
        EXPECT_NEAR(Reducir180(c->natal.PlanetaNatal[k].Lon - n.natal.PlanetaNatal[k].Lon), 0,
                    1e-4);
}

}  // namespace
}  // namespace natalis
