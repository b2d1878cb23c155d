// The time map: rows of the period search's hits, laid out and drawn on a Surface.
#include "predictive/MapaTiempo.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "astro/Calendar.h"
#include "astro/InstanteCivil.h"
#include "astro/NumberText.h"
#include "chart/Aspects.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {

namespace {

constexpr int kLuna = 2;
// The moving bodies from the slowest: Pluto ... Mars, Sun, Venus, Mercury, Moon.
constexpr int kOrdenCuerpos[] = {10, 9, 8, 7, 6, 5, 1, 4, 3, 2};

// Widths of a bar, in the surface's line widths: at entering and leaving, and at an exact
// pass. The bar is drawn as kTramos pieces per side of each pass, each as wide as the
// orb's closeness at its middle.
constexpr int kAnchoMinimo = 1, kAnchoMaximo = 7;
constexpr int kTramos = 6;

constexpr Color kColorTexto = 0xFFFFFF;  // console colour 15
constexpr Color kColorRejilla = 0x808080;
constexpr Color kColorBarra = 0x00FFFF;   // console colour 11
constexpr Color kColorExacto = 0xFFFF00;  // console colour 14
constexpr Color kColorHoy = 0xFF0000;     // console colour 12

constexpr double kTamanoTitulo = 11, kTamanoEtiqueta = 7, kTamanoFecha = 5.5;

int RangoMovil(const MapaTiempo& m, int movil) {
    if (m.pedido.tecnica == TecnicaPeriodo::ArcoSolar) return movil;
    for (int i = 0; i < 10; ++i) {
        if (kOrdenCuerpos[i] == movil) return i;
    }
    return movil;
}

std::string DiaMes(double jd, bool conAnio) {
    const InstanteCivil c = InstanteDeJD(jd);
    std::string t = std::to_string(c.dia) + "/" + std::to_string(c.mes);
    return conAnio ? t + "/" + std::to_string(c.anio) : t;
}

// Where the stay's bar begins and ends on the axis, and whether it runs on past an end.
struct Tramo {
    double desde, hasta;
    bool abiertoAntes, abiertoDespues;
};

Tramo TramoDe(const MapaTiempo& m, const PasoMapa& p) {
    const double a = m.pedido.jdDesde, b = m.pedido.jdHasta;
    const bool antes = !p.jdEntrada || *p.jdEntrada < a;
    const bool despues = !p.jdSalida || *p.jdSalida > b;
    return {antes ? a : *p.jdEntrada, despues ? b : *p.jdSalida, antes, despues};
}

// Closeness of the orb at t, 0 at entering or leaving, 1 at an exact pass: the nearest pass
// and the nearest boundary of its side, linear in time between them (the moving point's
// speed changes little over a stay, except near a station).
double Cercania(const PasoMapa& p, double t) {
    const double ent = p.jdEntrada.value_or(p.exactos.front() - 1e9);
    const double sal = p.jdSalida.value_or(p.exactos.back() + 1e9);
    double mejor = 0;
    for (size_t i = 0; i < p.exactos.size(); ++i) {
        const double e = p.exactos[i];
        // Between two passes the orb opens half-way.
        const double izq = i == 0 ? ent : 0.5 * (p.exactos[i - 1] + e);
        const double der = i + 1 == p.exactos.size() ? sal : 0.5 * (e + p.exactos[i + 1]);
        const double lado = t < e ? e - izq : der - e;
        if (lado <= 0) return 1;
        mejor = std::max(mejor, 1 - std::fabs(t - e) / lado);
    }
    return std::clamp(mejor, 0.0, 1.0);
}

void Texto(Surface& s, double x, double y, const std::string& t, double pt, Color c) {
    s.SetForeColor(c);
    s.SetFontSize(pt);
    s.PSet(x, y, kBackground);
    s.Print(t, false);
}

constexpr const char* kMeses[12] = {"ene", "feb", "mar", "abr", "may", "jun",
                                    "jul", "ago", "sep", "oct", "nov", "dic"};
constexpr int kMarcasMaximas = 40;

// The time axis: a dotted line down the rows at the first day of each month (of each year,
// or of every few years, for long periods), named above the rows; the year over its January.
void MarcasDelEje(const MapaTiempo& m, Surface& s, double yArriba, double yAbajo) {
    const double a = m.pedido.jdDesde, b = m.pedido.jdHasta;
    const InstanteCivil c0 = InstanteDeJD(a);
    const double anios = (b - a) / 365.25;
    const bool porAnios = anios > 3;
    const int pasoAnios = std::max(1, static_cast<int>(std::ceil(anios / kMarcasMaximas)));
    s.SetDrawWidth(1);
    int anio = c0.anio, mes = porAnios ? 1 : c0.mes;
    bool primera = true;
    for (int k = 0; k < 12 * kMarcasMaximas; ++k) {
        const double jd = JulDay(1, mes, anio);
        if (jd >= b) break;
        if (jd >= a) {
            const double x = XDeJd(m, jd);
            s.SetDrawStyle(LineStyle::Dot);
            s.Line(x, yArriba - 1, false, x, yAbajo, false, kColorRejilla);
            if (porAnios) {
                Texto(s, x + 0.2, yArriba - 2.2, std::to_string(anio), kTamanoFecha, kColorTexto);
            } else {
                Texto(s, x + 0.2, yArriba - 2.2, kMeses[mes - 1], kTamanoFecha, kColorTexto);
                if (mes == 1 || primera) {
                    Texto(s, x + 0.2, yArriba - 3.6, std::to_string(anio), kTamanoFecha,
                          kColorTexto);
                }
            }
            primera = false;
        }
        if (porAnios) {
            anio += pasoAnios;
        } else if (++mes > 12) {
            mes = 1;
            ++anio;
        }
    }
    s.SetDrawStyle(LineStyle::Solid);
    s.Line(kMapaX0, yArriba, false, kMapaX1, yArriba, false, kColorRejilla);
    s.Line(kMapaX0, yArriba, false, kMapaX0, yAbajo, false, kColorRejilla);
    s.Line(kMapaX1, yArriba, false, kMapaX1, yAbajo, false, kColorRejilla);
}

}  // namespace

