// The period search: stations, monotonic pieces, bracketed roots, and the stays within orb.
#include "predictive/BusquedaPeriodo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "astro/AngleMath.h"
#include "chart/Aspects.h"
#include "predictive/ListarProgresion.h"
#include "predictive/NumerosListado.h"

namespace natalis {

namespace {

constexpr double kTolRaizDias = 1e-5;      // Newton's last step, or the last bracket (0.9 s)
constexpr double kTolEstacionDias = 1e-7;  // width of a station's final bracket (0.009 s)
constexpr int kMaxIteraciones = 200;
constexpr int kPasosPrimeraExtension = 8;  // first reach beyond the period, in steps

// A place of the moving longitude that the search looks for: an exact aspect or one of its
// two orb boundaries, of target `objetivo`.
enum class Tipo : uint8_t { Exacto, Borde };

struct Objetivo {
    int natal;      // 1..16
    int aspecto;    // index in TablaAspectos
    double lonDeg;  // the exact place, 0 up to 360
};

struct Nivel {
    double lonDeg;  // 0 up to 360
    int objetivo;
    Tipo tipo;
};

// A sample of the track: time, longitude unwrapped along the track, rate.
struct Nudo {
    double t;
    double U;
    double v;
};

struct Evento {
    int objetivo;
    Tipo tipo;
    double t;
};

int Signo(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// The targets of the sixteen natal points, and their places sorted by longitude.
void Objetivos(const NatalTables& natal, double orbe, std::vector<Objetivo>& objetivos,
               std::vector<Nivel>& niveles) {
    const std::vector<PuntoListado> puntos = PuntosNatalesListado(natal);
    const std::vector<int> numeros = NumerosNatalesListado(natal);
    for (size_t i = 0; i < puntos.size(); ++i) {
        const int n = numeros[i];
        const double lonNatal = puntos[i].Lon;
        for (int k = 0; k < kNumAspectos; ++k) {
            const int a = TablaAspectos[k].Angulo;
            objetivos.push_back({n, k, UnaVuelta(lonNatal + a)});
            if (a != 0 && a != 180) objetivos.push_back({n, k, UnaVuelta(lonNatal - a)});
        }
    }
    for (int j = 0; j < static_cast<int>(objetivos.size()); ++j) {
        const double lon = objetivos[j].lonDeg;
        niveles.push_back({lon, j, Tipo::Exacto});
        niveles.push_back({UnaVuelta(lon - orbe), j, Tipo::Borde});
        niveles.push_back({UnaVuelta(lon + orbe), j, Tipo::Borde});
    }
    std::sort(niveles.begin(), niveles.end(),
              [](const Nivel& a, const Nivel& b) { return a.lonDeg < b.lonDeg; });
}

Nudo Muestra(PuntoMovil& p, double t, double referenciaU) {
    const PosicionMovil pos = p.posicion(t);
    return {t, referenciaU + Reducir180(pos.lonDeg - referenciaU), pos.velDegPorDia};
}

// The station between a and b, whose rates have opposite signs: bisection on the rate.
Nudo Estacion(PuntoMovil& p, const Nudo& a, const Nudo& b) {
    Nudo lo = a, hi = b;
    for (int i = 0; i < kMaxIteraciones && hi.t - lo.t > kTolEstacionDias; ++i) {
        const Nudo m = Muestra(p, 0.5 * (lo.t + hi.t), lo.U);
        if (m.v == 0) return m;
        (Signo(m.v) == Signo(lo.v) ? lo : hi) = m;
    }
    // The end whose rate is nearer 0; both lie within kTolEstacionDias of the turn.
    return std::fabs(lo.v) <= std::fabs(hi.v) ? lo : hi;
}

// The samples of [a, b] at steps of at most p.pasoDias, with the stations between them.
std::vector<Nudo> Recorrido(PuntoMovil& p, double a, double b) {
    const int n = std::max(1, static_cast<int>(std::ceil((b - a) / p.pasoDias - 1e-9)));
    std::vector<Nudo> nudos;
    nudos.reserve(n + 8);
    Nudo previo = Muestra(p, a, 0);
    previo.U = UnaVuelta(previo.U);
    nudos.push_back(previo);
    for (int i = 1; i <= n; ++i) {
        const double t = i == n ? b : a + (b - a) * i / n;
        const Nudo actual = Muestra(p, t, previo.U);
        if (Signo(previo.v) * Signo(actual.v) < 0) nudos.push_back(Estacion(p, previo, actual));
        nudos.push_back(actual);
        previo = actual;
    }
    return nudos;
}

// First guess for the instant the cubic through a and b (values and rates) reaches w.
double Hermite(const Nudo& a, const Nudo& b, double w) {
    const double h = b.t - a.t;
    double s = (w - a.U) / (b.U - a.U);
    for (int i = 0; i < 4; ++i) {
        const double s2 = s * s, s3 = s2 * s;
        const double H = (2 * s3 - 3 * s2 + 1) * a.U + (s3 - 2 * s2 + s) * h * a.v +
                         (-2 * s3 + 3 * s2) * b.U + (s3 - s2) * h * b.v;
        const double dH = (6 * s2 - 6 * s) * a.U + (3 * s2 - 4 * s + 1) * h * a.v +
                          (-6 * s2 + 6 * s) * b.U + (3 * s2 - 2 * s) * h * b.v;
        if (dH == 0 || !std::isfinite(dH)) break;
        s = std::clamp(s - (H - w) / dH, 0.0, 1.0);
    }
    return a.t + s * h;
}

// The instant within the monotonic piece a..b at which the unwrapped longitude equals w,
// which lies between a.U (excluded) and b.U (included): Newton's method on the point's own
// longitude and rate, falling back to bisection whenever a step would leave the bracket.
double Raiz(PuntoMovil& p, const Nudo& a, const Nudo& b, double w) {
    if (b.U == w) return b.t;
    const int signoA = Signo(a.U - w);
    double lo = a.t, hi = b.t;
    double t = Hermite(a, b, w);
    for (int i = 0; i < kMaxIteraciones; ++i) {
        const PosicionMovil pos = p.posicion(t);
        const double g = a.U + Reducir180(pos.lonDeg - a.U) - w;
        if (g == 0) return t;
        (Signo(g) == signoA ? lo : hi) = t;
        const double paso = pos.velDegPorDia != 0 ? g / pos.velDegPorDia : hi - lo;
        double siguiente = t - paso;
        // A short step that stays in the bracket is the last: the instant it reaches is
        // closer still (Newton's error falls with the square of the step).
        if (std::fabs(paso) < kTolRaizDias && siguiente >= lo && siguiente <= hi) return siguiente;
        if (!(siguiente > lo && siguiente < hi)) siguiente = 0.5 * (lo + hi);
        if (hi - lo < kTolRaizDias) return siguiente;
        t = siguiente;
    }
    return t;
}

// Every crossing, within the track, of the places in niveles, appended to eventos. A piece
// going forwards takes the places in (a.U, b.U], one going backwards those in [b.U, a.U), so
// that a place met exactly at a sample or a station counts once.
void Cruces(PuntoMovil& p, const std::vector<Nudo>& nudos, const std::vector<Nivel>& niveles,
            std::vector<Evento>& eventos) {
    const auto menor = [](const Nivel& n, double x) { return n.lonDeg < x; };
    const auto mayor = [](double x, const Nivel& n) { return x < n.lonDeg; };
    for (size_t i = 1; i < nudos.size(); ++i) {
        const Nudo& a = nudos[i - 1];
        const Nudo& b = nudos[i];
        if (a.U == b.U) continue;
        const bool avanza = b.U > a.U;
        const double bajo = std::min(a.U, b.U), alto = std::max(a.U, b.U);
        for (double vuelta = 360.0 * std::floor(bajo / 360.0); vuelta <= alto; vuelta += 360.0) {
            auto desde =
                avanza ? std::upper_bound(niveles.begin(), niveles.end(), a.U - vuelta, mayor)
                       : std::lower_bound(niveles.begin(), niveles.end(), b.U - vuelta, menor);
            auto hasta =
                avanza ? std::upper_bound(niveles.begin(), niveles.end(), b.U - vuelta, mayor)
                       : std::lower_bound(niveles.begin(), niveles.end(), a.U - vuelta, menor);
            for (auto it = desde; it < hasta; ++it) {
                eventos.push_back({it->objetivo, it->tipo, Raiz(p, a, b, it->lonDeg + vuelta)});
            }
        }
    }
}

bool DentroDelOrbe(double lonDeg, const Objetivo& o, double orbe) {
    return std::fabs(Reducir180(lonDeg - o.lonDeg)) <= orbe;
}

// The hits of one moving point. The track first covers the period; while some target is
// within orb at an end of the track with no orb boundary crossed between that end and the
// period, the track grows on that side (doubling its reach) up to kAlcanceMaximoDias.
void BuscarMovil(PuntoMovil& p, const std::vector<Objetivo>& objetivos,
                 const std::vector<Nivel>& niveles, double desde, double hasta, double orbe,
                 std::vector<AspectoPeriodo>& aspectos) {
    std::vector<Evento> eventos;
    std::vector<Nudo> tramo = Recorrido(p, desde, hasta);
    // Room for every place crossed on the way, so that the Moon's events of a century (about
    // a million) are not moved while they grow.
    double camino = 0;
    for (size_t i = 1; i < tramo.size(); ++i) camino += std::fabs(tramo[i].U - tramo[i - 1].U);
    eventos.reserve(static_cast<size_t>(niveles.size() * (camino / 360.0 + 1)));
    Cruces(p, tramo, niveles, eventos);
    double lo = desde, hi = hasta;
    double lonLo = UnaVuelta(tramo.front().U), lonHi = UnaVuelta(tramo.back().U);
    double alcanceAtras = kPasosPrimeraExtension * p.pasoDias;
    double alcanceAdelante = alcanceAtras;
    const int nObj = static_cast<int>(objetivos.size());
    std::vector<char> bordeAntes(nObj), bordeDespues(nObj);
    while (true) {
        std::fill(bordeAntes.begin(), bordeAntes.end(), 0);
        std::fill(bordeDespues.begin(), bordeDespues.end(), 0);
        for (const Evento& e : eventos) {
            if (e.tipo != Tipo::Borde) continue;
            if (e.t < desde) bordeAntes[e.objetivo] = 1;
            if (e.t > hasta) bordeDespues[e.objetivo] = 1;
        }
        bool atras = false, adelante = false;
        for (int j = 0; j < nObj; ++j) {
            atras = atras || (!bordeAntes[j] && DentroDelOrbe(lonLo, objetivos[j], orbe));
            adelante = adelante || (!bordeDespues[j] && DentroDelOrbe(lonHi, objetivos[j], orbe));
        }
        atras = atras && lo > desde - kAlcanceMaximoDias;
        adelante = adelante && hi < hasta + kAlcanceMaximoDias;
        if (!atras && !adelante) break;
        if (atras) {
            const double nuevo = std::max(lo - alcanceAtras, desde - kAlcanceMaximoDias);
            tramo = Recorrido(p, nuevo, lo);
            Cruces(p, tramo, niveles, eventos);
            lonLo = UnaVuelta(tramo.front().U);
            lo = nuevo;
            alcanceAtras *= 2;
        }
        if (adelante) {
            const double nuevo = std::min(hi + alcanceAdelante, hasta + kAlcanceMaximoDias);
            tramo = Recorrido(p, hi, nuevo);
            Cruces(p, tramo, niveles, eventos);
            lonHi = UnaVuelta(tramo.back().U);
            hi = nuevo;
            alcanceAdelante *= 2;
        }
    }

    std::sort(eventos.begin(), eventos.end(), [](const Evento& a, const Evento& b) {
        return a.objetivo != b.objetivo ? a.objetivo < b.objetivo : a.t < b.t;
    });
    aspectos.reserve(aspectos.size() +
                     std::count_if(eventos.begin(), eventos.end(),
                                   [](const Evento& e) { return e.tipo == Tipo::Exacto; }));
    // For each exact pass: the nearest orb boundary before and after it, of the same target.
    for (size_t i = 0; i < eventos.size(); ++i) {
        const Evento& e = eventos[i];
        if (e.tipo != Tipo::Exacto) continue;
        AspectoPeriodo a;
        a.movil = static_cast<int16_t>(p.punto);
        a.natal = static_cast<int16_t>(objetivos[e.objetivo].natal);
        a.aspecto = static_cast<int16_t>(objetivos[e.objetivo].aspecto);
        a.jdExacto = e.t;
        for (size_t j = i; j-- > 0 && eventos[j].objetivo == e.objetivo;) {
            if (eventos[j].tipo == Tipo::Borde) {
                a.jdEntrada = eventos[j].t;
                break;
            }
        }
        for (size_t j = i + 1; j < eventos.size() && eventos[j].objetivo == e.objetivo; ++j) {
            if (eventos[j].tipo == Tipo::Borde) {
                a.jdSalida = eventos[j].t;
                break;
            }
        }
        const bool salePasadoDesde = !a.jdSalida || *a.jdSalida >= desde;
        const bool entraAntesDeHasta = !a.jdEntrada || *a.jdEntrada <= hasta;
        if (salePasadoDesde && entraAntesDeHasta) aspectos.push_back(a);
    }
}

}  // namespace

std::vector<AspectoPeriodo> BuscarAspectosPeriodo(std::vector<PuntoMovil>& moviles,
                                                  const NatalTables& natal, double jdDesde,
                                                  double jdHasta, double orbeDeg) {
    std::vector<AspectoPeriodo> aspectos;
    if (!std::isfinite(jdDesde) || !std::isfinite(jdHasta) || jdHasta < jdDesde ||
        !(orbeDeg > 0 && orbeDeg <= kOrbeMaximoPeriodo)) {
        return aspectos;
    }
    std::vector<Objetivo> objetivos;
    std::vector<Nivel> niveles;
    Objetivos(natal, orbeDeg, objetivos, niveles);
    // Each point's hits in a vector of their own, sized to its exact passes, joined at the end
    // into one of the exact size, each freed once copied: a single growing vector would hold
    // up to three times the hits while it moves them.
    std::vector<std::vector<AspectoPeriodo>> porMovil;
    size_t total = 0;
    for (PuntoMovil& p : moviles) {
        if (!p.posicion || !(p.pasoDias > 0)) continue;
        porMovil.emplace_back();
        BuscarMovil(p, objetivos, niveles, jdDesde, jdHasta, orbeDeg, porMovil.back());
        total += porMovil.back().size();
    }
    aspectos.reserve(total);
    for (std::vector<AspectoPeriodo>& v : porMovil) {
        aspectos.insert(aspectos.end(), v.begin(), v.end());
        std::vector<AspectoPeriodo>().swap(v);
    }
    std::sort(aspectos.begin(), aspectos.end(),
              [](const AspectoPeriodo& a, const AspectoPeriodo& b) {
                  if (a.jdExacto != b.jdExacto) return a.jdExacto < b.jdExacto;
                  if (a.movil != b.movil) return a.movil < b.movil;
                  if (a.aspecto != b.aspecto) return a.aspecto < b.aspecto;
                  return a.natal < b.natal;
              });
    return aspectos;
}

}  // namespace natalis
