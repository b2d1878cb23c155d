// The calendar of the sky against independent computations: the ephemeris library's own
// eclipse searches called directly, and brute-force scans of the elongation, the sign and the
// speed's sign at hourly steps.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <vector>

#include "astro/AngleMath.h"
#include "astro/Calendar.h"
#include "astro/SwissEphemeris.h"
#include "predictive/CalendarioCielo.h"
#include "predictive/ConsultaCalendario.h"
#include "predictive/ConsultaPeriodo.h"

namespace natalis {
namespace {

constexpr double kHora = 1.0 / 24;

double Lon(Ephemeris& eph, int cuerpo, double jd, double* vel = nullptr) {
    double out[4];
    eph.CalcBody(jd, cuerpo - 1, out);
    if (vel) *vel = out[3];
    return out[0];
}

std::vector<EventoCielo> DeTipo(const std::vector<EventoCielo>& ev, TipoEventoCielo t,
                                int cuerpo = 0) {
    std::vector<EventoCielo> r;
    for (const EventoCielo& e : ev) {
        if (e.tipo == t && (cuerpo == 0 || e.cuerpo == cuerpo)) r.push_back(e);
    }
    return r;
}

// The instants of a scan at which f changes sign from the previous hour; the instant is the
// scan's later sample, so a true crossing lies in the hour before it.
template <class F>
std::vector<double> Barrido(double desde, double hasta, const F& f) {
    std::vector<double> cambios;
    double previo = f(desde);
    for (double t = desde + kHora; t < hasta; t += kHora) {
        const double actual = f(t);
        if (actual != previo) cambios.push_back(t);
        previo = actual;
    }
    return cambios;
}

// Each instant found lies in the hour the scan brackets, one for one.
void MismosInstantes(const std::vector<EventoCielo>& hallados, const std::vector<double>& barrido,
                     const char* que) {
    ASSERT_EQ(hallados.size(), barrido.size()) << que;
    for (size_t i = 0; i < hallados.size(); ++i) {
        EXPECT_GT(hallados[i].jd, barrido[i] - kHora - 1e-6) << que << " " << i;
        EXPECT_LE(hallados[i].jd, barrido[i] + 1e-6) << que << " " << i;
    }
}

class CalendarioCieloTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        eph_ = new SwissEphemeris();
        anio2025_ = new std::vector<EventoCielo>(
            CalendarioCielo(*eph_, JulDay(1, 1, 2025), JulDay(1, 1, 2026)));
    }
    static void TearDownTestSuite() {
        delete anio2025_;
        delete eph_;
    }
    static SwissEphemeris* eph_;
    static std::vector<EventoCielo>* anio2025_;
};
SwissEphemeris* CalendarioCieloTest::eph_ = nullptr;
std::vector<EventoCielo>* CalendarioCieloTest::anio2025_ = nullptr;

// The library's global searches called directly, one eclipse after another.
struct EclipseDirecto {
    double jd;
    int32 bits;
};
std::vector<EclipseDirecto> EclipsesDirectos(bool solar, double desde, double hasta) {
    std::vector<EclipseDirecto> r;
    double tret[10];
    char serr[AS_MAXCH];
    for (double jd = desde;;) {
        const int32 bits = solar ? swe_sol_eclipse_when_glob(jd, SEFLG_SWIEPH, 0, tret, 0, serr)
                                 : swe_lun_eclipse_when(jd, SEFLG_SWIEPH, 0, tret, 0, serr);
        if (bits <= 0 || tret[0] >= hasta) break;
        r.push_back({tret[0], bits});
        jd = tret[0] + 1;
    }
    return r;
}