MapaTiempo ArmarMapaTiempo(const std::vector<AspectoPeriodo>& aspectos, const PeriodoPedido& p,
                           bool conLuna) {
    MapaTiempo m;
    m.pedido = p;
    // Rows keyed by (rank of the moving point, natal point, aspect).
    std::map<std::tuple<int, int, int>, FilaMapa> filas;
    for (const AspectoPeriodo& a : aspectos) {
        if (!conLuna && a.movil == kLuna && p.tecnica != TecnicaPeriodo::ArcoSolar) continue;
        FilaMapa& f = filas[{RangoMovil(m, a.movil), a.natal, a.aspecto}];
        f.movil = a.movil;
        f.natal = a.natal;
        f.aspecto = a.aspecto;
        auto it = std::find_if(f.pasos.begin(), f.pasos.end(), [&](const PasoMapa& q) {
            return q.jdEntrada == a.jdEntrada && q.jdSalida == a.jdSalida;
        });
        if (it == f.pasos.end()) {
            f.pasos.push_back({a.jdEntrada, a.jdSalida, {}});
            it = f.pasos.end() - 1;
        }
        it->exactos.push_back(a.jdExacto);
    }
    for (auto& [clave, f] : filas) {
        for (PasoMapa& q : f.pasos) std::sort(q.exactos.begin(), q.exactos.end());
        std::sort(f.pasos.begin(), f.pasos.end(), [](const PasoMapa& x, const PasoMapa& y) {
            return x.exactos.front() < y.exactos.front();
        });
        m.filas.push_back(std::move(f));
    }
    return m;
}

int PaginasMapa(const MapaTiempo& m) {
    const int n = static_cast<int>(m.filas.size());
    return std::max(1, (n + kFilasPorPagina - 1) / kFilasPorPagina);
}

double XDeJd(const MapaTiempo& m, double jd) {
    const double a = m.pedido.jdDesde, b = m.pedido.jdHasta;
    return kMapaX0 + (kMapaX1 - kMapaX0) * (jd - a) / (b - a);
}

double JdDeX(const MapaTiempo& m, double x) {
    const double a = m.pedido.jdDesde, b = m.pedido.jdHasta;
    return a + (b - a) * (x - kMapaX0) / (kMapaX1 - kMapaX0);
}

double YDeFila(int fila) { return kMapaY0 + kMapaAltoFila * (fila % kFilasPorPagina + 0.5); }

std::string EtiquetaFilaMapa(const FilaMapa& f) {
    return EtiquetaPunto(f.movil) + " " + TablaAspectos[f.aspecto].Nombre + " " +
           EtiquetaPunto(f.natal);
}

