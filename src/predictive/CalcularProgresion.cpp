#include "predictive/CalcularProgresion.h"

#include <cmath>

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
};

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
    for (int j = 1; j <= 10; ++j) {
        const float x = MODg(c.Planet[j].Lon - c.Cusp[1]);
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
        c.Planet[j].Lon = static_cast<float>(lon);
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
            c.arco = ArcoSolar(edad, H, natal, eph);
            break;
    }
    if (!FilaTecnica(tecnica).soloDirecta) {
        if (ps.Conversa) c.arco = -c.arco;
        CasasProgresadas(c.arco, rec, natal, casas, c.Cusp);
    }
    PosicionesProgresadas(c.arco, tecnica, ps.AscEnArco, natal, c.Cusp, c.Planet, c.prog);

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
