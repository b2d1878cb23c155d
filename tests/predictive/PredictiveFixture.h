// Test fixtures of the predictive techniques: an ephemeris whose bodies move uniformly, and
// natal tables filled by hand or from that ephemeris.
#pragma once
#include <array>
#include <cmath>
#include <string>

#include "app/model/NatalRecord.h"
#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/Ephemeris.h"
#include "astro/Houses.h"
#include "chart/NatalTables.h"
#include "predictive/DirectionMath.h"

namespace natalis::testing {

// Body b stands at lon0[b] + speed[b] * (jd - jd0) degrees, reduced to one turn.
class UniformEphemeris : public Ephemeris {
  public:
    double jd0 = 2451544.5;  // 1 January 2000, 0 h
    std::array<double, 10> lon0 = {280, 10, 300, 330, 20, 40, 60, 250, 270, 220};
    std::array<double, 10> speed = {1, 13, 1.2, 1.1, 0.5, 0.08, 0.03, 0.01, 0.006, 0.004};
    int calls = 0;

    double CalcBody(double jd, int32_t body, double* out) override {
        ++calls;
        double lon = std::fmod(lon0[body] + speed[body] * (jd - jd0), 360.0);
        if (lon < 0) lon += 360;
        out[0] = lon;
        out[1] = out[2] = out[3] = 0;
        return 0;
    }
    EphemerisSource Source() const override { return EphemerisSource::Analytic; }
};

// A birth at 1 January 2000, 12 h local, zone +3 (west), at 34.6 S 58.4 W.
inline NatalRecord RegistroDePrueba() {
    NatalRecord r;
    r.NatalDay = 1;
    r.NatalMonth = 1;
    r.NatalYear = 2000;
    r.FechaNatalTexto = "1 1 2000";
    r.NatalHour = 12;
    r.ZoneHours = 3;
    r.LatitudeDeg = -34.6f;
    r.LongitudeDeg = -58.4f;
    r.TimeText = "12:00:00";
    r.HourText = "12";
    r.MinuteText = "00";
    r.SecondText = "00";
    return r;
}

inline std::string Etiqueta(int i) {
    return std::string("SOLLUNMERVENMARJUPSATURANEPPLUNODPF ").substr(3 * (i - 1), 3);
}

// Natal tables of the record from the ephemeris, built the way the natal computation builds
// them (bodies, sidereal time, houses, quadrants).
inline ChartTables TablasNatales(const NatalRecord& rec, Ephemeris& eph,
                                 const std::string& casas = "P") {
    ChartTables t;
    NatalTables& n = t.natal;
    const float u = rec.NatalHour + rec.ZoneHours;
    n.NatalJD0 = JulDay(rec.NatalDay, rec.NatalMonth, rec.NatalYear);
    n.NatalJD = n.NatalJD0 + u / 24;
    double buf[7];
    for (int b = 0; b < 10; ++b) {
        eph.CalcBody(n.NatalJD, b, buf);
        t.Planet[b + 1].Lon = static_cast<float>(buf[0]);
    }
    float armc = 0;
    double obl = 0;
    TiempoSidereo(n.NatalJD, u, rec.LongitudeDeg, armc, obl);
    n.NatalARMC = armc;
    n.Obliquity = static_cast<float>(obl);
    Houses(armc, rec.LatitudeDeg, casas, n.Obliquity, t.Cusp);
    for (int i = 1; i <= 12; ++i) {
        n.CuspideNatal[i].Lon = t.Cusp[i];
        n.CuspideNatal[i].Grado = GradoEnSigno(t.Cusp[i]);
        n.CuspideNatal[i].Texto = "C" + std::to_string(i) + " " + ZodiacString(t.Cusp[i]);
    }
    const float q = MODg(n.CuspideNatal[10].Lon - n.CuspideNatal[1].Lon);
    n.NatalQuadrant = {MODg(360.0 - q), MODg(q - 180.0), MODg(360.0 - q), MODg(q - 180.0)};
    for (int i = 1; i <= 10; ++i) {
        PuntoNatal& p = n.PlanetaNatal[i];
        p.Lon = t.Planet[i].Lon;
        p.Grado = GradoEnSigno(p.Lon);
        p.Texto = Etiqueta(i) + " " + ZodiacString(p.Lon);
    }
    return t;
}

// Natal tables with the sixteen listed points at chosen longitudes: bodies 1..10, then cusps
// 10, 1, 8, 9, 11, 12. Every other cusp is spread evenly.
inline NatalTables NatalesFijas(const std::array<float, 17>& lon) {
    NatalTables n;
    for (int i = 1; i <= 12; ++i) {
        n.CuspideNatal[i].Lon = MODg(30.0 * (i - 1));
    }
    const int cuspides[6] = {10, 1, 8, 9, 11, 12};
    for (int i = 1; i <= 10; ++i) {
        n.PlanetaNatal[i].Lon = lon[i];
        n.PlanetaNatal[i].Grado = GradoEnSigno(lon[i]);
        n.PlanetaNatal[i].Texto = Etiqueta(i) + " " + ZodiacString(lon[i]);
    }
    for (int j = 0; j < 6; ++j) {
        CuspideRec& c = n.CuspideNatal[cuspides[j]];
        c.Lon = lon[11 + j];
        c.Grado = GradoEnSigno(c.Lon);
        c.Texto = "C" + std::to_string(cuspides[j]) + " " + ZodiacString(c.Lon);
    }
    return n;
}

}  // namespace natalis::testing
