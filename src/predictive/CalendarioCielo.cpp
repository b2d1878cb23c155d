// The calendar of the sky: tracks of the bodies sampled, cut at their stations, and the
// places looked for solved inside each bracket.
#include "predictive/CalendarioCielo.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleMath.h"
#include "predictive/ListarProgresion.h"
#include "predictive/NumerosListado.h"

namespace natalis {

namespace {

constexpr double kTolDias = 1e-6;  // last step of a root or a station, days (0.09 s)
constexpr int kMaxIteraciones = 100;
constexpr int kLuna = 2, kSol = 1, kMercurio = 3;

// Sampling steps of the bodies (1 Sun ... 10 Pluto), days: shorter than the time between
// two stations of the body (Mercury's retrograde spells, the shortest, last about three
// weeks) and than the time it takes to move 180 degrees. The Moon's elongation from any
// body grows by less than 17 degrees a day.
constexpr double kPasoDias[kCuerposCalendario + 1] = {0, 1, 1, 1, 1, 1, 4, 4, 4, 4, 4};

// The Moon never stays in a sign longer than about 2.5 days: its previous ingress lies
// within this of the period's start, its next within this of the period's end.
constexpr double kMargenLunaDias = 3;

struct Muestra {
    double t;    // Julian day
    double U;    // longitude (or elongation) unwrapped along the samples, degrees
    double vel;  // its rate, degrees per day
};

Muestra Posicion(Ephemeris& eph, int cuerpo, double t) {
    double out[4] = {0, 0, 0, 0};
    eph.CalcBody(t, cuerpo - 1, out);
    return {t, out[0], out[3]};
}

// The instant in [lo, hi] where g changes sign, g(lo) having the sign of gLo: Newton's
// method on g's value and rate, kept in the bracket by bisection.
template <class G>
double Raiz(const G& g, double lo, double hi, double gLo) {
    double t = 0.5 * (lo + hi);
    for (int i = 0; i < kMaxIteraciones; ++i) {
        const auto [valor, tasa] = g(t);
        if (valor == 0) return t;
        ((valor < 0) == (gLo < 0) ? lo : hi) = t;
        double siguiente = tasa != 0 ? t - valor / tasa : 0.5 * (lo + hi);
        if (!(siguiente > lo && siguiente < hi)) siguiente = 0.5 * (lo + hi);
        if (std::fabs(siguiente - t) < kTolDias || hi - lo < kTolDias) return siguiente;
        t = siguiente;
    }
    return t;
}

// The station of cuerpo between a and b, whose rates have opposite signs: bisection on the
// rate.
Muestra Estacion(Ephemeris& eph, int cuerpo, Muestra a, Muestra b) {
    while (b.t - a.t > kTolDias) {
        Muestra m = Posicion(eph, cuerpo, 0.5 * (a.t + b.t));
        m.U = a.U + Reducir180(m.U - a.U);
        if (m.vel == 0) return m;
        ((m.vel > 0) == (a.vel > 0) ? a : b) = m;
    }
    return std::fabs(a.vel) <= std::fabs(b.vel) ? a : b;
}

// Every place of the form base + 360 k + angulo (angulo from angulos) met going from a to b
// (a.U < b.U: those in (a.U, b.U]; backwards those in [b.U, a.U)), solved with g.
template <class G, class Hallado>
void Cruces(const Muestra& a, const Muestra& b, const std::vector<double>& angulos, const G& g,
            const Hallado& hallado) {
    if (a.U == b.U) return;
    const bool avanza = b.U > a.U;
    const double bajo = std::min(a.U, b.U), alto = std::max(a.U, b.U);
    for (double vuelta = 360.0 * std::floor(bajo / 360.0) - 360.0; vuelta <= alto;
         vuelta += 360.0) {
        for (double ang : angulos) {
            const double w = vuelta + ang;
            const bool dentro = avanza ? (w > a.U && w <= b.U) : (w >= b.U && w < a.U);
            if (!dentro) continue;
            const double gA = avanza ? -1 : 1;
            const double t = w == b.U ? b.t : Raiz([&](double x) { return g(x, w); }, a.t, b.t, gA);
            hallado(t, w, avanza);
        }
    }
}

// The samples of cuerpo over [a, b] at its step, longitude unwrapped, with its stations.
std::vector<Muestra> Recorrido(Ephemeris& eph, int cuerpo, double a, double b,
                               std::vector<EventoCielo>* estaciones) {
    const double paso = kPasoDias[cuerpo];
    const int n = std::max(1, static_cast<int>(std::ceil((b - a) / paso)));
    std::vector<Muestra> m;
    m.reserve(n + 8);
    m.push_back(Posicion(eph, cuerpo, a));
    for (int i = 1; i <= n; ++i) {
        Muestra s = Posicion(eph, cuerpo, i == n ? b : a + (b - a) * i / n);
        const Muestra& p = m.back();
        s.U = p.U + Reducir180(s.U - p.U);
        if ((p.vel > 0 && s.vel < 0) || (p.vel < 0 && s.vel > 0)) {
            const Muestra e = Estacion(eph, cuerpo, p, s);
            if (estaciones) {
                EventoCielo ev;
                ev.jd = e.t;
                ev.tipo = p.vel > 0 ? TipoEventoCielo::EstacionRetrograda
                                    : TipoEventoCielo::EstacionDirecta;
                ev.cuerpo = cuerpo;
                ev.lonDeg = UnaVuelta(e.U);
                estaciones->push_back(ev);
            }
            m.push_back(e);
        }
        m.push_back(s);
    }
    return m;
}

// The ingresses of a track into the signs, as events.
std::vector<EventoCielo> Ingresos(Ephemeris& eph, int cuerpo, const std::vector<Muestra>& m) {
    static const std::vector<double> kBordes = {0,   30,  60,  90,  120, 150,
                                                180, 210, 240, 270, 300, 330};
    std::vector<EventoCielo> ingresos;
    const auto g = [&eph, cuerpo](double t, double w) {
        const Muestra s = Posicion(eph, cuerpo, t);
        return std::pair<double, double>{Reducir180(s.U - w), s.vel};
    };
    for (size_t i = 1; i < m.size(); ++i) {
        Cruces(m[i - 1], m[i], kBordes, g, [&](double t, double w, bool avanza) {
            EventoCielo ev;
            ev.jd = t;
            ev.tipo = TipoEventoCielo::Ingreso;
            ev.cuerpo = cuerpo;
            ev.lonDeg = UnaVuelta(w);
            // Forwards the sign beginning at the border, backwards the one ending there.
            const int borde = static_cast<int>(std::lround(ev.lonDeg / 30.0)) % 12;
            ev.signo = avanza ? borde + 1 : (borde + 11) % 12 + 1;
            ingresos.push_back(ev);
        });
    }
    return ingresos;
}

// An exact aspect of the Moon to another body: the Moon's elongation from it equals angulo.
struct AspectoLunar {
    double jd;
    int cuerpo;
    double elongacion;  // 0 up to 360, the aspect's angle on the Moon's side
    double lonLuna;
};

// Every exact aspect of the Moon to cuerpo over [a, b] at the angles of
// kAngulosVaciaDeCurso, on both sides. The elongation only grows (the Moon is faster than
// every other body), so no station cuts it.
void AspectosLunares(Ephemeris& eph, int cuerpo, const std::vector<Muestra>& luna,
                     std::vector<AspectoLunar>& aspectos) {
    std::vector<double> angulos;
    for (int a : kAngulosVaciaDeCurso) {
        angulos.push_back(a);
        if (a != 0 && a != 180) angulos.push_back(360 - a);
    }
    const auto elongacion = [&eph, cuerpo](double t, const Muestra& l) {
        const Muestra c = Posicion(eph, cuerpo, t);
        return Muestra{t, UnaVuelta(l.U - c.U), l.vel - c.vel};
    };
    std::vector<Muestra> e;
    e.reserve(luna.size());
    for (const Muestra& l : luna) {
        Muestra s = elongacion(l.t, l);
        if (!e.empty()) s.U = e.back().U + Reducir180(s.U - e.back().U);
        e.push_back(s);
    }
    const auto g = [&](double t, double w) {
        const Muestra s = elongacion(t, Posicion(eph, kLuna, t));
        return std::pair<double, double>{Reducir180(s.U - w), s.vel};
    };
    for (size_t i = 1; i < e.size(); ++i) {
        Cruces(e[i - 1], e[i], angulos, g, [&](double t, double w, bool) {
            const double lonLuna = UnaVuelta(Posicion(eph, kLuna, t).U);
            aspectos.push_back({t, cuerpo, UnaVuelta(w), lonLuna});
        });
    }
}

// The contacts of a lunation or an eclipse ev with the natal points: the Moon's place, and
// for a Full Moon or a lunar eclipse the Sun's opposite it, within orb of a point.
void Contactos(const EventoCielo& ev, double lonLuna, const NatalTables& natal, double orbe,
               std::vector<EventoCielo>& eventos) {
    const bool llena =
        ev.tipo == TipoEventoCielo::LunaLlena || ev.tipo == TipoEventoCielo::EclipseLunar;
    const std::vector<PuntoListado> puntos = PuntosNatalesListado(natal);
    const std::vector<int> numeros = NumerosNatalesListado(natal);
    for (size_t i = 0; i < puntos.size(); ++i) {
        const int n = numeros[i];
        const double lonNatal = puntos[i].Lon;
        double sep = std::fabs(Reducir180(lonLuna - lonNatal));
        if (llena) sep = std::min(sep, std::fabs(Reducir180(lonLuna + 180 - lonNatal)));
        if (sep > orbe) continue;
        EventoCielo c;
        c.jd = ev.jd;
        c.tipo = TipoEventoCielo::Contacto;
        c.cuerpo = n;
        c.lonDeg = UnaVuelta(lonNatal);
        c.eclipse = ev.eclipse;
        c.de = ev.tipo;
        c.separacionDeg = sep;
        eventos.push_back(c);
    }
}

bool EnPeriodo(double jd, double desde, double hasta) { return jd >= desde && jd < hasta; }

}  // namespace

std::vector<EventoCielo> CalendarioCielo(Ephemeris& eph, double jdDesde, double jdHasta,
                                         const NatalTables* natal, double orbeDeg) {
    std::vector<EventoCielo> eventos;
    if (!std::isfinite(jdDesde) || !std::isfinite(jdHasta) || !(jdDesde < jdHasta)) {
        return eventos;
    }
    const double lunaDesde = jdDesde - kMargenLunaDias, lunaHasta = jdHasta + kMargenLunaDias;

    // The Moon: its ingresses, and its aspects for the lunations and the void of course.
    const std::vector<Muestra> luna = Recorrido(eph, kLuna, lunaDesde, lunaHasta, nullptr);
    const std::vector<EventoCielo> ingresosLuna = Ingresos(eph, kLuna, luna);
    std::vector<AspectoLunar> aspectos;
    for (int c = 1; c <= kCuerposCalendario; ++c) {
        if (c != kLuna) AspectosLunares(eph, c, luna, aspectos);
    }
    std::sort(aspectos.begin(), aspectos.end(),
              [](const AspectoLunar& a, const AspectoLunar& b) { return a.jd < b.jd; });

    std::vector<EventoCielo> contactos;
    for (const AspectoLunar& a : aspectos) {
        if (a.cuerpo != kSol || (a.elongacion != 0 && a.elongacion != 180)) continue;
        if (!EnPeriodo(a.jd, jdDesde, jdHasta)) continue;
        EventoCielo ev;
        ev.jd = a.jd;
        ev.tipo = a.elongacion == 0 ? TipoEventoCielo::LunaNueva : TipoEventoCielo::LunaLlena;
        ev.cuerpo = kLuna;
        ev.lonDeg = a.lonLuna;
        eventos.push_back(ev);
        if (natal) Contactos(ev, a.lonLuna, *natal, orbeDeg, eventos);
    }

    // Eclipses, from the ephemeris's global searches.
    for (const bool solar : {true, false}) {
        double jd = jdDesde - kTolDias;
        while (const std::optional<EclipseGlobal> e = eph.SiguienteEclipse(solar, jd)) {
            if (!(e->jdMaximo < jdHasta)) break;
            EventoCielo ev;
            ev.jd = e->jdMaximo;
            ev.tipo = solar ? TipoEventoCielo::EclipseSolar : TipoEventoCielo::EclipseLunar;
            ev.cuerpo = solar ? kSol : kLuna;
            ev.lonDeg = UnaVuelta(Posicion(eph, ev.cuerpo, ev.jd).U);
            ev.eclipse = e->tipo;
            if (EnPeriodo(ev.jd, jdDesde, jdHasta)) {
                eventos.push_back(ev);
                if (natal) {
                    Contactos(ev, UnaVuelta(Posicion(eph, kLuna, ev.jd).U), *natal, orbeDeg,
                              eventos);
                }
            }
            jd = e->jdMaximo + 1;  // two eclipses of a kind are a lunar month apart at least
        }
    }

    // Ingresses of every body, stations of Mercury to Pluto.
    for (const EventoCielo& ev : ingresosLuna) {
        if (EnPeriodo(ev.jd, jdDesde, jdHasta)) eventos.push_back(ev);
    }
    for (int c = 1; c <= kCuerposCalendario; ++c) {
        if (c == kLuna) continue;
        std::vector<EventoCielo> estaciones;
        const std::vector<Muestra> m =
            Recorrido(eph, c, jdDesde, jdHasta, c >= kMercurio ? &estaciones : nullptr);
        for (const EventoCielo& ev : Ingresos(eph, c, m)) {
            if (EnPeriodo(ev.jd, jdDesde, jdHasta)) eventos.push_back(ev);
        }
        for (const EventoCielo& ev : estaciones) {
            if (EnPeriodo(ev.jd, jdDesde, jdHasta)) eventos.push_back(ev);
        }
    }

    // The void-of-course Moon: from the last aspect in each sign to the next ingress.
    for (size_t i = 1; i < ingresosLuna.size(); ++i) {
        const double entra = ingresosLuna[i - 1].jd, sale = ingresosLuna[i].jd;
        if (sale < jdDesde || !(entra < jdHasta)) continue;
        EventoCielo ev;
        ev.tipo = TipoEventoCielo::LunaVaciaDeCurso;
        ev.cuerpo = kLuna;
        ev.jd = entra;
        ev.jdFin = sale;
        for (const AspectoLunar& a : aspectos) {
            if (a.jd > entra && a.jd < sale) {
                ev.jd = a.jd;
                ev.anguloUltimo =
                    static_cast<int>(std::lround(std::min(a.elongacion, 360 - a.elongacion)));
                ev.cuerpoUltimo = a.cuerpo;
            }
        }
        if (!(ev.jd < jdHasta) || sale < jdDesde) continue;
        ev.lonDeg = UnaVuelta(Posicion(eph, kLuna, ev.jd).U);
        eventos.push_back(ev);
    }

    std::stable_sort(eventos.begin(), eventos.end(),
                     [](const EventoCielo& a, const EventoCielo& b) { return a.jd < b.jd; });
    return eventos;
}

}  // namespace natalis
