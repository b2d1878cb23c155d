// Solar and lunar returns by root finding on the ephemeris's longitudes.
#include "predictive/Retorno.h"

#include <cctype>
#include <cmath>

#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/DateTimeParse.h"

namespace natalis {

namespace {

struct Luminaria {
    int32_t cuerpo;       // body number of the ephemeris
    double movMedioDeg;   // mean motion, degrees per day
    double desvioMaxDeg;  // largest gap between the true and the mean longitude, degrees
};

// Tropical year 365.24219 days; tropical month 27.32158 days (Meeus ch. 25, 47). The largest
// gaps: the Sun's equation of centre (1.92 degrees) with aberration and nutation; the Moon's
// equation of centre, evection and variation together (about 7.6 degrees). Both rounded up.
constexpr Luminaria kSol = {0, 360.0 / 365.24219, 2.5};
constexpr Luminaria kLuna = {1, 360.0 / 27.32158, 9.0};

constexpr double kToleranciaDeg = 1e-7;   // 0.00036 arc second
constexpr double kToleranciaDias = 1e-8;  // about a millisecond
constexpr int kMaxIteraciones = 100;

// The body's longitude and daily motion at jd; false when the longitude is not finite.
bool Posicion(Ephemeris& eph, int32_t cuerpo, double jd, Zodiaco z, double& lon, double& vel) {
    double buf[7] = {0, 0, 0, 0, 0, 0, 0};
    PosicionZodiacal(eph, jd, cuerpo, z, buf);
    lon = buf[0];
    vel = buf[3];
    return std::isfinite(lon);
}

RetornoInstante Falla(RetornoEstado estado, const char* mensaje) {
    RetornoInstante r;
    r.estado = estado;
    r.mensaje = mensaje;
    return r;
}

constexpr const char* kSinSolucion =
    "No se pudo hallar el retorno: la efeméride no dio una posición válida.";

}  // namespace

RetornoInstante BuscarRetorno(TipoRetorno tipo, double lonNatalDeg, double desdeJD, Ephemeris& eph,
                              Zodiaco z) {
    // A day's margin on each side lets 0 h of 1 January -3000 in any time zone through.
    if (!std::isfinite(desdeJD) || desdeJD < JulDay(1, 1, -3000) - 1 ||
        desdeJD >= JulDay(1, 1, 3001) + 1) {
        return Falla(RetornoEstado::FueraDeRango,
                     "Los retornos se calculan para los años -3000 a 3000.");
    }
    if (!std::isfinite(lonNatalDeg)) return Falla(RetornoEstado::SinSolucion, kSinSolucion);
    const Luminaria& L = tipo == TipoRetorno::Solar ? kSol : kLuna;
    const double objetivo = UnaVuelta(lonNatalDeg);

    double lon0 = 0, vel = 0;
    if (!Posicion(eph, L.cuerpo, desdeJD, z, lon0, vel)) {
        return Falla(RetornoEstado::SinSolucion, kSinSolucion);
    }
    // Arc still to go, 0 up to 360; the return is where the progress from desdeJD equals it.
    const double arco = UnaVuelta(objetivo - lon0);
    RetornoInstante res;
    res.jd = desdeJD;
    if (arco == 0) return res;

    // g(t): progress since desdeJD minus the arc. The progress is the longitude gained,
    // unwrapped by the mean motion's expectation, which it never misses by half a turn.
    double velT = 0;
    auto g = [&](double t, double& out) {
        double lon = 0;
        if (!Posicion(eph, L.cuerpo, t, z, lon, velT)) return false;
        const double ganado = UnaVuelta(lon - lon0);
        const double esperado = L.movMedioDeg * (t - desdeJD);
        out = ganado + 360.0 * std::round((esperado - ganado) / 360.0) - arco;
        return std::isfinite(out);
    };

    // Bracket: g(lo) = -arco < 0; hi lies past the mean-motion estimate by twice the
    // largest gap, widened in the same steps should it still fall short.
    double lo = desdeJD, hi = desdeJD + (arco + 2 * L.desvioMaxDeg) / L.movMedioDeg;
    double gLo = -arco, gHi = 0;
    for (int i = 0;; ++i) {
        if (!g(hi, gHi)) return Falla(RetornoEstado::SinSolucion, kSinSolucion);
        if (gHi > 0) break;
        if (i == 4) return Falla(RetornoEstado::SinSolucion, kSinSolucion);
        lo = hi;
        gLo = gHi;
        hi += 2 * L.desvioMaxDeg / L.movMedioDeg;
    }
    if (gHi == 0) {
        res.jd = hi;
        return res;
    }

    double t = desdeJD + arco / L.movMedioDeg;
    if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
    double tPrev = lo, gPrev = gLo;
    for (int i = 0; i < kMaxIteraciones; ++i) {
        double gt = 0;
        if (!g(t, gt)) return Falla(RetornoEstado::SinSolucion, kSinSolucion);
        if (std::fabs(gt) <= kToleranciaDeg) {
            res.jd = t;
            return res;
        }
        (gt < 0 ? lo : hi) = t;
        // Newton on the daily motion; a secant slope when the motion is not a forward one.
        double pendiente = velT;
        if (!(std::isfinite(pendiente) && pendiente > 0)) {
            pendiente = t != tPrev ? (gt - gPrev) / (t - tPrev) : L.movMedioDeg;
            if (!(std::isfinite(pendiente) && pendiente > 0)) pendiente = L.movMedioDeg;
        }
        double siguiente = t - gt / pendiente;
        if (!(siguiente > lo && siguiente < hi)) siguiente = 0.5 * (lo + hi);
        tPrev = t;
        gPrev = gt;
        if (std::fabs(siguiente - t) <= kToleranciaDias || hi - lo <= kToleranciaDias) {
            res.jd = siguiente;
            return res;
        }
        t = siguiente;
    }
    return Falla(RetornoEstado::SinSolucion,
                 "No se pudo hallar el retorno: la búsqueda no convergió.");
}

const char* TituloRetorno(TipoRetorno tipo) {
    return tipo == TipoRetorno::Solar ? "RETORNO SOLAR" : "RETORNO LUNAR";
}

RetornoResultado CalcularRetorno(TipoRetorno tipo, std::string& fecha, const NatalRecord& rec,
                                 const NatalTables& natal, Ephemeris& eph) {
    RetornoResultado res;
    double d = 0, m = 0, a = 0;
    std::string serr;
    stringFecha_a_dma(fecha, d, m, a, serr);
    if (!serr.empty()) {
        res.estado = RetornoCalculoEstado::FechaRechazada;
        res.mensaje = serr;
        res.titulo = "corregir fecha";
        return res;
    }
    // 0 h clock time of the birth zone, as a typed transit hour is read.
    const double desde = JulDay(d, m, a) + rec.ZoneHours / 24.0;
    const int cuerpo = tipo == TipoRetorno::Solar ? 1 : 2;
    const RetornoInstante r =
        BuscarRetorno(tipo, natal.PlanetaNatal[cuerpo].Lon, desde, eph, natal.zodiaco);
    if (r.estado != RetornoEstado::Hallado) {
        res.estado = RetornoCalculoEstado::SinRetorno;
        res.mensaje = r.mensaje;
        res.titulo = kTituloSinRetorno;
        return res;
    }
    res.jd = r.jd;
    Planets(r.jd, eph, res.Planet, natal.zodiaco);
    for (int i = 1; i <= 10; ++i) {
        if (!std::isfinite(res.Planet[i].Lon) || !std::isfinite(res.Planet[i].Vel)) {
            res.estado = RetornoCalculoEstado::SinRetorno;
            res.mensaje = kSinSolucion;
            res.titulo = kTituloSinRetorno;
            return res;
        }
    }
    res.puntos = PuntosDelCieloEn(r.jd, eph, res.Planet, natal.Puntos, natal.zodiaco);
    return res;
}

std::string FechaDelAnioRetorno(const std::string& anio, std::string& fecha) {
    const size_t a = anio.find_first_not_of(' ');
    if (a == std::string::npos) return kMensajeAnioRetorno;
    const std::string t = anio.substr(a, anio.find_last_not_of(' ') - a + 1);
    const size_t signo = t[0] == '-' || t[0] == '+' ? 1 : 0;
    if (t.size() == signo || t.size() - signo > 5) return kMensajeAnioRetorno;
    for (size_t i = signo; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return kMensajeAnioRetorno;
    }
    fecha = "1 1 " + t;
    return "";
}

}  // namespace natalis