TEST_F(CalendarioCieloTest, LosEclipsesDe2024a2027SonLosDeLaBibliotecaConSuTipo) {
    const double desde = JulDay(1, 1, 2024), hasta = JulDay(1, 1, 2028);
    const std::vector<EventoCielo> ev = CalendarioCielo(*eph_, desde, hasta);
    const auto solares = DeTipo(ev, TipoEventoCielo::EclipseSolar);
    const auto lunares = DeTipo(ev, TipoEventoCielo::EclipseLunar);
    ASSERT_EQ(solares.size(), 8u);
    ASSERT_EQ(lunares.size(), 9u);
    for (const bool solar : {true, false}) {
        const auto directos = EclipsesDirectos(solar, desde, hasta);
        const auto& nuestros = solar ? solares : lunares;
        ASSERT_EQ(directos.size(), nuestros.size());
        for (size_t i = 0; i < directos.size(); ++i) {
            EXPECT_DOUBLE_EQ(nuestros[i].jd, directos[i].jd);
            ASSERT_TRUE(nuestros[i].eclipse);
            const int32 b = directos[i].bits;
            const TipoEclipse esperado = (b & SE_ECL_ANNULAR_TOTAL) ? TipoEclipse::Hibrido
                                         : (b & SE_ECL_TOTAL)       ? TipoEclipse::Total
                                         : (b & SE_ECL_ANNULAR)     ? TipoEclipse::Anular
                                         : (b & SE_ECL_PARTIAL)     ? TipoEclipse::Parcial
                                                                    : TipoEclipse::Penumbral;
            EXPECT_EQ(*nuestros[i].eclipse, esperado) << i;
        }
    }
}

TEST_F(CalendarioCieloTest, EclipsesConocidosConSuFechaYTipo) {
    // Dates and kinds of the published canons of solar and lunar eclipses (NASA GSFC,
    // F. Espenak), greatest eclipse in UT.
    struct Caso {
        int d, m, a;
        TipoEventoCielo tipo;
        TipoEclipse kind;
    };
    const Caso casos[] = {
        {20, 4, 2023, TipoEventoCielo::EclipseSolar, TipoEclipse::Hibrido},
        {25, 3, 2024, TipoEventoCielo::EclipseLunar, TipoEclipse::Penumbral},
        {8, 4, 2024, TipoEventoCielo::EclipseSolar, TipoEclipse::Total},
        {18, 9, 2024, TipoEventoCielo::EclipseLunar, TipoEclipse::Parcial},
        {2, 10, 2024, TipoEventoCielo::EclipseSolar, TipoEclipse::Anular},
        {14, 3, 2025, TipoEventoCielo::EclipseLunar, TipoEclipse::Total},
        {29, 3, 2025, TipoEventoCielo::EclipseSolar, TipoEclipse::Parcial},
        {17, 2, 2026, TipoEventoCielo::EclipseSolar, TipoEclipse::Anular},
        {12, 8, 2026, TipoEventoCielo::EclipseSolar, TipoEclipse::Total},
        {2, 8, 2027, TipoEventoCielo::EclipseSolar, TipoEclipse::Total},
    };
    for (const Caso& c : casos) {
        const double dia = JulDay(c.d, c.m, c.a);
        const auto ev = DeTipo(CalendarioCielo(*eph_, dia, dia + 1), c.tipo);
        ASSERT_EQ(ev.size(), 1u) << c.d << "/" << c.m << "/" << c.a;
        EXPECT_EQ(*ev[0].eclipse, c.kind) << c.d << "/" << c.m << "/" << c.a;
    }
}

TEST_F(CalendarioCieloTest, LunacionesComoUnBarridoDeLaElongacion) {
    const double desde = JulDay(1, 1, 2025), hasta = JulDay(1, 1, 2026);
    for (const bool nueva : {true, false}) {
        const double objetivo = nueva ? 0 : 180;
        // The side of the target the elongation is on, while it is near it.
        const auto lado = [&](double t) {
            const double e = Reducir180(Lon(*eph_, 2, t) - Lon(*eph_, 1, t) - objetivo);
            return std::fabs(e) < 90 ? (e < 0 ? -1.0 : 1.0) : 0.0;
        };
        std::vector<double> cruces;
        for (double t : Barrido(desde, hasta, lado)) {
            if (lado(t) > 0 && lado(t - kHora) < 0) cruces.push_back(t);
        }
        const auto hallados =
            DeTipo(*anio2025_, nueva ? TipoEventoCielo::LunaNueva : TipoEventoCielo::LunaLlena);
        MismosInstantes(hallados, cruces, nueva ? "Luna nueva" : "Luna llena");
    }
    // Each New Moon is exact: the elongation there is 0 within a third of a second of arc.
    for (const EventoCielo& e : DeTipo(*anio2025_, TipoEventoCielo::LunaNueva)) {
        EXPECT_NEAR(Reducir180(Lon(*eph_, 2, e.jd) - Lon(*eph_, 1, e.jd)), 0, 1e-4);
    }
}

