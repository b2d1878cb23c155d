#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PredictiveFixture.h"
#include "astro/AngleMath.h"
#include "chart/Aspects.h"
#include "predictive/BusquedaPeriodo.h"

namespace natalis {
namespace {

constexpr double kT0 = 2460310.5;  // 1 January 2024, 0 h UT
constexpr double kPi2 = 6.283185307179586;

// A point at lon0 + c (t - t0) + a sin(2 pi (t - t0) / periodo) degrees, with its exact rate:
// with a 2 pi / periodo > c it loops backwards once a period.
PuntoMovil Senoidal(double lon0, double c, double a, double periodo, double paso = 1) {
    PuntoMovil p;
    p.punto = 1;
    p.pasoDias = paso;
    p.posicion = [=](double t) {
        const double x = kPi2 * (t - kT0) / periodo;
        double lon = std::fmod(lon0 + c * (t - kT0) + a * std::sin(x), 360.0);
        if (lon < 0) lon += 360;
        return PosicionMovil{lon, c + a * kPi2 / periodo * std::cos(x)};
    };
    return p;
}

double Lon(PuntoMovil& p, double t) { return p.posicion(t).lonDeg; }

// Natal tables with every one of the sixteen points at lon[1..16].
NatalTables Natales(std::array<float, 17> lon) { return testing::NatalesFijas(lon); }

// Sixteen natal points spread so that their aspect places do not coincide.
std::array<float, 17> Repartidos() {
    std::array<float, 17> lon{};
    for (int n = 1; n <= 16; ++n) lon[n] = MODg(7.3 + 22.1 * n);
    return lon;
}

std::vector<AspectoPeriodo> De(const std::vector<AspectoPeriodo>& todos, int natal, int k) {
    std::vector<AspectoPeriodo> r;
    for (const AspectoPeriodo& a : todos) {
        if (a.natal == natal && a.aspecto == k) r.push_back(a);
    }
    return r;
}

std::vector<AspectoPeriodo> Buscar(PuntoMovil p, const NatalTables& natal, double desde,
                                   double hasta, double orbe) {
    std::vector<PuntoMovil> moviles = {std::move(p)};
    return BuscarAspectosPeriodo(moviles, natal, desde, hasta, orbe);
}

// The hits of a point moving uniformly at c degrees a day, worked out by hand: exact where
// lon0 + c t reaches natal +- angle, within orb for orbe / c days on either side.
std::vector<AspectoPeriodo> Uniformes(double lon0, double c, const std::array<float, 17>& lon,
                                      double desde, double hasta, double orbe) {
    std::vector<AspectoPeriodo> r;
    const double estancia = orbe / c;
    for (int n = 1; n <= 16; ++n) {
        for (int k = 0; k < kNumAspectos; ++k) {
            const int a = TablaAspectos[k].Angulo;
            std::vector<double> lugares = {lon[n] + static_cast<double>(a)};
            if (a != 0 && a != 180) lugares.push_back(lon[n] - static_cast<double>(a));
            for (double lugar : lugares) {
                // First turn whose stay can reach the period, then every later one.
                double t = kT0 + Reducir180(lugar - lon0) / c;
                t -= 360.0 / c * std::ceil((t - (desde - estancia)) / (360.0 / c));
                for (; t - estancia <= hasta; t += 360.0 / c) {
                    if (t + estancia < desde) continue;
                    AspectoPeriodo h;
                    h.natal = n;
                    h.aspecto = k;
                    h.jdExacto = t;
                    h.jdEntrada = t - estancia;
                    h.jdSalida = t + estancia;
                    r.push_back(h);
                }
            }
        }
    }
    std::sort(r.begin(), r.end(), [](const AspectoPeriodo& a, const AspectoPeriodo& b) {
        return a.jdExacto < b.jdExacto;
    });
    return r;
}

void MismosAspectos(const std::vector<AspectoPeriodo>& hallados,
                    const std::vector<AspectoPeriodo>& esperados, double tolDias) {
    ASSERT_EQ(hallados.size(), esperados.size());
    for (size_t i = 0; i < esperados.size(); ++i) {
        SCOPED_TRACE("aspecto " + std::to_string(i));
        EXPECT_EQ(hallados[i].natal, esperados[i].natal);
        EXPECT_EQ(hallados[i].aspecto, esperados[i].aspecto);
        EXPECT_NEAR(hallados[i].jdExacto, esperados[i].jdExacto, tolDias);
        ASSERT_TRUE(hallados[i].jdEntrada && hallados[i].jdSalida);
        EXPECT_NEAR(*hallados[i].jdEntrada, *esperados[i].jdEntrada, tolDias);
        EXPECT_NEAR(*hallados[i].jdSalida, *esperados[i].jdSalida, tolDias);
    }
}

TEST(BuscarAspectosPeriodo, UniformMotionGivesEveryAspectWithItsOrbInstants) {
    // A Moon-like point, 13 degrees a day, over a month: every aspect place is passed about
    // once; exact and orb instants follow from the speed alone.
    const std::array<float, 17> lon = Repartidos();
    const double desde = kT0, hasta = kT0 + 30;
    const auto hallados = Buscar(Senoidal(100, 13, 0, 1), Natales(lon), desde, hasta, 1);
    MismosAspectos(hallados, Uniformes(100, 13, lon, desde, hasta, 1), 1e-6);
    // 390 degrees of motion pass each of the 256 aspect places at least once.
    EXPECT_GE(hallados.size(), 256u);
}

TEST(BuscarAspectosPeriodo, SlowPointStaysAreFollowedBeyondThePeriod) {
    // 0.01 degrees a day: each stay within a 1.5 degree orb lasts 300 days, far beyond a
    // ten-day period; the hits show their real entering and leaving instants, before and after
    // the period, and the hits exact outside the period whose stays overlap it are listed.
    const std::array<float, 17> lon = Repartidos();
    const double desde = kT0 + 1000, hasta = kT0 + 1010;
    const auto hallados = Buscar(Senoidal(3, 0.01, 0, 1, 4), Natales(lon), desde, hasta, 1.5);
    const auto esperados = Uniformes(3, 0.01, lon, desde, hasta, 1.5);
    MismosAspectos(hallados, esperados, 1e-5);
    ASSERT_FALSE(esperados.empty());
    EXPECT_TRUE(std::any_of(esperados.begin(), esperados.end(),
                            [&](const AspectoPeriodo& a) { return a.jdExacto < desde; }));
    EXPECT_TRUE(std::any_of(esperados.begin(), esperados.end(),
                            [&](const AspectoPeriodo& a) { return a.jdExacto > hasta; }));
}

TEST(BuscarAspectosPeriodo, AspectWithinOrbAtThePeriodsStartShowsItsEnteringInstant) {
    // Natal Sun at 20: a point at 1 degree a day from 10 at t0 is exact on day 10, within the
    // 1 degree orb from day 9 to day 11; a period from day 10.5 still lists it.
    std::array<float, 17> lon = Repartidos();
    lon[1] = 20;
    const auto hallados =
        De(Buscar(Senoidal(10, 1, 0, 1), Natales(lon), kT0 + 10.5, kT0 + 12, 1), 1, 1);
    ASSERT_EQ(hallados.size(), 1u);
    EXPECT_NEAR(hallados[0].jdExacto, kT0 + 10, 1e-6);
    EXPECT_NEAR(*hallados[0].jdEntrada, kT0 + 9, 1e-6);
    EXPECT_NEAR(*hallados[0].jdSalida, kT0 + 11, 1e-6);
}

TEST(BuscarAspectosPeriodo, StayMustOverlapThePeriod) {
    // Exact on day 10, within orb from day 9 to day 11 (as above).
    std::array<float, 17> lon = Repartidos();
    lon[1] = 20;
    const NatalTables natal = Natales(lon);
    const struct {
        double desde, hasta;
        size_t hits;
    } casos[] = {
        {kT0 + 8.9, kT0 + 8.99, 0},  // ends before the stay begins
        {kT0 + 8.9, kT0 + 9.01, 1},  // ends just after it enters
        {kT0 + 10.99, kT0 + 12, 1},  // starts just before it leaves
        {kT0 + 11.01, kT0 + 12, 0},  // starts after it left
        {kT0 + 9.5, kT0 + 9.6, 1},   // lies within the stay, before the exact instant
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.desde - kT0);
        EXPECT_EQ(De(Buscar(Senoidal(10, 1, 0, 1), natal, c.desde, c.hasta, 1), 1, 1).size(),
                  c.hits);
    }
}

TEST(BuscarAspectosPeriodo, AspectAcrossZeroAriesIsFound) {
    // Natal Sun at 359.5; the point passes 0 Aries going forwards on day 1.
    std::array<float, 17> lon = Repartidos();
    lon[1] = 359.5f;
    const auto hallados = De(Buscar(Senoidal(358.5, 1, 0, 1), Natales(lon), kT0, kT0 + 3, 1), 1, 1);
    ASSERT_EQ(hallados.size(), 1u);
    EXPECT_NEAR(hallados[0].jdExacto, kT0 + 1, 1e-6);
    EXPECT_NEAR(*hallados[0].jdEntrada, kT0, 1e-6);
    EXPECT_NEAR(*hallados[0].jdSalida, kT0 + 2, 1e-6);
}

// A looping point: 0.2 degrees a day plus a 5 degree swing of period 40 days, so that it
// moves backwards for part of each period. Its stations, where the rate
// 0.2 + 5 (2 pi / 40) cos(2 pi t / 40) is zero, and the longitude there.
struct Bucle {
    double c = 0.2, a = 5, periodo = 40, lon0 = 100;
    double EstacionRetrograda() const {  // first turn from forwards to backwards
        return kT0 + std::acos(-c / (a * kPi2 / periodo)) * periodo / kPi2;
    }
    double EstacionDirecta() const {
        return kT0 + (kPi2 - std::acos(-c / (a * kPi2 / periodo))) * periodo / kPi2;
    }
    double LonEn(double t) const {
        return lon0 + c * (t - kT0) + a * std::sin(kPi2 * (t - kT0) / periodo);
    }
    PuntoMovil Punto() const { return Senoidal(lon0, c, a, periodo); }
};

TEST(BuscarAspectosPeriodo, RetrogradeLoopGivesThreeExactPassesSharingOneStay) {
    // A natal point midway between the two stations' longitudes, with an orb wider than half
    // the loop: the point passes it forwards, backwards and forwards again without leaving
    // the orb.
    const Bucle b;
    const double alto = b.LonEn(b.EstacionRetrograda()), bajo = b.LonEn(b.EstacionDirecta());
    std::array<float, 17> lon = Repartidos();
    lon[2] = static_cast<float>(0.5 * (alto + bajo));
    const double orbe = 0.5 * (alto - bajo) + 0.5;
    ASSERT_LT(orbe, kOrbeMaximoPeriodo);
    PuntoMovil p = b.Punto();
    const auto hallados = De(Buscar(b.Punto(), Natales(lon), kT0, kT0 + 40, orbe), 2, 1);
    ASSERT_EQ(hallados.size(), 3u);
    for (const AspectoPeriodo& h : hallados) {
        EXPECT_NEAR(Reducir180(Lon(p, h.jdExacto) - lon[2]), 0, 1e-6);
        EXPECT_EQ(h.jdEntrada, hallados[0].jdEntrada);
        EXPECT_EQ(h.jdSalida, hallados[0].jdSalida);
    }
    EXPECT_LT(hallados[0].jdExacto, b.EstacionRetrograda());
    EXPECT_GT(hallados[1].jdExacto, b.EstacionRetrograda());
    EXPECT_LT(hallados[1].jdExacto, b.EstacionDirecta());
    EXPECT_GT(hallados[2].jdExacto, b.EstacionDirecta());
    // Entering and leaving are where the separation equals the orb.
    EXPECT_NEAR(std::fabs(Reducir180(Lon(p, *hallados[0].jdEntrada) - lon[2])), orbe, 1e-6);
    EXPECT_NEAR(std::fabs(Reducir180(Lon(p, *hallados[0].jdSalida) - lon[2])), orbe, 1e-6);
}

TEST(BuscarAspectosPeriodo, NarrowOrbSplitsTheLoopIntoStaysOfTheirOwn) {
    // The same loop with a 0.5 degree orb: each pass enters and leaves the orb on its own.
    const Bucle b;
    const double alto = b.LonEn(b.EstacionRetrograda()), bajo = b.LonEn(b.EstacionDirecta());
    std::array<float, 17> lon = Repartidos();
    lon[2] = static_cast<float>(0.5 * (alto + bajo));
    const auto hallados = De(Buscar(b.Punto(), Natales(lon), kT0, kT0 + 40, 0.5), 2, 1);
    ASSERT_EQ(hallados.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_LT(*hallados[i].jdEntrada, hallados[i].jdExacto);
        EXPECT_GT(*hallados[i].jdSalida, hallados[i].jdExacto);
        if (i > 0) {
            EXPECT_LT(*hallados[i - 1].jdSalida, *hallados[i].jdEntrada);
        }
    }
}

TEST(BuscarAspectosPeriodo, StationJustBeyondTheExactPlaceGivesTwoPassesMinutesApart) {
    // The station overshoots the natal point by a millionth of a degree: the two passes lie
    // a few minutes apart, inside one sampling step, where the separation's sign is the same
    // at every sample; both are found, each exact.
    const Bucle b;
    const double ts = b.EstacionRetrograda();
    std::array<float, 17> lon = Repartidos();
    const double lugar = b.LonEn(ts) - 1e-6;
    // A natal point is single precision: put it at a float and move the loop onto it.
    lon[2] = static_cast<float>(lugar);
    Bucle movido = b;
    movido.lon0 += lon[2] - lugar;
    PuntoMovil p = movido.Punto();
    // The station falls between two samples, 0.3 days after one of them.
    const auto hallados = De(Buscar(movido.Punto(), Natales(lon), ts - 10.3, ts + 9.7, 1), 2, 1);
    ASSERT_EQ(hallados.size(), 2u);
    EXPECT_LT(hallados[0].jdExacto, ts);
    EXPECT_GT(hallados[1].jdExacto, ts);
    EXPECT_LT(hallados[1].jdExacto - hallados[0].jdExacto, 0.01);  // under 15 minutes
    for (const AspectoPeriodo& h : hallados) {
        EXPECT_NEAR(Reducir180(Lon(p, h.jdExacto) - lon[2]), 0, 1e-8);
    }
}

TEST(BuscarAspectosPeriodo, StationShortOfTheExactPlaceGivesNoHit) {
    // The station stops a millionth of a degree before the natal point: within orb, never
    // exact, so nothing is listed for that aspect.
    const Bucle b;
    const double ts = b.EstacionRetrograda();
    std::array<float, 17> lon = Repartidos();
    const double lugar = b.LonEn(ts) + 1e-6;
    lon[2] = static_cast<float>(lugar);
    Bucle movido = b;
    movido.lon0 += lon[2] - lugar;
    EXPECT_TRUE(De(Buscar(movido.Punto(), Natales(lon), ts - 10.3, ts + 9.7, 1), 2, 1).empty());
}

TEST(BuscarAspectosPeriodo, StayLongerThanTheReachLeavesItsEndsUnknown) {
    // A point that barely moves, a hundred-thousandth of a degree a day, exact on the period's
    // middle day: within a 1 degree orb for 274 years either side, beyond the search's reach.
    constexpr double kVel = 1e-5;
    ASSERT_GT(1 / kVel, kAlcanceMaximoDias);
    std::array<float, 17> lon = Repartidos();
    lon[1] = 200;
    const auto hallados =
        De(Buscar(Senoidal(200 - kVel * 5, kVel, 0, 1, 30), Natales(lon), kT0, kT0 + 10, 1), 1, 1);
    ASSERT_EQ(hallados.size(), 1u);
    EXPECT_NEAR(hallados[0].jdExacto, kT0 + 5, 1e-4);
    EXPECT_FALSE(hallados[0].jdEntrada);
    EXPECT_FALSE(hallados[0].jdSalida);
}

TEST(BuscarAspectosPeriodo, HitsOfSeveralPointsAreSortedByExactInstant) {
    std::vector<PuntoMovil> moviles = {Senoidal(10, 13, 0, 1), Senoidal(50, 1, 0, 1),
                                       Bucle().Punto()};
    for (int i = 0; i < 3; ++i) moviles[i].punto = i + 1;
    const auto hallados = BuscarAspectosPeriodo(moviles, Natales(Repartidos()), kT0, kT0 + 60, 1);
    ASSERT_GT(hallados.size(), 100u);
    EXPECT_TRUE(std::is_sorted(
        hallados.begin(), hallados.end(),
        [](const AspectoPeriodo& a, const AspectoPeriodo& b) { return a.jdExacto < b.jdExacto; }));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(std::any_of(hallados.begin(), hallados.end(),
                                [i](const AspectoPeriodo& a) { return a.movil == i; }));
    }
}

TEST(BuscarAspectosPeriodo, InputOutsideItsRangesGivesNothing) {
    const NatalTables natal = Natales(Repartidos());
    const struct {
        double desde, hasta, orbe;
    } casos[] = {
        {kT0, kT0 + 10, 0}, {kT0, kT0 + 10, -1}, {kT0, kT0 + 10, kOrbeMaximoPeriodo + 0.01},
        {kT0 + 10, kT0, 1}, {kT0, NAN, 1},
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(Buscar(Senoidal(10, 13, 0, 1), natal, c.desde, c.hasta, c.orbe).empty());
    }
    EXPECT_FALSE(Buscar(Senoidal(10, 13, 0, 1), natal, kT0, kT0 + 10, kOrbeMaximoPeriodo).empty());
}

}  // namespace
}  // namespace natalis
