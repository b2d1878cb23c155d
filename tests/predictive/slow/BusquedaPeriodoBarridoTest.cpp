// The period search against a brute-force scan: a sample chart's year of transits, the ten
// bodies' longitudes taken from the ephemeris at every minute, every change of side of the
// separation measured against each aspect angle and each orb boundary. Slow (about a minute):
// labelled "slow" in CTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "app/model/ChartFile.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "chart/Aspects.h"
#include "chart/CalcularNatal.h"
#include "predictive/BusquedaPeriodo.h"
#include "predictive/ListarProgresion.h"
#include "predictive/PuntosMoviles.h"

namespace natalis {
namespace {

constexpr double kMinuto = 1.0 / 1440;
constexpr double kOrbe = 1;

// Moving body (1..10), natal point (1..16), aspect (table index).
using Clave = std::tuple<int, int, int>;

struct Cruce {
    double t;
    bool exacto;  // false: an orb boundary
};

// The signed separation lon - natal, -180 up to 180, and its magnitude.
double Firmada(double lon, double natal) {
    double s = std::fmod(lon - natal, 360.0);
    if (s > 180) s -= 360;
    if (s <= -180) s += 360;
    return s;
}

// The instant between two samples a minute apart at which x (taken as linear) reaches 0.
double Interpolado(double t0, double x0, double x1) { return t0 + kMinuto * x0 / (x0 - x1); }

struct Barrido {
    std::map<Clave, std::vector<Cruce>> cruces;
    double desde = 0, hasta = 0;  // the instants scanned
};

// Every minute from desde to hasta: for each body and natal point the separation s and its
// magnitude d (0..180). An aspect of angle A is exact where d crosses A (for 0 degrees where
// s changes sign, for 180 where s jumps across the opposite point); its orb boundaries are
// where d crosses A - orb and A + orb.
Barrido Barrer(Ephemeris& eph, const NatalTables& natal, double desde, double hasta) {
    Barrido b;
    b.desde = desde;
    b.hasta = hasta;
    double lonNatal[17];
    for (int n = 1; n <= 16; ++n) lonNatal[n] = PuntoNatalListado(natal, n).Lon;
    double sPrevia[11][17];
    std::vector<Cruce> porClave[11][17][kNumAspectos];  // a flat table: the scan's inner loop
    const long minutos = std::lround((hasta - desde) * 1440);
    for (long i = 0; i <= minutos; ++i) {
        const double t = desde + i * kMinuto;
        for (int c = 1; c <= 10; ++c) {
            double out[4];
            eph.CalcBody(t, c - 1, out);
            for (int n = 1; n <= 16; ++n) {
                const double s = Firmada(out[0], lonNatal[n]);
                const double s0 = sPrevia[c][n];
                sPrevia[c][n] = s;
                if (i == 0) continue;
                const double t0 = t - kMinuto;
                const double d = std::fabs(s), d0 = std::fabs(s0);
                const bool salto = std::fabs(s - s0) > 180;
                for (int k = 0; k < kNumAspectos; ++k) {
                    const double a = TablaAspectos[k].Angulo;
                    auto& lista = porClave[c][n][k];
                    if (a == 0) {
                        if (!salto && (s0 < 0) != (s < 0)) {
                            lista.push_back({Interpolado(t0, s0, s), true});
                        }
                    } else if (a == 180) {
                        if (salto) {
                            const double x0 = s0 > 0 ? s0 - 180 : s0 + 180;
                            const double x1 = s > 0 ? s - 180 : s + 180;
                            lista.push_back({Interpolado(t0, x0, x1), true});
                        }
                    } else if ((d0 < a) != (d < a)) {
                        lista.push_back({Interpolado(t0, d0 - a, d - a), true});
                    }
                    for (double borde : {a - kOrbe, a + kOrbe}) {
                        if (borde <= 0 || borde >= 180) continue;
                        if ((d0 < borde) != (d < borde)) {
                            lista.push_back({Interpolado(t0, d0 - borde, d - borde), false});
                        }
                    }
                }
            }
        }
    }
    for (int c = 1; c <= 10; ++c) {
        for (int n = 1; n <= 16; ++n) {
            for (int k = 0; k < kNumAspectos; ++k)
                b.cruces[{c, n, k}] = std::move(porClave[c][n][k]);
        }
    }
    return b;
}

struct Esperado {
    double exacto;
    std::optional<double> entrada, salida;  // empty: beyond the scan
};

// The scan's hits whose stay within orb overlaps the period, as far as the scan shows it:
// an end beyond the scan lies beyond the period too.
std::map<Clave, std::vector<Esperado>> Esperados(const Barrido& b, double desde, double hasta) {
    std::map<Clave, std::vector<Esperado>> r;
    for (const auto& [clave, lista] : b.cruces) {
        for (size_t i = 0; i < lista.size(); ++i) {
            if (!lista[i].exacto) continue;
            Esperado e{lista[i].t, std::nullopt, std::nullopt};
            for (size_t j = i; j-- > 0;) {
                if (!lista[j].exacto) {
                    e.entrada = lista[j].t;
                    break;
                }
            }
            for (size_t j = i + 1; j < lista.size(); ++j) {
                if (!lista[j].exacto) {
                    e.salida = lista[j].t;
                    break;
                }
            }
            if ((!e.salida || *e.salida >= desde) && (!e.entrada || *e.entrada <= hasta)) {
                r[clave].push_back(e);
            }
        }
    }
    return r;
}

TEST(BusquedaPeriodoBarrido, YearOfTransitsMatchesAMinuteByMinuteScan) {
    NatalRecord rec;
    ASSERT_TRUE(
        ReadChartFile(std::string(NATALIS_SOURCE_DIR) + "/charts", "Ana_Lucia_Ferreyra.dat", rec)
            .ok);
    SwissEphemeris eph;
    ChartTables tables;
    CalcularNatal(rec, SistemaCasas::Placido, eph, tables);
    const double desde = JulDay(1, 1, 2024), hasta = JulDay(1, 1, 2025);

    std::vector<PuntoMovil> moviles =
        PuntosMoviles(TecnicaPeriodo::Transitos, tables.natal, 0, eph);
    const std::vector<AspectoPeriodo> hallados =
        BuscarAspectosPeriodo(moviles, tables.natal, desde, hasta, kOrbe);

    // Two days of scan on either side show the orb instants of most hits near the ends.
    const auto inicio = std::chrono::steady_clock::now();
    const Barrido barrido = Barrer(eph, tables.natal, desde - 2, hasta + 2);
    const double segundos =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    auto esperados = Esperados(barrido, desde, hasta);

    // A search instant agrees with the scan's when they are within a minute; the search's
    // instants that fall within the scan must be crossings the scan saw.
    double peorExacto = 0, peorBorde = 0;
    size_t contados = 0, fueraDelBarrido = 0;
    const auto bordeVisto = [&](const Clave& clave, double t) {
        const auto& lista = barrido.cruces.at(clave);
        return std::any_of(lista.begin(), lista.end(), [&](const Cruce& c) {
            return !c.exacto && std::fabs(c.t - t) <= kMinuto;
        });
    };
    for (const AspectoPeriodo& h : hallados) {
        const Clave clave{h.movil, h.natal, h.aspecto};
        SCOPED_TRACE(EtiquetaPunto(h.movil) + " " + TablaAspectos[h.aspecto].Nombre + " " +
                     EtiquetaPunto(h.natal) + " exacto " + std::to_string(h.jdExacto));
        ASSERT_TRUE(h.jdEntrada && h.jdSalida);
        for (double borde : {*h.jdEntrada, *h.jdSalida}) {
            if (borde > barrido.desde && borde < barrido.hasta) {
                EXPECT_TRUE(bordeVisto(clave, borde));
            }
        }
        if (h.jdExacto < barrido.desde || h.jdExacto > barrido.hasta) {
            ++fueraDelBarrido;  // within orb over the whole of one end of the scan
            EXPECT_TRUE(*h.jdSalida >= desde && *h.jdEntrada <= hasta);
            continue;
        }
        auto& lista = esperados[clave];
        const auto it = std::find_if(lista.begin(), lista.end(), [&](const Esperado& e) {
            return std::fabs(e.exacto - h.jdExacto) <= kMinuto;
        });
        ASSERT_NE(it, lista.end()) << "the scan has no such exact pass";
        peorExacto = std::max(peorExacto, std::fabs(it->exacto - h.jdExacto));
        if (it->entrada) {
            EXPECT_NEAR(*h.jdEntrada, *it->entrada, kMinuto);
            peorBorde = std::max(peorBorde, std::fabs(*it->entrada - *h.jdEntrada));
        } else {
            EXPECT_LT(*h.jdEntrada, barrido.desde);
        }
        if (it->salida) {
            EXPECT_NEAR(*h.jdSalida, *it->salida, kMinuto);
            peorBorde = std::max(peorBorde, std::fabs(*it->salida - *h.jdSalida));
        } else {
            EXPECT_GT(*h.jdSalida, barrido.hasta);
        }
        lista.erase(it);
        ++contados;
    }
    // Every hit of the scan was matched.
    for (const auto& [clave, lista] : esperados) {
        for (const Esperado& e : lista) {
            ADD_FAILURE() << EtiquetaPunto(std::get<0>(clave)) << " "
                          << TablaAspectos[std::get<2>(clave)].Nombre << " "
                          << EtiquetaPunto(std::get<1>(clave)) << " exacto " << e.exacto
                          << ": the search missed it";
        }
    }
    EXPECT_GT(contados, 4000u);
    std::printf(
        "%zu aspectos (%zu exactos fuera del barrido); peor diferencia: exacto %.2f s, "
        "orbe %.2f s; barrido %.1f s\n",
        hallados.size(), fueraDelBarrido, peorExacto * 86400, peorBorde * 86400, segundos);
}

}  // namespace
}  // namespace natalis