TEST_F(CalendarioCieloTest, IngresosComoUnBarridoDelSigno) {
    const double desde = JulDay(1, 1, 2025), hasta = JulDay(1, 1, 2026);
    for (int c = 1; c <= kCuerposCalendario; ++c) {
        const auto signo = [&](double t) { return std::floor(Lon(*eph_, c, t) / 30); };
        const auto hallados = DeTipo(*anio2025_, TipoEventoCielo::Ingreso, c);
        const std::vector<double> cambios = Barrido(desde, hasta, signo);
        MismosInstantes(hallados, cambios, ("ingresos del cuerpo " + std::to_string(c)).c_str());
        for (size_t i = 0; i < hallados.size() && i < cambios.size(); ++i) {
            EXPECT_EQ(hallados[i].signo, static_cast<int>(signo(cambios[i])) + 1) << c;
        }
    }
}

TEST_F(CalendarioCieloTest, EstacionesComoUnBarridoDelSignoDeLaVelocidad) {
    const double desde = JulDay(1, 1, 2025), hasta = JulDay(1, 1, 2026);
    int mercurio = 0;
    for (int c = 3; c <= kCuerposCalendario; ++c) {
        const auto sentido = [&](double t) {
            double v = 0;
            Lon(*eph_, c, t, &v);
            return v < 0 ? -1.0 : 1.0;
        };
        std::vector<EventoCielo> hallados;
        for (const EventoCielo& e : *anio2025_) {
            const bool estacion = e.tipo == TipoEventoCielo::EstacionRetrograda ||
                                  e.tipo == TipoEventoCielo::EstacionDirecta;
            if (estacion && e.cuerpo == c) hallados.push_back(e);
        }
        const std::vector<double> cambios = Barrido(desde, hasta, sentido);
        MismosInstantes(hallados, cambios, ("estaciones del cuerpo " + std::to_string(c)).c_str());
        for (size_t i = 0; i < hallados.size() && i < cambios.size(); ++i) {
            EXPECT_EQ(hallados[i].tipo, sentido(cambios[i]) < 0
                                            ? TipoEventoCielo::EstacionRetrograda
                                            : TipoEventoCielo::EstacionDirecta);
        }
        if (c == 3) mercurio = static_cast<int>(hallados.size());
    }
    // Mercury turns retrograde three times a year, and direct three times.
    EXPECT_EQ(mercurio, 6);
}

TEST_F(CalendarioCieloTest, LaLunaVaciaNoFormaAspectosHastaCambiarDeSigno) {
    const auto vacias = DeTipo(*anio2025_, TipoEventoCielo::LunaVaciaDeCurso);
    ASSERT_GT(vacias.size(), 150u);  // about one per sign the Moon crosses
    const auto ingresos = DeTipo(*anio2025_, TipoEventoCielo::Ingreso, 2);
    const double angulos[] = {0, 60, 90, 120, 180, 240, 270, 300};
    for (const EventoCielo& v : vacias) {
        ASSERT_LT(v.jd, v.jdFin);
        // It ends at one of the Moon's ingresses (or the first beyond the year).
        bool esIngreso = v.jdFin >= JulDay(1, 1, 2026);
        for (const EventoCielo& i : ingresos)
            esIngreso = esIngreso || std::fabs(i.jd - v.jdFin) < 1e-9;
        EXPECT_TRUE(esIngreso);
        ASSERT_TRUE(v.anguloUltimo);
        // It starts at an exact aspect to the body named.
        const double e = Lon(*eph_, 2, v.jd) - Lon(*eph_, v.cuerpoUltimo, v.jd);
        const double d = std::min(std::fabs(Reducir180(e - *v.anguloUltimo)),
                                  std::fabs(Reducir180(e + *v.anguloUltimo)));
        EXPECT_LT(d, 1e-4);
        // No aspect is exact between its start and its end: a scan of each elongation's
        // distance to the nearest aspect's place, hour by hour, never changes sign.
        for (int c = 1; c <= kCuerposCalendario; ++c) {
            if (c == 2) continue;
            const auto lado = [&](double t) {
                const double el = Lon(*eph_, 2, t) - Lon(*eph_, c, t);
                double mejor = 999;
                for (double a : angulos) {
                    const double x = Reducir180(el - a);
                    if (std::fabs(x) < std::fabs(mejor)) mejor = x;
                }
                return mejor;
            };
            double previo = lado(v.jd + 1e-4);
            for (double t = v.jd + kHora; t < v.jdFin; t += kHora) {
                const double actual = lado(t);
                EXPECT_FALSE(previo < 0 && actual >= 0) << "cuerpo " << c << " en " << t;
                previo = actual;
            }
        }
    }
}

