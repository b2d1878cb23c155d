#include <gtest/gtest.h>

#include "app/model/FormatoCsv.h"
#include "astro/TextTrim.h"
#include "tests/app/model/IntercambioPrueba.h"

namespace natalis {
namespace {

TEST(FormatoCsv, ReadsNamedColumnsInAnyOrderWithQuotesAndSemicolons) {
    const Lectura l = LeerCsv(
        "Lugar;nombre;anio;mes;dia;hora;minuto;segundo;huso;latitud;longitud;notas;otra\r\n"
        "Sevilla;\"Pérez; "
        "Ana\";1975;3;14;9;30;7;+01:00;37,383333;-5,983333;\"dos\nrenglones\";x\r\n"
        "Lima;Juan;1990;1;2;23;5;;-05:00:00;-12.05;-77.0333;;\r\n");
    ASSERT_TRUE(l.error.empty()) << l.error;
    ASSERT_EQ(l.cartas.size(), 2u);
    const CartaLeida& a = l.cartas[0];
    ASSERT_TRUE(a.registro) << a.rechazo;
    EXPECT_EQ(TrimBlanks(a.registro->NatalName), "Pérez; Ana");
    EXPECT_EQ(a.registro->FechaNatalTexto, "14 3 1975");
    EXPECT_EQ(a.registro->TimeText, "09:30:07");
    EXPECT_EQ(a.registro->LatText, "37.23N");
    EXPECT_EQ(a.registro->LonText, "005.59W");
    EXPECT_EQ(a.notas, "dos\nrenglones");
    const CartaLeida& j = l.cartas[1];
    EXPECT_EQ(j.origen, "renglón 4");  // the quoted line break counts as a line
    ASSERT_TRUE(j.registro) << j.rechazo;
    EXPECT_EQ(j.registro->TimeText, "23:05:00");
    EXPECT_FLOAT_EQ(j.registro->ZoneHours, 5.0f);
    EXPECT_EQ(j.registro->LatText, "12.03S");
}

TEST(FormatoCsv, CalendarColumnAndTheProgramsCalendarByDefault) {
    const Lectura l = LeerCsv(
        "dia,mes,anio,hora,minuto,huso,latitud,longitud,calendario\n"
        "9,6,1672,12,0,+00:00,0,0,juliano\n"
        "9,6,1672,12,0,+00:00,0,0,\n"
        "9,6,1500,12,0,+00:00,0,0,\n"
        "9,6,1500,12,0,+00:00,0,0,gregoriano\n"
        "9,6,1500,12,0,+00:00,0,0,lunar\n");
    ASSERT_EQ(l.cartas.size(), 5u);
    const long esperado[] = {prueba::JdnJuliano(1672, 6, 9), prueba::JdnGregoriano(1672, 6, 9),
                             prueba::JdnJuliano(1500, 6, 9), prueba::JdnGregoriano(1500, 6, 9)};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(l.cartas[i].registro) << i << l.cartas[i].rechazo;
        const NatalRecord& r = *l.cartas[i].registro;
        EXPECT_EQ(prueba::JdnPrograma(r.NatalYear, r.NatalMonth, r.NatalDay), esperado[i]) << i;
    }
    EXPECT_EQ(l.cartas[4].rechazo, "el calendario «lunar» no es juliano ni gregoriano");
}

TEST(FormatoCsv, RefusalsAndMissingColumns) {
    EXPECT_EQ(LeerCsv("nombre,dia,mes\nA,1,2\n").error,
              "Faltan columnas en el primer renglón: anio, hora, minuto, huso, latitud, "
              "longitud.");
    const Lectura l = LeerCsv(
        "dia,mes,anio,hora,minuto,huso,latitud,longitud\n"
        "x,6,1972,12,0,+00:00,0,0\n"
        "9,6,1972,12,0,ahora,0,0\n"
        "9,6,1972,12,0,+01:00,norte,0\n"
        "9,6,1972,25,0,+01:00,0,0\n");
    ASSERT_EQ(l.cartas.size(), 4u);
    EXPECT_EQ(l.cartas[0].rechazo, "la columna dia no tiene un número entero: «x»");
    EXPECT_EQ(l.cartas[1].rechazo, "el huso «ahora» no es del tipo +01:00 (adelanto sobre UT)");
    EXPECT_EQ(l.cartas[2].rechazo, "la latitud o la longitud no son números de grados");
    EXPECT_EQ(l.cartas[3].rechazo, "la hora 25 no es correcta: las horas son de 0 a 23");
}

TEST(FormatoCsv, WriterRowsReadBackAsTheSameCharts) {
    const Lectura origen = LeerCsv(
        "nombre,dia,mes,anio,hora,minuto,segundo,huso,latitud,longitud,lugar,zona,notas\n"
        "\"Pérez, Ana\",14,3,1975,9,30,7,+01:00,37.383333,-5.983333,Sevilla,Europe/Madrid,"
        "\"una \"\"nota\"\"\"\n"
        "Antiguo,15,3,-43,12,0,0,-00:14:48,41.9,12.5,Roma,,\n");
    ASSERT_EQ(origen.cartas.size(), 2u);
    std::vector<CartaGuardada> cartas;
    for (const CartaLeida& c : origen.cartas) {
        ASSERT_TRUE(c.registro) << c.rechazo;
        cartas.push_back({*c.registro, c.notas});
    }
    const std::string csv = EscribirCsv(cartas, {{"SOL", {354.5, std::nan("")}}});
    const std::string cabecera = csv.substr(0, csv.find("\r\n"));
    EXPECT_EQ(cabecera,
              "nombre,dia,mes,anio,hora,minuto,segundo,huso,latitud,longitud,lugar,calendario,"
              "zona,abreviatura,tipo_huso,tzdata,notas,SOL");
    EXPECT_NE(csv.find("Sevilla,gregoriano,Europe/Madrid,CET,normal,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",354.500000\r\n"), std::string::npos) << csv;
    // Degrees to the whole minute the chart keeps: 37°23' N, 5°59' W.
    EXPECT_NE(csv.find(",+01:00:00,37.383333,-5.983333,Sevilla,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",Roma,juliano,,,a mano,,,\r\n"), std::string::npos) << csv;
    const Lectura vuelta = LeerCsv(csv);
    ASSERT_EQ(vuelta.cartas.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(vuelta.cartas[i].registro) << vuelta.cartas[i].rechazo;
        const NatalRecord& a = cartas[i].registro;
        const NatalRecord& b = *vuelta.cartas[i].registro;
        EXPECT_EQ(b.NatalName, a.NatalName);
        EXPECT_EQ(b.FechaNatalTexto, a.FechaNatalTexto);
        EXPECT_EQ(b.TimeText, a.TimeText);
        EXPECT_EQ(b.ZoneText, a.ZoneText);
        EXPECT_EQ(b.LatText, a.LatText);
        EXPECT_EQ(b.LonText, a.LonText);
        EXPECT_EQ(b.ZoneFrom.zone, a.ZoneFrom.zone);
        EXPECT_EQ(vuelta.cartas[i].notas, cartas[i].notas);
    }
    EXPECT_EQ(cartas[0].notas, "una \"nota\"");
}

}  // namespace
}  // namespace natalis
