#include <gtest/gtest.h>

#include "../astro/ScriptedEphemeris.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/Carta.h"
#include "chart/DistribuirGlifos.h"

namespace natalis {
namespace {

NatalRecord Record(float lat) {
    NatalRecord r;
    r.NatalDay = 14;
    r.NatalMonth = 7;
    r.NatalYear = 1985;
    r.NatalHour = 9.5f;
    r.ZoneHours = -2;
    r.LatitudeDeg = lat;
    r.LongitudeDeg = -3.7f;
    return r;
}

// The value gives what the tables of the window's computation give.
TEST(Carta, DefaultOptionsGiveTheTablesOfTheNatalComputation) {
    SwissEphemeris eph;
    ChartTables t;
    CalcularNatal(Record(40.4f), SistemaCasas::Koch, eph, t);
    DistribuirGlifos(t.natal.PlanetaNatal);

    OpcionesCarta o;
    o.casas = SistemaCasas::Koch;
    const Carta c = CalcularCarta(Record(40.4f), o, eph);
    ASSERT_TRUE(c.nacimiento.has_value());
    EXPECT_EQ(c.nacimiento->NatalYear, 1985);
    ASSERT_EQ(c.natal.PlanetaNatal.size(), 13u);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(c.natal.PlanetaNatal[i].Texto, t.natal.PlanetaNatal[i].Texto) << i;
        EXPECT_EQ(c.natal.PlanetaNatal[i].Lon, t.natal.PlanetaNatal[i].Lon) << i;
        EXPECT_EQ(c.natal.PlanetaNatal[i].PosGrafica, t.natal.PlanetaNatal[i].PosGrafica) << i;
    }
    for (int i = 0; i <= 12; ++i)
        EXPECT_EQ(c.natal.CuspideNatal[i].Texto, t.natal.CuspideNatal[i].Texto);
    EXPECT_EQ(c.natal.Casas.sistema, SistemaCasas::Koch);
    EXPECT_EQ(c.Cusp, t.Cusp);
}

// A chart holds the points asked for, in the order asked, each as in the default chart.
TEST(Carta, HoldsThePointsAskedForInTheirOrder) {
    SwissEphemeris eph;
    const Carta full = CalcularCarta(Record(40.4f), OpcionesCarta{}, eph);
    OpcionesCarta o;
    o.puntos = {PuntoPorEtiqueta("PF"), PuntoPorEtiqueta("SOL"), PuntoPorEtiqueta("NOD"), 99};
    const Carta part = CalcularCarta(Record(40.4f), o, eph);
    ASSERT_EQ(part.natal.Puntos.size(), 3u);  // the unknown row 99 is dropped
    ASSERT_EQ(part.natal.PlanetaNatal.size(), 4u);
    EXPECT_EQ(part.natal.PlanetaNatal[1].Texto, full.natal.PlanetaNatal[12].Texto);
    EXPECT_EQ(part.natal.PlanetaNatal[2].Texto, full.natal.PlanetaNatal[1].Texto);
    EXPECT_EQ(part.natal.PlanetaNatal[3].Texto, full.natal.PlanetaNatal[11].Texto);
    EXPECT_EQ(part.natal.PlanetaNatal[1].Texto.rfind("PF ", 0), 0u);
}

// Beyond the polar circle the value says the houses fell back; the system asked for stays.
TEST(Carta, PolarFallbackIsAFlagOfTheResult) {
    SwissEphemeris eph;
    OpcionesCarta o;
    const Carta c = CalcularCarta(Record(70), o, eph);
    EXPECT_EQ(c.natal.Casas.sistema, SistemaCasas::Placido);
    EXPECT_TRUE(c.natal.Casas.respaldoPorfirio);
    EXPECT_EQ(AvisoCasasPorfirio(c.natal.Casas),
              "Aviso: Plácido no tiene sentido a esta latitud; se usan casas de Porfirio.");
}

}  // namespace
}  // namespace natalis