TEST_F(CalendarioCieloTest, ContactosDeLunacionesYEclipsesConLosPuntosNatales) {
    // A chart whose Sun stands half a degree past the Moon of the total solar eclipse of
    // 8 April 2024, and whose Moon opposite the Full Moon of 23 April 2024 (the Sun's side).
    const double desde = JulDay(1, 4, 2024), hasta = JulDay(1, 5, 2024);
    const auto ev = CalendarioCielo(*eph_, desde, hasta);
    const auto eclipse = DeTipo(ev, TipoEventoCielo::EclipseSolar);
    const auto llena = DeTipo(ev, TipoEventoCielo::LunaLlena);
    ASSERT_EQ(eclipse.size(), 1u);
    ASSERT_EQ(llena.size(), 1u);
    NatalTables natal;
    for (int i = 1; i <= 12; ++i) natal.CuspideNatal[i].Lon = 15 + 30 * i + 0.37f;
    for (int i = 1; i <= 10; ++i) natal.PlanetaNatal[i].Lon = 200 + 7.3f * i;
    natal.PlanetaNatal[1].Lon = static_cast<float>(eclipse[0].lonDeg + 0.5);
    natal.PlanetaNatal[2].Lon = static_cast<float>(std::fmod(llena[0].lonDeg + 180 - 1.2, 360));
    const auto conCarta = CalendarioCielo(*eph_, desde, hasta, &natal, 2);
    std::vector<EventoCielo> contactos = DeTipo(conCarta, TipoEventoCielo::Contacto);
    // The eclipse and the New Moon at it touch the Sun; the Full Moon touches the Moon.
    int alSol = 0, eclipseAlSol = 0, llenaALaLuna = 0;
    for (const EventoCielo& c : contactos) {
        // The separation of the Moon's place (or the Sun's, opposite it) from the point.
        const double luna = Lon(*eph_, 2, c.jd);
        const double lonNatal = natal.PlanetaNatal[c.cuerpo].Lon;
        double sep = std::fabs(Reducir180(luna - lonNatal));
        if (c.de == TipoEventoCielo::LunaLlena)
            sep = std::min(sep, std::fabs(Reducir180(luna + 180 - lonNatal)));
        if (c.cuerpo <= 2) {
            EXPECT_NEAR(c.separacionDeg, sep, 1e-9);
        }
        if (c.cuerpo == 1) {
            ++alSol;
            EXPECT_NEAR(c.separacionDeg, 0.5, 0.05);
            if (c.de == TipoEventoCielo::EclipseSolar) {
                ++eclipseAlSol;
                EXPECT_EQ(*c.eclipse, TipoEclipse::Total);
            }
        }
        if (c.cuerpo == 2 && c.de == TipoEventoCielo::LunaLlena) {
            ++llenaALaLuna;
            EXPECT_NEAR(c.separacionDeg, 1.2, 0.01);
        }
    }
    EXPECT_EQ(alSol, 2);
    EXPECT_EQ(eclipseAlSol, 1);
    EXPECT_EQ(llenaALaLuna, 1);
    // Each contact follows its event directly.
    for (size_t i = 0; i < conCarta.size(); ++i) {
        if (conCarta[i].tipo != TipoEventoCielo::Contacto) continue;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(conCarta[i].jd, conCarta[i - 1].jd);
    }
    // A narrower orb leaves the Moon's contact out.
    const auto estrecho = CalendarioCielo(*eph_, desde, hasta, &natal, 1);
    for (const EventoCielo& c : DeTipo(estrecho, TipoEventoCielo::Contacto)) {
        EXPECT_NE(c.cuerpo, 2);
    }
    // Without a chart there is none.
    EXPECT_TRUE(DeTipo(ev, TipoEventoCielo::Contacto).empty());
}

