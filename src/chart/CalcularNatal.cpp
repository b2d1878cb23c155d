// The natal computation: planets, houses, node, Part of Fortune and the text of each point.
#include "chart/CalcularNatal.h"

#include <cctype>

#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/Houses.h"
#include "astro/NumberText.h"
#include "astro/Planets.h"

namespace natalis {

namespace {

constexpr const char* kLabels = "SOLLUNMERVENMARJUPSATURANEPPLUNODPF ";
constexpr double kJD1900 = 2415020;  // 1900 January 0.5
constexpr double kDaysPerCentury = 36525;

// Degree within the sign, rounded to the nearest (so 0 to 30).
int16_t GradoEnSigno(float lon) {
    return static_cast<int16_t>(CIntEven(lon - 30 * IntFloor(lon / 30.0)));
}

// "ASC ", "MC ", or "C" + i + " ".
std::string EtiquetaCuspide(int i) {
    if (i == 1) return "ASC ";
    if (i == 10) return "MC ";
    return "C" + std::to_string(i) + " ";
}

PuntoNatal Punto(int i, float lon, float vel) {
    PuntoNatal p;
    p.Lon = lon;
    p.Grado = GradoEnSigno(lon);
    p.Texto = (i == 12 ? std::string("PF ") : EtiquetaPlaneta(i) + " ") + ZodiacString(lon);
    p.Vel = vel;
    return p;
}

}  // namespace

std::string TextoARMC(double armc) { return "ARMC" + StrSigned(Val(FormatPicture(armc, 5))); }

std::string EtiquetaPlaneta(int i) { return std::string(kLabels + 3 * (i - 1), 3); }

void CalcularNatal(const NatalRecord& rec, const std::string& HouseSystem, Ephemeris& eph,
                   ChartTables& t) {
    NatalTables& n = t.natal;
    const float u = rec.NatalHour + rec.ZoneHours;  // universal time of birth, hours
    n.NatalJD0 = JulDay(rec.NatalDay, rec.NatalMonth, rec.NatalYear);
    n.NatalJD = n.NatalJD0 + u / 24.0;

    Planets(n.NatalJD, eph, t.Planet);

    float armc = 0;
    double obliquity = 0;
    TiempoSidereo(n.NatalJD, u, rec.LongitudeDeg, armc, obliquity);
    n.NatalARMC = armc;
    n.Obliquity = static_cast<float>(obliquity);

    n.HouseSystemUsed = Houses(n.NatalARMC, rec.LatitudeDeg, HouseSystem, n.Obliquity, t.Cusp);

    for (int i = 1; i <= 12; ++i) {
        CuspideRec& c = n.CuspideNatal[i];
        c.Lon = t.Cusp[i];
        c.Texto = EtiquetaCuspide(i) + ZodiacString(c.Lon);
        c.Grado = GradoEnSigno(c.Lon);
    }
    n.CuspideNatal[0].Lon = static_cast<float>(n.NatalARMC);
    n.CuspideNatal[0].Texto = TextoARMC(n.NatalARMC);

    // Quadrants: from the Midheaven to the Ascendant (houses 10 to 12), and from the
    // Descendant to the Midheaven (houses 7 to 9); the opposite quadrants are equal.
    const float q = MODg(n.CuspideNatal[10].Lon - n.CuspideNatal[1].Lon);
    n.NatalQuadrant[0] = MODg(360.0 - q);
    n.NatalQuadrant[1] = MODg(q - 180.0);
    n.NatalQuadrant[2] = n.NatalQuadrant[0];
    n.NatalQuadrant[3] = n.NatalQuadrant[1];

    for (int i = 1; i <= 10; ++i) n.PlanetaNatal[i] = Punto(i, t.Planet[i].Lon, t.Planet[i].Vel);

    // The node's slot of the planet table is never filled, so its motion reads 0.
    const double T = (n.NatalJD0 - kJD1900 + u / 24.0) / kDaysPerCentury;
    n.PlanetaNatal[11] = Punto(11, NodoMedio(T), t.Planet[11].Vel);

    // Part of Fortune: its degree is taken after one more reduction, its motion stays 0.
    const float pf = MODg(n.CuspideNatal[1].Lon + n.PlanetaNatal[2].Lon - n.PlanetaNatal[1].Lon);
    n.PlanetaNatal[12] = Punto(12, pf, 0);
    n.PlanetaNatal[12].Grado = static_cast<int16_t>(CIntEven(MODg(pf - 30 * IntFloor(pf / 30.0))));
}

std::string AvisoCasasPorfirio(const std::string& HouseSystem, char HouseSystemUsed) {
    if (HouseSystemUsed != 'O') return {};
    const bool koch =
        HouseSystem.size() == 1 && std::toupper(static_cast<unsigned char>(HouseSystem[0])) == 'K';
    return std::string("Aviso: ") + (koch ? "Koch" : "Plácido") +
           " no tiene sentido a esta latitud; se usan casas de Porfirio.";
}

}  // namespace natalis