void DibujarMapaTiempo(const MapaTiempo& m, int pagina, const std::string& titulo,
                       std::optional<double> jdHoy, Surface& s) {
    s.Cls();
    s.SetFont("Arial", kTamanoTitulo, true);
    Texto(s, 1, 0.8, titulo, kTamanoTitulo, kColorTexto);
    s.SetFontBold(false);
    const int total = PaginasMapa(m);
    if (total > 1) {
        Texto(s, 88, 0.8, "Página " + std::to_string(pagina + 1) + " de " + std::to_string(total),
              kTamanoEtiqueta, kColorTexto);
    }
    const int primera = pagina * kFilasPorPagina;
    const int ultima = std::min(static_cast<int>(m.filas.size()), primera + kFilasPorPagina);
    const double yFin = kMapaY0 + kMapaAltoFila * std::max(1, ultima - primera);
    MarcasDelEje(m, s, kMapaY0, yFin);

    const double largo = m.pedido.jdHasta - m.pedido.jdDesde;
    const bool conAnio = largo > 366;
    for (int i = primera; i < ultima; ++i) {
        const FilaMapa& f = m.filas[i];
        const double y = YDeFila(i);
        // A rule between the groups of two moving points.
        if (i > primera && m.filas[i - 1].movil != f.movil) {
            s.SetDrawStyle(LineStyle::Solid);
            s.SetDrawWidth(1);
            const double yr = y - kMapaAltoFila / 2;
            s.Line(1, yr, false, kMapaX1, yr, false, kColorRejilla);
        }
        Texto(s, 1, y - 0.6, EtiquetaFilaMapa(f), kTamanoEtiqueta, kColorTexto);
        s.SetDrawStyle(LineStyle::Solid);
        for (const PasoMapa& p : f.pasos) {
            const Tramo t = TramoDe(m, p);
            // The bar, piece by piece between its ends and its passes, as wide as the orb is
            // close at each piece's middle.
            std::vector<double> puntos = {t.desde};
            for (double e : p.exactos) {
                if (e > t.desde && e < t.hasta) puntos.push_back(e);
            }
            puntos.push_back(t.hasta);
            for (size_t k = 1; k < puntos.size(); ++k) {
                for (int j = 0; j < kTramos; ++j) {
                    const double c0 = puntos[k - 1] + (puntos[k] - puntos[k - 1]) * j / kTramos;
                    const double c1 =
                        puntos[k - 1] + (puntos[k] - puntos[k - 1]) * (j + 1) / kTramos;
                    const double cerca = Cercania(p, 0.5 * (c0 + c1));
                    s.SetDrawWidth(kAnchoMinimo + static_cast<int>(std::lround(
                                                      cerca * (kAnchoMaximo - kAnchoMinimo))));
                    s.Line(XDeJd(m, c0), y, false, XDeJd(m, c1), y, false, kColorBarra);
                }
            }
            // Closed ends get a cap; open ends an arrowhead pointing out of the period.
            s.SetDrawWidth(1);
            const double h = kMapaAltoFila * 0.3;
            for (const bool inicio : {true, false}) {
                const bool abierto = inicio ? t.abiertoAntes : t.abiertoDespues;
                const double x = XDeJd(m, inicio ? t.desde : t.hasta);
                if (abierto) {
                    const double dx = inicio ? 0.8 : -0.8;
                    s.Line(x + dx, y - h, false, x, y, false, kColorBarra);
                    s.Line(x, y, false, x + dx, y + h, false, kColorBarra);
                } else {
                    s.Line(x, y - h, false, x, y + h, false, kColorBarra);
                }
            }
            // Each exact pass inside the period: a tick and its date.
            for (double e : p.exactos) {
                if (e < m.pedido.jdDesde || e > m.pedido.jdHasta) continue;
                const double x = XDeJd(m, e);
                s.SetDrawWidth(2);
                s.Line(x, y - kMapaAltoFila * 0.45, false, x, y + kMapaAltoFila * 0.2, false,
                       kColorExacto);
                Texto(s, x + 0.2, y - kMapaAltoFila * 0.5, DiaMes(e, conAnio), kTamanoFecha,
                      kColorExacto);
            }
        }
    }
    if (jdHoy && *jdHoy >= m.pedido.jdDesde && *jdHoy <= m.pedido.jdHasta) {
        const double x = XDeJd(m, *jdHoy);
        s.SetDrawStyle(LineStyle::Solid);
        s.SetDrawWidth(2);
        s.Line(x, kMapaY0 - 1.5, false, x, yFin, false, kColorHoy);
        Texto(s, x + 0.3, kMapaY0 - 1.9, "hoy", kTamanoFecha, kColorHoy);
    }
    s.SetDrawWidth(1);
    s.SetDrawStyle(LineStyle::Solid);
}

std::optional<double> InstanteEnMapa(const MapaTiempo& m, int pagina, double x, double y) {
    const int fila =
        pagina * kFilasPorPagina + static_cast<int>(std::floor((y - kMapaY0) / kMapaAltoFila));
    if (y < kMapaY0 || fila < pagina * kFilasPorPagina ||
        fila >= std::min(static_cast<int>(m.filas.size()), (pagina + 1) * kFilasPorPagina)) {
        return std::nullopt;
    }
    const double jd = JdDeX(m, x);
    for (const PasoMapa& p : m.filas[fila].pasos) {
        const Tramo t = TramoDe(m, p);
        if (jd >= t.desde && jd <= t.hasta) return jd;
    }
    return std::nullopt;
}

}  // namespace natalis