TEST_F(CalendarioCieloTest, LineasDelEclipseEnUTYEnUnHuso) {
    const double dia = JulDay(8, 4, 2024);
    const auto ev = DeTipo(CalendarioCielo(*eph_, dia, dia + 1), TipoEventoCielo::EclipseSolar);
    ASSERT_EQ(ev.size(), 1u);
    // Greatest eclipse at 18:17:20 UT by the library's search called directly (18.288994 h),
    // the Sun at 19 Aries 24; Madrid's clock was two hours ahead (CEST), Mexico City's six
    // behind (CST), as the tz database gives them.
    const auto madrid = CamposEventoCielo(ev[0], RelojDeHuso("Europe/Madrid"));
    EXPECT_EQ(madrid[0], "2024-04-08 18:17");
    EXPECT_EQ(madrid[1], "2024-04-08 20:17");
    EXPECT_EQ(madrid[2], "+02:00:00 CEST");
    EXPECT_EQ(madrid[3], "Eclipse solar");
    EXPECT_EQ(madrid[4], "SOL");
    EXPECT_EQ(madrid[5], "19Ari24");
    EXPECT_EQ(madrid[6], "total");
    const auto mexico = CamposEventoCielo(ev[0], RelojDeHuso("America/Mexico_City"));
    EXPECT_EQ(mexico[1], "2024-04-08 12:17");
    EXPECT_EQ(mexico[2], "-06:00:00 CST");
    const auto ut = CamposEventoCielo(ev[0], RelojDeHuso(""));
    EXPECT_EQ(ut[1], ut[0]);
    EXPECT_EQ(ut[2], "+00:00:00 UT");
    EXPECT_EQ(LineaEventoCielo(ev[0], RelojDeHuso("")),
              "2024-04-08 18:17\t2024-04-08 18:17\t+00:00:00 UT\tEclipse solar\tSOL\t19Ari24\t"
              "total");
}

TEST_F(CalendarioCieloTest, ElRelojDeLaCarta) {
    NatalRecord r;
    r.ZoneHours = -2;  // two hours ahead of UT, typed by hand
    RelojCalendario reloj = RelojDeCarta(r);
    EXPECT_TRUE(reloj.zona.empty());
    EXPECT_EQ(reloj.offsetFijo, 7200);
    r.ZoneFrom.zone = "America/Argentina/Buenos_Aires";
    reloj = RelojDeCarta(r);
    EXPECT_EQ(reloj.zona, "America/Argentina/Buenos_Aires");
    EXPECT_EQ(RelojDeCarta(r, "Asia/Tokyo").zona, "Asia/Tokyo");
    // Ingresses are named by the sign entered, and a fixed clock has no name.
    EventoCielo e;
    e.jd = JulDay(20, 3, 2025) + 9.0 / 24;
    e.tipo = TipoEventoCielo::Ingreso;
    e.cuerpo = 1;
    e.signo = 1;
    const auto campos = CamposEventoCielo(e, RelojDeCarta(NatalRecord{}));
    EXPECT_EQ(campos[2], "+00:00:00");
    EXPECT_EQ(campos[6], "Aries");
}

TEST(ConsultaCalendarioTest, RechazaLoQueNoSePuedeCalcular) {
    struct Caso {
        ConsultaCalendario c;
        std::string mensaje;
    };
    const Caso casos[] = {
        {{"1 1 2025", "1 1 2024", "2", ""}, "La fecha final es anterior a la inicial."},
        {{"1 1 2025", "1 2 2025", "0", ""}, "El orbe debe ser un número de grados mayor que 0"},
        {{"1 1 2025", "1 2 2025", "2", "Marte/Olympus"},
         "La zona «Marte/Olympus» no está en la base de datos de husos horarios."},
    };
    for (const Caso& c : casos) {
        const CalendarioRevisado r = RevisarConsultaCalendario(c.c);
        EXPECT_FALSE(r.pedido);
        EXPECT_EQ(r.mensaje.rfind(c.mensaje, 0), 0u) << r.mensaje;
    }
    const CalendarioRevisado ok =
        RevisarConsultaCalendario({"1 1 2025", "31 12 2025", "1.5", "UTC"});
    ASSERT_TRUE(ok.pedido);
    EXPECT_DOUBLE_EQ(ok.pedido->jdDesde, JulDay(1, 1, 2025));
    EXPECT_DOUBLE_EQ(ok.pedido->jdHasta, JulDay(1, 1, 2026));
    EXPECT_DOUBLE_EQ(ok.pedido->orbeDeg, 1.5);
}

}  // namespace
}  // namespace natalis
