#include <gtest/gtest.h>

#include "app/model/Cp1252.h"
#include "app/model/FormatoQuickChart.h"
#include "astro/TextTrim.h"
#include "tests/app/model/IntercambioPrueba.h"

namespace natalis {
namespace {

// A line of the layout from its fields, each left-aligned and padded to its width: name 23,
// month 3, day 3, the comma, year 5, time 11, zone 10, longitude 10, latitude 9, place 25.
std::string Linea(const std::string& nombre, const std::string& mes, const std::string& dia,
                  const std::string& anio, const std::string& hora, const std::string& huso,
                  const std::string& lon, const std::string& lat, const std::string& lugar) {
    return Utf8CutOrPad(nombre, 23) + Utf8CutOrPad(mes, 3) + Utf8CutOrPad(dia, 3) + "," +
           Utf8CutOrPad(anio, 5) + Utf8CutOrPad(hora, 11) + Utf8CutOrPad(huso, 10) +
           Utf8CutOrPad(lon, 10) + Utf8CutOrPad(lat, 9) + Utf8CutOrPad(lugar, 25);
}

TEST(FormatoQuickChart, ReadsTheFixedColumns) {
    const std::string linea =
        Linea("Ana Pérez", "Mar", "14", "1975", "09:30:15 AM", "1:00E", "5W59", "37N23", "Sevilla");
    ASSERT_EQ(Utf8Length(linea), 100u);
    const Lectura l = LeerQuickChart(Utf8ToCp1252(linea + "\r\n").bytes);
    ASSERT_EQ(l.cartas.size(), 1u);
    const CartaLeida& c = l.cartas[0];
    ASSERT_TRUE(c.registro) << c.rechazo;
    const NatalRecord& r = *c.registro;
    EXPECT_EQ(TrimBlanks(r.NatalName), "Ana Pérez");
    EXPECT_EQ(r.FechaNatalTexto, "14 3 1975");
    EXPECT_EQ(r.TimeText, "09:30:15");
    EXPECT_FLOAT_EQ(r.ZoneHours, -1.0f);
    EXPECT_EQ(r.LatText, "37.23N");
    EXPECT_EQ(r.LonText, "005.59W");
    EXPECT_EQ(TrimBlanks(r.Place), "Sevilla");
}

// The twelve-hour clock: 12 AM is midnight and 12 PM noon; a name or a place with the letters
// "PM" or "AM" in it never moves the time.
TEST(FormatoQuickChart, TwelveHourClockAndItsTraps) {
    struct Caso {
        const char* nombre;
        const char* hora;
        const char* lugar;
        const char* leida;
    };
    const Caso casos[] = {
        {"Uno", "12:00:00 AM", "Lima", "00:00:00"},
        {"Dos", "12:05:00 PM", "Lima", "12:05:00"},
        {"Tres", "09:30:00 PM", "Lima", "21:30:00"},
        {"Cuatro", "01:00:00 am", "Lima", "01:00:00"},
        {"Sam PM", "10:00:00", "Pamplona AM", "10:00:00"},
        {"Cinco", "21:30", "Lima", "21:30:00"},
    };
    for (const Caso& caso : casos) {
        const Lectura l = LeerQuickChart(
            Linea(caso.nombre, "1", "2", "1990", caso.hora, "5:00W", "77W02", "12S03", caso.lugar));
        ASSERT_EQ(l.cartas.size(), 1u);
        ASSERT_TRUE(l.cartas[0].registro) << caso.hora << ": " << l.cartas[0].rechazo;
        EXPECT_EQ(l.cartas[0].registro->TimeText, caso.leida) << caso.hora;
    }
}

TEST(FormatoQuickChart, MonthsZonesAndCoordinatesInTheirForms) {
    struct Caso {
        const char* mes;
        const char* huso;
        const char* lon;
        const char* lat;
        int mesLeido;
        long adelanto;  // seconds ahead of universal time
        double lonLeida, latLeida;
    };
    const Caso casos[] = {
        {"Ene", "1:00E", "3:42W", "40:25N", 1, 3600, -(3 + 42 / 60.0), 40 + 25 / 60.0},
        {"dec", "-5:00", "-77.05", "-12.05", 12, -18000, -77.05, -12.05},
        {"7", "+5:30", "88E22", "22N34", 7, 19800, 88 + 22 / 60.0, 22 + 34 / 60.0},
        {"Ago", "8W", "122W25", "37N47", 8, -28800, -(122 + 25 / 60.0), 37 + 47 / 60.0},
    };
    for (const Caso& caso : casos) {
        const Lectura l = LeerQuickChart(
            Linea("X", caso.mes, "3", "1980", "06:00:00 AM", caso.huso, caso.lon, caso.lat, "P"));
        ASSERT_TRUE(l.cartas.at(0).registro) << caso.mes << ": " << l.cartas[0].rechazo;
        const NatalRecord& r = *l.cartas[0].registro;
        EXPECT_EQ(r.NatalMonth, caso.mesLeido);
        EXPECT_EQ(prueba::AdelantoDe(r), caso.adelanto) << caso.huso;
        EXPECT_NEAR(r.LongitudeDeg, caso.lonLeida, 1.0 / 120) << caso.lon;
        EXPECT_NEAR(r.LatitudeDeg, caso.latLeida, 1.0 / 120) << caso.lat;
    }
}

TEST(FormatoQuickChart, LinesOutOfTheLayoutAreRefused) {
    const std::string buena =
        Linea("X", "1", "2", "1990", "10:00:00", "0:00E", "0E00", "0N00", "P");
    struct Caso {
        std::string linea;
        const char* rechazo;
    };
    const Caso casos[] = {
        {buena + "x", "el renglón tiene 101 caracteres; los de esta lista tienen 100"},
        {Linea("X", "Foo", "2", "1990", "10:00:00", "0:00E", "0E00", "0N00", "P"),
         "el mes «Foo» no es correcto"},
        {buena.substr(0, 29) + " " + buena.substr(30),
         "la fecha no está en las columnas 24 a 35 (mes, día, coma, año)"},
        {Linea("X", "1", "2", "1990", "13:00:00 PM", "0:00E", "0E00", "0N00", "P"),
         "la hora «13:00:00 PM» no es del tipo hh:mm:ss AM"},
        {Linea("X", "1", "2", "1990", "10:00:00", "0:00E", "0E00", "95N00", "P"),
         "la latitud «95N00» no es del tipo 37N23"},
        {Linea("X", "2", "30", "1990", "10:00:00", "0:00E", "0E00", "0N00", "P"),
         "el día 30 no existe en el mes 2 de 1990"},
    };
    for (const Caso& caso : casos) {
        const Lectura l = LeerQuickChart(caso.linea);
        ASSERT_EQ(l.cartas.size(), 1u);
        EXPECT_FALSE(l.cartas[0].registro);
        EXPECT_EQ(l.cartas[0].rechazo, caso.rechazo);
    }
    EXPECT_TRUE(PareceQuickChart(buena + "\n\n" + buena));
    EXPECT_FALSE(PareceQuickChart("#A93:X,*,e,1.1.1950,12:00,P,*\n"));
}

}  // namespace
}  // namespace natalis
