#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "app/model/FormatoAaf.h"
#include "astro/InstanteCivil.h"
#include "astro/TextTrim.h"
#include "tests/app/model/IntercambioPrueba.h"

namespace natalis {
namespace {

using prueba::InstanteDe;
using prueba::JdnGregoriano;
using prueba::JdnJuliano;

CartaLeida Unica(const Lectura& l) {
    EXPECT_TRUE(l.error.empty()) << l.error;
    EXPECT_EQ(l.cartas.size(), 1u);
    return l.cartas.at(0);
}

bool AlgunAvisoDice(const CartaLeida& c, const std::string& texto) {
    for (const std::string& a : c.avisos)
        if (a.find(texto) != std::string::npos) return true;
    return false;
}

TEST(FormatoAaf, ReadsEveryFieldOfAChart) {
    const CartaLeida& c =
        Unica(LeerAaf("#: hecho a mano\r\n"
                      "#A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,ES\r\n"
                      "#B93:*,37n23,5w59,1he00,0\r\n"));
    ASSERT_TRUE(c.registro) << c.rechazo;
    const NatalRecord& r = *c.registro;
    EXPECT_EQ(c.origen, "renglón 2");
    EXPECT_EQ(TrimBlanks(r.NatalName), "Ana Pérez");
    EXPECT_EQ(r.NatalDay, 14);
    EXPECT_EQ(r.NatalMonth, 3);
    EXPECT_EQ(r.NatalYear, 1975);
    EXPECT_EQ(r.TimeText, "09:30:00");
    EXPECT_FLOAT_EQ(r.ZoneHours, -1.0f);  // an hour ahead of universal time
    EXPECT_EQ(r.LatText, "37.23N");
    EXPECT_EQ(r.LonText, "005.59W");
    EXPECT_EQ(TrimBlanks(r.Place), "Sevilla, ES");
    EXPECT_EQ(c.notas, "");
    EXPECT_TRUE(c.avisos.empty());
    // 14 March 1975 0 h UT is JD 2442485.5 (1 January 1975 is 2442413.5, plus 72 days);
    // 9:30 an hour ahead is 8:30 UT.
    EXPECT_NEAR(InstanteDe(r), 2442485.5 + 8.5 / 24, 1.0 / 86400);
}

// The Julian day is the instant; fields that disagree with it are reported, not used.
TEST(FormatoAaf, TheJulianDayWinsAndTheDisagreementIsReported) {
    const double jd = 2442485.5 + 8.5 / 24;  // 14.3.1975 8:30 UT
    char b93[80];
    std::snprintf(b93, sizeof b93, "#B93:%.6f,37n23,5w59,1he00,0\n", jd);
    const CartaLeida& c =
        Unica(LeerAaf(std::string("#A93:Pérez,Ana,f,14.3.1975g,10:30,Sevilla,ES\n") + b93));
    ASSERT_TRUE(c.registro) << c.rechazo;
    EXPECT_EQ(c.registro->TimeText, "09:30:00");
    EXPECT_NEAR(InstanteDe(*c.registro), jd, 1.0 / 86400);
    ASSERT_EQ(c.avisos.size(), 1u);
    EXPECT_EQ(c.avisos[0],
              "la fecha y la hora (14.3.1975 10:30) no concuerdan con el día juliano, que da "
              "14.3.1975 9:30:00; vale el día juliano");

    // Within the minute the time is given to, there is nothing to report.
    std::snprintf(b93, sizeof b93, "#B93:%.6f,37n23,5w59,1he00,0\n", jd + 20.0 / 86400);
    const CartaLeida& d =
        Unica(LeerAaf(std::string("#A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,ES\n") + b93));
    ASSERT_TRUE(d.registro);
    EXPECT_EQ(d.registro->TimeText, "09:30:20");
    EXPECT_TRUE(d.avisos.empty());
}

// Dates marked j are Julian-calendar dates, converted to the program's calendar (Gregorian
// from 1583 on); dates marked g before 1583 go the other way.
TEST(FormatoAaf, CalendarsAreConvertedNotAssumed) {
    struct Caso {
        const char* fecha;
        long jdn;  // the independent day number of the date in its own calendar
    };
    const Caso casos[] = {
        {"9.6.1672j", JdnJuliano(1672, 6, 9)},        {"20.2.1700j", JdnJuliano(1700, 2, 20)},
        {"12.4.1961j", JdnJuliano(1961, 4, 12)},      {"1.1.1500g", JdnGregoriano(1500, 1, 1)},
        {"15.3.-43j", JdnJuliano(-43, 3, 15)},        {"4.10.1582j", JdnJuliano(1582, 10, 4)},
        {"15.10.1582g", JdnGregoriano(1582, 10, 15)}, {"1.3.2000", JdnGregoriano(2000, 3, 1)},
    };
    for (const Caso& caso : casos) {
        const CartaLeida c = Unica(LeerAaf(std::string("#A93:X,*,e,") + caso.fecha +
                                           ",12:00,Roma,IT\n#B93:*,41n54,12e29,0he00,0\n"));
        ASSERT_TRUE(c.registro) << caso.fecha << ": " << c.rechazo;
        const NatalRecord& r = *c.registro;
        EXPECT_EQ(prueba::JdnPrograma(r.NatalYear, r.NatalMonth, r.NatalDay), caso.jdn)
            << caso.fecha << " read as " << r.NatalDay << "." << r.NatalMonth << "." << r.NatalYear;
        EXPECT_EQ(r.TimeText, "12:00:00");
    }
}

// A letter of the place or of any other field is never taken for a morning or an afternoon;
// a time with one is refused rather than guessed.
TEST(FormatoAaf, NoLetterIsReadAsMorningOrAfternoon) {
    const CartaLeida& c =
        Unica(LeerAaf("#A93:Pampa,Amparo,f,1.1.1950g,10:00,Pamplona,Amposta PM\n"
                      "#B93:*,42n49,1w39,1he00,0\n"));
    ASSERT_TRUE(c.registro) << c.rechazo;
    EXPECT_EQ(c.registro->TimeText, "10:00:00");
    const CartaLeida d = Unica(
        LeerAaf("#A93:Pampa,Amparo,f,1.1.1950g,10:00pm,Pamplona,ES\n#B93:*,42n49,1w39,1he00,0\n"));
    EXPECT_FALSE(d.registro);
    EXPECT_EQ(d.rechazo, "la hora «10:00pm» no es del tipo hh:mm o hh:mm:ss (24 horas)");
}

TEST(FormatoAaf, SummerTimeDoubleSummerTimeAndLocalMeanTime) {
    struct Caso {
        const char* zona;
        const char* verano;
        long adelanto;  // seconds ahead of universal time the chart must stand for
    };
    const Caso casos[] = {
        {"1he00", "0", 3600},
        {"1he00", "1", 7200},
        {"0he00", "D", 7200},
        {"8hw00", "1", -25200},
        {"5he30", "0", 19800},
        {"3hw30", "0", -12600},
        // Local mean time at 8°11' east: 491 minutes of arc, four seconds of clock each.
        {"1he00", "L", 1964},
    };
    for (const Caso& caso : casos) {
        const CartaLeida& c =
            Unica(LeerAaf(std::string("#A93:X,*,e,1.7.1950g,12:00:00,P,*\n") +
                          "#B93:*,49n05,8e11," + caso.zona + "," + caso.verano + "\n"));
        ASSERT_TRUE(c.registro) << caso.zona << caso.verano << ": " << c.rechazo;
        // 12:00 local of 1.7.1950 less the offset, in universal time.
        const double esperado =
            JdnGregoriano(1950, 7, 1) - 0.5 + (12 * 3600.0 - caso.adelanto) / 86400;
        EXPECT_NEAR(InstanteDe(*c.registro), esperado, 1.0 / 86400) << caso.zona << caso.verano;
    }
    // 1964 s is 32 min 44 s: the zone is kept to the minute and the clock moved with it.
    const CartaLeida& lmt =
        Unica(LeerAaf("#A93:X,*,e,1.7.1950g,12:00:00,P,*\n#B93:*,49n05,8e11,1he00,L\n"));
    ASSERT_TRUE(lmt.registro);
    EXPECT_EQ(lmt.registro->ZoneText, "00.33");
    EXPECT_EQ(lmt.registro->TimeText, "12:00:16");
    EXPECT_TRUE(AlgunAvisoDice(lmt, "se guarda al minuto"));
}

TEST(FormatoAaf, OptionalChunksGoToTheNotesAndAKnownZoneBecomesTheZoneSource) {
    const Lectura l = LeerAaf(
        "#A93:Pérez,Ana,f,14.3.1975g,9:30,Sevilla,*\n"
        "#B93:*,37n23,5w59,1he00,0\n"
        "#ZNAM:Europe/Madrid\n"
        "#SRC:Partida de nacimiento\n"
        "#COM:primera línea\n"
        "#COM:segunda línea\n"
        "#A93:Otro,*,m,1.1.2000g,0:00,Lima,*\n"
        "#B93:*,12s03,77w02,5hw00,0\n"
        "#ZNAM:Luna/Tranquilidad\n");
    ASSERT_EQ(l.cartas.size(), 2u);
    const CartaLeida& c = l.cartas[0];
    ASSERT_TRUE(c.registro) << c.rechazo;
    EXPECT_EQ(c.notas, "SRC: Partida de nacimiento\nprimera línea\nsegunda línea");
    EXPECT_EQ(c.registro->ZoneFrom.zone, "Europe/Madrid");
    EXPECT_EQ(c.registro->ZoneFrom.abbreviation, "CET");
    EXPECT_EQ(c.registro->ZoneFrom.offsetSeconds, 3600);
    const CartaLeida& d = l.cartas[1];
    ASSERT_TRUE(d.registro) << d.rechazo;
    EXPECT_EQ(d.origen, "renglón 7");
    EXPECT_EQ(d.notas, "ZNAM: Luna/Tranquilidad");
    EXPECT_FALSE(d.registro->ZoneFrom.FromDatabase());
    EXPECT_EQ(d.registro->LatHemisphere, "S");
}

TEST(FormatoAaf, ChartsThatCannotBeReadAreRefusedWithTheirReason) {
    struct Caso {
        const char* texto;
        const char* rechazo;
    };
    const Caso casos[] = {
        {"#A93:X,*,e,1.1.1950,12:00,P,*\n", "falta el renglón #B93, con las coordenadas y el huso"},
        {"#A93:X,*,e,1.1.1950,12:00,P\n#B93:*,1n00,1e00,0he00,0\n",
         "#A93 debe tener 7 campos separados por comas y tiene 6"},
        {"#A93:X,*,e,31.4.1950,12:00,P,*\n#B93:*,1n00,1e00,0he00,0\n",
         "el día 31 no existe en el mes 4 de 1950"},
        {"#A93:X,*,e,*,12:00,P,*\n#B93:*,1n00,1e00,0he00,0\n",
         "falta la fecha y no hay día juliano"},
        {"#A93:X,*,e,1.1.1950,*,P,*\n#B93:*,1n00,1e00,0he00,0\n",
         "falta la hora y no hay día juliano"},
        {"#A93:X,*,e,1.1.1950,12:00,P,*\n#B93:*,91n00,1e00,0he00,0\n",
         "la latitud «91n00» no es del tipo 49n05"},
        {"#A93:X,*,e,1.1.1950,12:00,P,*\n#B93:*,1n00,1x00,0he00,0\n",
         "la longitud «1x00» no es del tipo 8e11"},
        {"#A93:X,*,e,1.1.1950,12:00,P,*\n#B93:*,1n00,1e00,1hx00,0\n",
         "el huso «1hx00» no es del tipo 1he00 u 8hw00"},
        {"#A93:X,*,e,1.1.1950,12:00,P,*\n#B93:*,1n00,1e00,0he00,7\n",
         "la hora de verano «7» no es 0, 1, D ni L"},
        {"#A93:X,*,e,1.1.4000,12:00,P,*\n#B93:*,1n00,1e00,0he00,0\n",
         "la fecha está fuera del rango del programa, de -3000 a 3000"},
        {"#A93:X,*,e,1.1.1950,12:00,P,*\n#B93:abc,1n00,1e00,0he00,0\n",
         "el día juliano «abc» no es un número"},
    };
    for (const Caso& caso : casos) {
        const CartaLeida c = Unica(LeerAaf(caso.texto));
        EXPECT_FALSE(c.registro) << caso.texto;
        EXPECT_EQ(c.rechazo, caso.rechazo) << caso.texto;
    }
    EXPECT_EQ(LeerAaf("#: nada\n#B93:*,1n00,1e00,0he00,0\n").error,
              "El archivo no tiene ninguna carta (renglones #A93:).");
}

TEST(FormatoAaf, CharactersTheChartFileCannotHoldAreTransliteratedWithAWarning) {
    const CartaLeida c = Unica(
        LeerAaf("#A93:Żółw,Łukasz,m,1.1.1950g,12:00,Kraków,PL\n#B93:*,50n03,19e56,1he00,0\n"));
    ASSERT_TRUE(c.registro) << c.rechazo;
    EXPECT_EQ(TrimBlanks(c.registro->NatalName), "Lukasz Zólw");
    ASSERT_EQ(c.avisos.size(), 1u);
    EXPECT_EQ(c.avisos[0],
              "caracteres que el archivo de cartas no admite, cambiados: «Ł» → «L», «Ż» → «Z», «ł» "
              "→ «l»");
}

// Random charts: each imports with its instant within a second of its Julian day, or is
// refused with a reason (years the program does not hold, zones beyond its range).
TEST(FormatoAaf, ThousandRandomRecordsKeepTheirInstant) {
    std::mt19937 azar(20260610);
    std::uniform_real_distribution<double> dias(JdnJuliano(-3100, 1, 1), JdnGregoriano(3100, 1, 1));
    std::uniform_int_distribution<int> cuartos(-48, 56), minutos(0, 59), grados(0, 89),
        verano(0, 1);
    std::string texto;
    std::vector<double> jds;
    for (int i = 0; i < 1000; ++i) {
        const double jd = std::round(dias(azar) * 86400) / 86400;
        const int huso = cuartos(azar) * 15;  // minutes ahead, -12 h to +14 h
        const int adelanto = verano(azar);
        // The fields as a writer would give them, from the same instant; a few are off.
        const InstanteCivil c =
            InstanteDeJD(jd + (huso + 60 * adelanto) / 1440.0 + (i % 10 == 0 ? 1.0 / 24 : 0));
        char renglones[256];
        std::snprintf(renglones, sizeof renglones,
                      "#A93:Azar %d,*,e,%d.%d.%d%s,%d:%02d:%02d,Lugar,*\n"
                      "#B93:%.6f,%dn%02d,%d%c%02d,%dh%c%02d,%d\n",
                      i, c.dia, c.mes, c.anio, c.anio < 1583 ? "j" : "g", c.hora, c.minuto,
                      c.segundo, jd, grados(azar), minutos(azar), grados(azar) * 2,
                      i % 2 ? 'e' : 'w', minutos(azar), std::abs(huso) / 60, huso < 0 ? 'w' : 'e',
                      std::abs(huso) % 60, adelanto);
        texto += renglones;
        jds.push_back(jd);
    }
    const Lectura l = LeerAaf(texto);
    ASSERT_EQ(l.cartas.size(), 1000u);
    int leidas = 0;
    for (std::size_t i = 0; i < l.cartas.size(); ++i) {
        const CartaLeida& c = l.cartas[i];
        if (!c.registro) {
            EXPECT_FALSE(c.rechazo.empty()) << c.origen;
            continue;
        }
        ++leidas;
        EXPECT_NEAR(InstanteDe(*c.registro), jds[i], 1.0 / 86400) << c.origen;
        EXPECT_EQ(AlgunAvisoDice(c, "no concuerdan con el día juliano"), i % 10 == 0) << c.origen;
    }
    EXPECT_GT(leidas, 800);  // most years and zones are within the program's range
}

TEST(FormatoAaf, TheWriterGivesTheJulianDayAndTheReaderGetsTheSameChartBack) {
    const CartaLeida& c =
        Unica(LeerAaf("#A93:Pérez,Ana,f,14.3.1975g,9:30:07,Sevilla,*\n#B93:*,37n23,5w59,1he00,0\n"
                      "#ZNAM:Europe/Madrid\n#COM:una nota, con coma\n"));
    ASSERT_TRUE(c.registro);
    const std::string aaf = EscribirAaf({{*c.registro, c.notas}});
    // 9:30:07 an hour ahead is 8:30:07 UT of JD 2442485.5.
    char jd[32];
    std::snprintf(jd, sizeof jd, "%.6f", 2442485.5 + (8.5 * 3600 + 7) / 86400);
    EXPECT_NE(aaf.find(std::string("#B93:") + jd + ",37n23,5w59,1he00,0\r\n"), std::string::npos)
        << aaf;
    EXPECT_NE(aaf.find("#A93:Ana Pérez,*,*,14.3.1975g,09:30:07,Sevilla,*\r\n"), std::string::npos)
        << aaf;
    const CartaLeida d = Unica(LeerAaf(aaf));
    ASSERT_TRUE(d.registro);
    EXPECT_EQ(d.registro->TimeText, c.registro->TimeText);
    EXPECT_EQ(d.registro->ZoneFrom.zone, "Europe/Madrid");
    EXPECT_EQ(d.notas, "una nota, con coma");
    EXPECT_TRUE(d.avisos.empty());
}

}  // namespace
}  // namespace natalis
