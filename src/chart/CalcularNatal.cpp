// The natal computation: planets, houses, node, Part of Fortune and the text of each point.
#include "chart/CalcularNatal.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/CasasBiblioteca.h"
#include "astro/Houses.h"
#include "astro/NumberText.h"
#include "astro/Planets.h"
#include "chart/EstrellasNatales.h"

namespace natalis {

namespace {

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

}  // namespace

PuntoNatal PuntoEnLongitud(int r, float lon, float vel) {
    PuntoNatal p;
    p.Lon = lon;
    p.Grado = GradoEnSigno(lon);
    p.Texto = std::string(FilaPunto(r).Etiqueta) + " " + ZodiacString(lon);
    p.Vel = vel;
    return p;
}

void LlenarCuspides(const CuspTable& Cusp, double armc, NatalTables& n) {
    for (int i = 1; i <= 12; ++i) {
        CuspideRec& c = n.CuspideNatal[i];
        c.Lon = Cusp[i];
        c.Texto = EtiquetaCuspide(i) + ZodiacString(c.Lon);
        c.Grado = GradoEnSigno(c.Lon);
    }
    n.NatalARMC = armc;
    n.CuspideNatal[0].Lon = static_cast<float>(n.NatalARMC);
    n.CuspideNatal[0].Texto = TextoARMC(n.NatalARMC);

    // Quadrants: from the Midheaven to the Ascendant (houses 10 to 12), and from the
    // Descendant to the Midheaven (houses 7 to 9); the opposite quadrants are equal.
    const float q = MODg(n.CuspideNatal[10].Lon - n.CuspideNatal[1].Lon);
    n.NatalQuadrant[0] = MODg(360.0 - q);
    n.NatalQuadrant[1] = MODg(q - 180.0);
    n.NatalQuadrant[2] = n.NatalQuadrant[0];
    n.NatalQuadrant[3] = n.NatalQuadrant[1];
}

std::string TextoARMC(double armc) { return "ARMC" + StrSigned(Val(FormatPicture(armc, 5))); }

std::string EtiquetaPlaneta(int i) {
    std::string label = FilaPunto(i - 1).Etiqueta;
    label.resize(3, ' ');
    return label;
}

void CalcularNatal(const NatalRecord& rec, SistemaCasas casas, Ephemeris& eph, ChartTables& t) {
    NatalTables& n = t.natal;
    const float u = rec.NatalHour + rec.ZoneHours;  // universal time of birth, hours
    n.NatalJD0 = JulDay(rec.NatalDay, rec.NatalMonth, rec.NatalYear);
    n.NatalJD = n.NatalJD0 + u / 24.0;

    Planets(n.NatalJD, eph, t.Planet, n.zodiaco);

    float armc = 0;
    double obliquity = 0;
    TiempoSidereo(n.NatalJD, u, rec.LongitudeDeg, armc, obliquity);
    n.Obliquity = static_cast<float>(obliquity);

    n.Casas = CalcularCasas(casas, armc, rec.LatitudeDeg, n.Obliquity, t.Cusp);
    // The house routines work from the sidereal time and give tropical cusps; a sidereal
    // chart's cusps are moved back by the ayanamsa like every other longitude.
    const double ayanamsa = AyanamsaDe(eph, n.NatalJD, n.zodiaco);
    if (n.zodiaco != Zodiaco::Tropical) {
        for (int i = 1; i <= 12; ++i)
            t.Cusp[i] = static_cast<float>(UnaVuelta(t.Cusp[i] - ayanamsa));
    }
    // Whole signs are the signs of the chart's own zodiac: in a sidereal chart the houses start
    // at 0 degrees of the sidereal sign of the Ascendant (taken from the equal houses, whose
    // first cusp is the Ascendant), not at a tropical sign's start moved back.
    if (n.zodiaco != Zodiaco::Tropical && casas == SistemaCasas::SignosEnteros &&
        !n.Casas.respaldoPorfirio) {
        CuspTable iguales{};
        CalcularCasas(SistemaCasas::IgualesAsc, armc, rec.LatitudeDeg, n.Obliquity, iguales);
        const double asc = UnaVuelta(iguales[1] - ayanamsa);
        const double inicio = 30.0 * std::floor(asc / 30.0);
        for (int i = 1; i <= 12; ++i)
            t.Cusp[i] = static_cast<float>(UnaVuelta(inicio + 30.0 * (i - 1)));
    }
    LlenarCuspides(t.Cusp, armc, n);
    // The ayanamsa's own motion (under 0.0001 degrees/day) is left out of the angles' speeds.
    n.VelAngulos =
        VelocidadesAngulos(LetraResultado(n.Casas), n.NatalARMC, rec.LatitudeDeg, n.Obliquity);

    // Rows the table does not have are dropped rather than read past its end.
    n.Puntos.erase(std::remove_if(n.Puntos.begin(), n.Puntos.end(),
                                  [](int r) { return r < 0 || r >= kNumPuntos; }),
                   n.Puntos.end());
    // Bodies beyond the ten of the planet table are asked for together.
    std::vector<Cuerpo> extra;
    for (int r : n.Puntos) {
        const PuntoDef& d = FilaPunto(r);
        if (d.Regla == ReglaPunto::Cuerpo && d.CuerpoId > Cuerpo::Pluton)
            extra.push_back(d.CuerpoId);
    }
    const std::vector<PlanetRec> extraPos = PosicionesCuerpos(n.NatalJD, eph, extra, n.zodiaco);
    const double T = (n.NatalJD0 - kJD1900 + u / 24.0) / kDiasPorSiglo;
    const auto reducir = [&](double lon) { return static_cast<float>(UnaVuelta(lon - ayanamsa)); };

    n.Notas.clear();
    n.PlanetaNatal.assign(n.Puntos.size() + 1, PuntoNatal{});
    size_t e = 0;
    for (size_t k = 0; k < n.Puntos.size(); ++k) {
        const int r = n.Puntos[k];
        const PuntoDef& d = FilaPunto(r);
        PuntoNatal& p = n.PlanetaNatal[k + 1];
        switch (d.Regla) {
            case ReglaPunto::Cuerpo:
                if (d.CuerpoId <= Cuerpo::Pluton) {
                    const PlanetRec& b = t.Planet[static_cast<int>(d.CuerpoId) + 1];
                    p = PuntoEnLongitud(r, b.Lon, b.Vel);
                } else {
                    p = PuntoEnLongitud(r, extraPos[e].Lon, extraPos[e].Vel);
                    ++e;
                }
                break;
            case ReglaPunto::NodoMedio:
                // Its motion is not computed and reads 0.
                p = PuntoEnLongitud(
                    r, n.zodiaco == Zodiaco::Tropical ? NodoMedio(T) : reducir(NodoMedio(T)), 0);
                break;
            case ReglaPunto::Vertice:
                // The library's Vertex for the chart's ARMC, latitude and obliquity; its
                // motion is not computed and reads 0.
                p = PuntoEnLongitud(
                    r,
                    reducir(
                        CasasBiblioteca('E', n.NatalARMC, rec.LatitudeDeg, n.Obliquity).vertice),
                    0);
                break;
            case ReglaPunto::ParteFortuna: {
                // Its degree is taken after one more reduction; its motion stays 0.
                const float pf = MODg(n.CuspideNatal[1].Lon + t.Planet[2].Lon - t.Planet[1].Lon);
                p = PuntoEnLongitud(r, pf, 0);
                p.Grado = static_cast<int16_t>(CIntEven(MODg(pf - 30 * IntFloor(pf / 30.0))));
                break;
            }
        }
    }
    // A point beyond the default set the ephemeris could not give (NaN) is left out with a
    // note, never shown at a wrong place; the default points' NaN is the computation's error
    // (ErrorCalculoNatal).
    for (size_t k = n.Puntos.size(); k-- > 0;) {
        if (n.Puntos[k] < kPuntosPorDefecto || std::isfinite(n.PlanetaNatal[k + 1].Lon)) continue;
        n.Notas.insert(n.Notas.begin(), NotaPuntoAusente(n.Puntos[k]));
        n.Puntos.erase(n.Puntos.begin() + static_cast<long>(k));
        n.PlanetaNatal.erase(n.PlanetaNatal.begin() + static_cast<long>(k) + 1);
    }
    CalcularEstrellas(eph, n);
}

std::string AvisoCasasPorfirio(const ResultadoCasas& casas) {
    if (!casas.respaldoPorfirio) return {};
    return std::string("Aviso: ") + FilaCasas(casas.sistema).caption +
           " no tiene sentido a esta latitud; se usan casas de Porfirio.";
}

}  // namespace natalis
