#include "predictive/CalcularProgresion.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"
#include "astro/Houses.h"
#include "astro/NumberText.h"
#include "astro/Planets.h"
#include "astro/Zodiaco.h"
#include "chart/CalcularNatal.h"
#include "predictive/DirectionMath.h"

namespace natalis {

namespace {

constexpr double kDiasPorAnio = 365.25;
constexpr long kLimiteAviso = 100;
constexpr const char* kEmDash = "\xE2\x80\x94";

// What a computation produces before it is committed to the state.
struct Calculo {
    CuspTable Cusp{};
    PlanetTable Planet{};
    ProgTables prog;
    float arco = 0;
    std::string rechazo;  // why the technique has no answer for this chart and date
    // The chart's points beyond the default set, by row, where the sky of the technique's
    // instant places them (the directed or progressed sky): longitude and daily motion.
    std::vector<std::pair<int, PlanetRec>> extraCielo;
};

// The bodies among the chart's points beyond the default set (Chiron, the asteroids, the
// true node, the Liliths), as rows of kPuntos.
std::vector<int> CuerposExtra(const NatalTables& natal) {
    std::vector<int> filas;
    for (int r : natal.Puntos) {
        const PuntoDef& d = FilaPunto(r);
        if (r >= kPuntosPorDefecto && d.Regla == ReglaPunto::Cuerpo) filas.push_back(r);
    }
    return filas;
}

// Those bodies' places at the universal-time Julian day jd, in the chart's zodiac.
std::vector<std::pair<int, PlanetRec>> CieloExtra(const NatalTables& natal, double jd,
                                                  Ephemeris& eph) {
    std::vector<std::pair<int, PlanetRec>> cielo;
    for (int r : CuerposExtra(natal)) {
        double buf[4] = {0, 0, 0, 0};
        PosicionZodiacal(eph, jd, static_cast<int32_t>(FilaPunto(r).CuerpoId), natal.zodiaco, buf);
        PlanetRec p;
        p.Lon = static_cast<float>(buf[0]);
        p.Vel = static_cast<float>(buf[3]);
        cielo.emplace_back(r, p);
    }
    return cielo;
}

constexpr const char* kTituloDireccion = "Dirección primaria";

// Why primary directions cannot place the bodies by quadrant proportion: the quadrant from
// the Descendant to the Midheaven of the directed (or the natal) houses has no positive
// size, as happens to Porphyry and Regiomontanus charts beyond the polar circles.
std::string SinCuadrante(bool natales) {
    return std::string("La dirección primaria no tiene sentido para esta ") +
           (natales ? "carta: en las casas natales" : "fecha: en las casas dirigidas") +
           " el cuadrante del Descendente al Medio Cielo no tiene tamaño, como ocurre más "
           "allá del círculo polar.";
}

// Primary directions in mundo: the sky of the directed instant (one degree of right
// ascension per year) placed into the natal houses by quadrant proportion.
void CalcularPrimaria(float edad, const NatalRecord& rec, const NatalTables& natal,
                      SistemaCasas casas, Ephemeris& eph, Calculo& c) {
    const double H = edad / 15.0 + rec.NatalHour + rec.ZoneHours;
    const double JDd = natal.NatalJD0 + H / 24;
    const double T = (JDd - kJD1900) / kDiasPorSiglo;
    const float armcd = MODg(TiempoSidereoGrados(T, H) + rec.LongitudeDeg);
    CalcularCasas(casas, armcd, rec.LatitudeDeg, natal.Obliquity, c.Cusp);

    double buf[7] = {0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i <= 9; ++i) {
        PosicionZodiacal(eph, JDd, i, natal.zodiaco, buf);
        c.Planet[i + 1].Lon = static_cast<float>(buf[0]);
    }

    const float A = MODg(c.Cusp[10] - c.Cusp[1]);  // directed ASC forward to MC
    const float B = MODg(180.0 + A);
    const float Q0 = 360 - A;  // MC to ASC, also IC to DSC
    const float Q1 = A - 180;  // DSC to MC, also ASC to IC
    const auto& cn = natal.CuspideNatal;
    const auto& nq = natal.NatalQuadrant;
    // The proportions below need quadrants of positive size, directed and natal alike (the
    // natal sizes are stored reduced to one turn, so they are judged from the cusps).
    const float natalA = MODg(cn[10].Lon - cn[1].Lon);
    if (!(natalA - 180 > 0 && 360 - natalA > 0)) {
        c.rechazo = SinCuadrante(true);
        return;
    }
    if (!(Q0 > 0 && Q1 > 0)) {
        c.rechazo = SinCuadrante(false);
        return;
    }
    // Each body keeps in the natal houses the proportional place within its quadrant that it
    // has in the directed houses.
    const auto proporcion = [&](float lonDirigida) {
        const float x = MODg(lonDirigida - c.Cusp[1]);
        float f = 0;
        double lon = 0;
        if (x >= 180 && x >= A) {
            f = static_cast<float>((x - A) / Q0);
            lon = f * nq[0] + cn[10].Lon;
        } else if (x >= 180) {
            f = static_cast<float>((x - 180) / Q1);
            lon = f * nq[1] + cn[7].Lon;
        } else if (x >= B) {
            f = static_cast<float>((x - B) / Q0);
            lon = f * nq[2] + cn[4].Lon;
        } else {
            f = static_cast<float>(x / Q1);
            lon = f * nq[3] + cn[1].Lon;
        }
        return static_cast<float>(lon);
    };
    for (int j = 1; j <= 10; ++j) c.Planet[j].Lon = proporcion(c.Planet[j].Lon);
    c.extraCielo = CieloExtra(natal, JDd, eph);
    for (auto& [fila, p] : c.extraCielo) {
        if (std::isfinite(p.Lon)) p.Lon = proporcion(p.Lon);
    }
}

// The solar arc of an age: how far the Sun has gone from its natal place to the instant
// NatalJD0 + edad + H / 24, as many days after the birth moment (universal time of birth H
// hours) as there are years of age; degrees -180 up to 180: 0 on the birth date (where the
// difference is a hair either side of 0, the natal Sun being kept in single precision),
// negative before it.
float ArcoSolar(float edad, float H, const NatalTables& natal, Ephemeris& eph) {
    double buf[7] = {0, 0, 0, 0, 0, 0, 0};
    PosicionZodiacal(eph, natal.NatalJD0 + edad + H / 24.0, 0, natal.zodiaco, buf);
    return static_cast<float>(std::remainder(buf[0] - natal.PlanetaNatal[1].Lon, 360.0));
}

// Solar arc, degree per year and secondary progressions: the MC moved by the arc, houses from
// its right ascension.
void CasasProgresadas(float arco, const NatalRecord& rec, const NatalTables& natal,
                      SistemaCasas casas, CuspTable& Cusp) {
    const float mcp = MODg(arco + natal.CuspideNatal[10].Lon);
    const double armcp = LongitudARA(mcp, natal.Obliquity);
    CalcularCasas(casas, armcp, rec.LatitudeDeg, natal.Obliquity, Cusp);
}

bool Finito(const Calculo& c) {
    if (!std::isfinite(c.arco)) return false;
    for (int i = 1; i <= 10; ++i) {
        if (!std::isfinite(c.prog.PlanetaProg[i].Lon)) return false;
    }
    for (int i = 1; i <= 12; ++i) {
        if (!std::isfinite(c.prog.CuspideProg[i].Lon)) return false;
    }
    return true;
}

ProgRec Punto(float lon, const std::string& etiqueta) {
    ProgRec r;
    r.Lon = lon;
    r.Grado = GradoEnSigno(lon);
    r.Texto = etiqueta + ZodiacString(lon);
    return r;
}

// The warning's caption when the age rounds to more than 100 years, else empty.
std::string AvisoDeEdad(float edad) {
    const long n = CIntEven(std::fabs(edad));
    return n > kLimiteAviso ? AvisoEdad(n, edad < 0 ? kEmDash : "") : "";
}

// How fast each progressed point moves as the date goes on, degrees per day of the date. The
// arc of every technique grows by about a degree a year of age (a degree of right ascension
// for primary directions), so the points moved by it go at 1 / 365.25 degrees a day, backwards
// when converse; a secondary-progressed body moves at its daily motion at the progressed
// instant, a day of the sky taking a year of the date, backwards in time when converse. A
// primary-directed body is carried by the turning sky from the Ascendant towards the
// Midheaven, so it goes backwards through the zodiac while the directed cusps go forwards.
constexpr float kArcoPorDia = 1 / 365.25f;

float MovimientoCuerpo(const TecnicaFila& fila, float sentido, float velCielo) {
    if (fila.soloDirecta) return -kArcoPorDia;
    if (fila.marcaRetrogrados) return sentido * velCielo / static_cast<float>(kDiasPorAnio);
    return sentido * kArcoPorDia;
}

void MovimientoProgresado(TipoTecnica tecnica, bool conversa, const PlanetTable& Planet,
                          ProgTables& prog) {
    const TecnicaFila& fila = FilaTecnica(tecnica);
    const float sentido = conversa && !fila.soloDirecta ? -1.0f : 1.0f;
    for (int i = 1; i <= 12; ++i) prog.CuspideProg[i].Vel = sentido * kArcoPorDia;
    for (int i = 1; i <= 10; ++i)
        prog.PlanetaProg[i].Vel = MovimientoCuerpo(fila, sentido, Planet[i].Vel);
}

// The chart's points beyond the default set as the technique moves them, in the chart's
// order: the bodies from the directed or progressed sky (primary directions, secondary
// progressions), every other point moved by the arc (all of them for the solar arc and a
// degree a year; the Vertex for secondary progressions, whose houses follow the arc). Primary
// directions place bodies only: the Vertex is a point of the house frame, not of the sky. A
// point the ephemeris cannot give at the instant is left out.
void PuntosExtraProgresados(TipoTecnica tecnica, bool conversa, float arco,
                            const NatalTables& natal,
                            const std::vector<std::pair<int, PlanetRec>>& cielo, ProgTables& prog) {
    const TecnicaFila& fila = FilaTecnica(tecnica);
    const float sentido = conversa && !fila.soloDirecta ? -1.0f : 1.0f;
    prog.Extra.clear();
    for (size_t k = 0; k < natal.Puntos.size() && k + 1 < natal.PlanetaNatal.size(); ++k) {
        const int r = natal.Puntos[k];
        if (r < kPuntosPorDefecto) continue;
        const auto delCielo =
            std::find_if(cielo.begin(), cielo.end(), [r](const auto& c) { return c.first == r; });
        float lon = 0, vel = sentido * kArcoPorDia;
        if (fila.cuerposPropios && delCielo != cielo.end()) {
            lon = MODg(delCielo->second.Lon);
            vel = MovimientoCuerpo(fila, sentido, delCielo->second.Vel);
        } else if (fila.soloDirecta) {
            continue;
        } else {
            lon = MODg(natal.PlanetaNatal[k + 1].Lon + arco);
        }
        if (!std::isfinite(lon)) continue;
        ProgRec p = Punto(lon, std::string(FilaPunto(r).Etiqueta) + " prog ");
        if (fila.marcaRetrogrados && delCielo != cielo.end() && delCielo->second.Vel < 0) {
            p.Texto += " r";
        }
        p.Vel = vel;
        prog.Extra.push_back(std::move(p));
    }
}

}  // namespace

std::string AvisoEdad(long anios, const std::string& signo) {
    return " Progresión a " + signo + std::to_string(anios) + " años";
}

void PosicionesProgresadas(float arc, TipoTecnica tecnica, bool ascEnArco, const NatalTables& natal,
                           const CuspTable& Cusp, const PlanetTable& Planet, ProgTables& prog) {
    const TecnicaFila& fila = FilaTecnica(tecnica);
    for (int i = 1; i <= 12; ++i) {
        float lon = Cusp[i];
        if (i == 1 && ascEnArco && !fila.soloDirecta) {
            lon = MODg(natal.CuspideNatal[1].Lon + MODg(Cusp[10] - natal.CuspideNatal[10].Lon));
        }
        const std::string etiqueta = i == 1    ? "ASC prog "
                                     : i == 10 ? "MC prog "
                                               : "C" + std::to_string(i) + " prog ";
        prog.CuspideProg[i] = Punto(lon, etiqueta);
    }
    for (int i = 1; i <= 10; ++i) {
        const float lon =
            fila.cuerposPropios ? MODg(Planet[i].Lon) : MODg(natal.PlanetaNatal[i].Lon + arc);
        const std::string etiqueta = EtiquetaPlaneta(i) + " prog ";
        prog.PlanetaProg[i] = Punto(lon, etiqueta);
        if (fila.marcaRetrogrados && Planet[i].Vel < 0) prog.PlanetaProg[i].Texto += " r";
    }
}

ProgresionResultado CalcularProgresion(PredictiveState& ps, ChartTables& tables,
                                       const NatalRecord& rec, SistemaCasas casas, Ephemeris& eph) {
    ProgresionResultado res;
    std::string& fecha = ps.HoraSolar ? ps.HoraSolar->fecha : ps.FechaProgTexto;
    double d = 0, m = 0, a = 0;
    std::string serr;
    stringFecha_a_dma(fecha, d, m, a, serr);
    if (!serr.empty()) {
        res.estado = ProgresionEstado::FechaRechazada;
        res.mensaje = serr;
        res.titulo = "corregir fecha";
        return res;
    }

    const NatalTables& natal = tables.natal;
    const double JD = JulDay(d, m, a);
    const float edad = static_cast<float>((JD - natal.NatalJD0) / kDiasPorAnio);
    const float H = rec.NatalHour + rec.ZoneHours;

    const TipoTecnica tecnica = ps.Tecnica;
    Calculo c;
    c.Cusp = tables.Cusp;
    c.Planet = tables.Planet;
    switch (tecnica) {
        case TipoTecnica::Primaria:
            CalcularPrimaria(edad, rec, natal, casas, eph, c);
            if (!c.rechazo.empty()) {
                res.estado = ProgresionEstado::ErrorCalculo;
                res.mensaje = c.rechazo;
                res.titulo = kTituloDireccion;
                return res;
            }
            c.arco = edad;
            break;
        case TipoTecnica::ArcoSolar:
            c.arco = ArcoSolar(edad, H, natal, eph);
            break;
        case TipoTecnica::GradoAnio:
            c.arco = edad;
            break;
        case TipoTecnica::Secundaria:
            // The ten bodies and their daily motions as many days after the birth moment as
            // there are years of age (before it when converse); the houses follow the solar
            // arc of the date as for "Arco Solar".
            Planets(natal.NatalJD0 + (ps.Conversa ? -edad : edad) + H / 24.0, eph, c.Planet,
                    natal.zodiaco);
            c.extraCielo =
                CieloExtra(natal, natal.NatalJD0 + (ps.Conversa ? -edad : edad) + H / 24.0, eph);
            c.arco = ArcoSolar(edad, H, natal, eph);
            break;
    }
    if (!FilaTecnica(tecnica).soloDirecta) {
        if (ps.Conversa) c.arco = -c.arco;
        CasasProgresadas(c.arco, rec, natal, casas, c.Cusp);
    }
    PosicionesProgresadas(c.arco, tecnica, ps.AscEnArco, natal, c.Cusp, c.Planet, c.prog);
    MovimientoProgresado(tecnica, ps.Conversa, c.Planet, c.prog);
    PuntosExtraProgresados(tecnica, ps.Conversa, c.arco, natal, c.extraCielo, c.prog);

    if (!std::isfinite(edad) || !Finito(c)) {
        res.estado = ProgresionEstado::ErrorCalculo;
        res.mensaje = kErrorCalculoProgresion;
        res.titulo = kTituloErrorCalculo;
        return res;
    }

    res.aviso = AvisoDeEdad(edad);
    ps.Edad = edad;
    ps.Arco = c.arco;
    ps.HayProgresion = true;
    ps.prog = c.prog;
    tables.Cusp = c.Cusp;
    if (FilaTecnica(tecnica).cuerposPropios) {
        for (int i = 1; i <= 10; ++i) tables.Planet[i].Lon = c.Planet[i].Lon;
    }
    if (FilaTecnica(tecnica).marcaRetrogrados) {
        for (int i = 1; i <= 10; ++i) tables.Planet[i].Vel = c.Planet[i].Vel;
    }
    return res;
}

}  // namespace natalis
