#include <gtest/gtest.h>

#include "app/model/FormatoMorinus.h"
#include "app/model/PickleEstricto.h"
#include "astro/TextTrim.h"
#include "tests/app/TempFolder.h"
#include "tests/app/model/IntercambioPrueba.h"

namespace natalis {
namespace {

// The fixtures were written by Python's own pickle (hacer_hor.py beside them).
std::string Fixture(const std::string& nombre) {
    return ReadBytes(std::string(NATALIS_SOURCE_DIR) + "/tests/app/model/intercambio/" + nombre);
}

TEST(FormatoMorinus, BothProtocolsGiveTheSameChart) {
    for (const char* archivo : {"ana-p0.hor", "ana-p3.hor"}) {
        const std::string bytes = Fixture(archivo);
        ASSERT_FALSE(bytes.empty()) << archivo;
        const Lectura l = LeerMorinus(bytes);
        ASSERT_TRUE(l.error.empty()) << archivo << ": " << l.error;
        ASSERT_EQ(l.cartas.size(), 1u);
        const CartaLeida& c = l.cartas[0];
        ASSERT_TRUE(c.registro) << c.rechazo;
        const NatalRecord& r = *c.registro;
        EXPECT_EQ(TrimBlanks(r.NatalName), "Ana Pérez");
        EXPECT_EQ(r.FechaNatalTexto, "14 3 1975");
        EXPECT_EQ(r.TimeText, "09:30:00");
        EXPECT_FLOAT_EQ(r.ZoneHours, -1.0f);
        EXPECT_EQ(r.LatText, "37.23N");
        EXPECT_EQ(r.LonText, "005.59W");
        EXPECT_EQ(TrimBlanks(r.Place), "Sevilla");
        EXPECT_EQ(c.notas, "Altitud: 7 m");
    }
}

TEST(FormatoMorinus, CalendarsEraZoneKindsAndNotes) {
    // Julian 20 February 1700, 23:15:30 an hour ahead with summer time (two hours ahead).
    const Lectura lech = LeerMorinus(Fixture("lech-p0.hor"));
    ASSERT_TRUE(lech.error.empty()) << lech.error;
    const CartaLeida& l = lech.cartas.at(0);
    ASSERT_TRUE(l.registro) << l.rechazo;
    EXPECT_NEAR(prueba::InstanteDe(*l.registro),
                prueba::JdnJuliano(1700, 2, 20) - 0.5 + (23.25 * 3600 + 30 - 7200) / 86400,
                1.0 / 86400);
    EXPECT_EQ(TrimBlanks(l.registro->NatalName), "Lukasz Zólw");
    EXPECT_EQ(l.notas, "primera\nsegunda\nAltitud: 219 m");
    ASSERT_EQ(l.avisos.size(), 1u);
    EXPECT_EQ(l.avisos[0],
              "caracteres que el archivo de cartas no admite, cambiados: «Ł» → «L», «Ż» → «Z», «ł» "
              "→ «l»");

    // 44 BC is the astronomical year -43; universal time; south and west.
    const CartaLeida a = LeerMorinus(Fixture("antiguo-p3.hor")).cartas.at(0);
    ASSERT_TRUE(a.registro) << a.rechazo;
    EXPECT_EQ(a.registro->FechaNatalTexto, "15 3 -43");
    EXPECT_EQ(a.registro->TimeText, "12:00:00");
    EXPECT_FLOAT_EQ(a.registro->ZoneHours, 0.0f);
    EXPECT_EQ(a.registro->LatHemisphere, "S");
    EXPECT_EQ(a.registro->LonHemisphere, "W");

    // Local mean time at 3°42' west: 888 s behind, kept as 15 minutes with the clock moved
    // 12 s earlier so that the instant (6:14:48 UT) stays.
    const CartaLeida m = LeerMorinus(Fixture("media-p0.hor")).cartas.at(0);
    ASSERT_TRUE(m.registro) << m.rechazo;
    EXPECT_EQ(m.registro->TimeText, "05:59:48");
    EXPECT_NEAR(prueba::InstanteDe(*m.registro),
                prueba::JdnGregoriano(1850, 6, 1) - 0.5 + (6 * 3600 + 888) / 86400.0, 1.0 / 86400);

    const CartaLeida ap = LeerMorinus(Fixture("aparente-p0.hor")).cartas.at(0);
    EXPECT_FALSE(ap.registro);
    EXPECT_EQ(ap.rechazo, "la hora está en tiempo solar verdadero, que no se admite");
}

// Files whose unpickling would import a module, call it or build objects are refused at the
// first such opcode: nothing is run (the command they carry would make a file).
TEST(FormatoMorinus, HostilePicklesAreRefusedWithoutBeingRun) {
    const std::string marca = "/tmp/natalis-pickle-ejecutado";
    struct Caso {
        const char* archivo;
        const char* error;
    };
    const Caso casos[] = {
        {"peligro-p0.hor",
         "El archivo no es una carta que se pueda leer: una instrucción que no se admite (0x63) "
         "(byte 0)."},
        {"peligro-p3.hor",
         "El archivo no es una carta que se pueda leer: una instrucción que no se admite (0x63) "
         "(byte 2)."},
        {"lista-p3.hor",
         "El archivo no es una carta que se pueda leer: una instrucción que no se admite (0x5D) "
         "(byte 2)."},
    };
    for (const Caso& caso : casos) {
        const Lectura l = LeerMorinus(Fixture(caso.archivo));
        EXPECT_TRUE(l.cartas.empty()) << caso.archivo;
        EXPECT_EQ(l.error, caso.error) << caso.archivo;
    }
    EXPECT_FALSE(Exists(marca));
}

TEST(FormatoMorinus, TheStrictReaderTakesOnlyWholePlainValues) {
    struct Caso {
        std::string bytes;
        const char* error;  // "" when read
        std::size_t valores;
    };
    const Caso casos[] = {
        {"I5\n.F2.5\n.N.I01\n.", "", 4},
        {std::string("\x80\x03K\x05q\x00.\x88.", 9), "", 2},
        {"I5\n", "el archivo termina a mitad de un valor (byte 3)", 0},
        {"I5\nI6\n.", "más de un valor sin separar (byte 6)", 0},
        {"Ix\n.", "un número entero mal escrito (byte 3)", 0},
        {"(I5\n.", "una instrucción que no se admite (0x28) (byte 0)", 0},
        {"g0\n.", "una instrucción que no se admite (0x67) (byte 0)", 0},
        {std::string("\x80\x05K\x01.", 5), "una versión del formato que no se admite (byte 2)", 0},
        {std::string("X\xff\xff\xff\x7f.", 6), "un texto más largo que el archivo (byte 5)", 0},
        {"p0\nI5\n.", "una marca de memoria sin valor (byte 3)", 0},
    };
    for (const Caso& caso : casos) {
        const ValoresPickle v = LeerValoresPickle(caso.bytes);
        EXPECT_EQ(v.error, caso.error);
        EXPECT_EQ(v.valores.size(), caso.valores);
    }
    const ValoresPickle textos = LeerValoresPickle("VA\\u00f1o \\u0141\n.S'a\\'b\\x41'\n.");
    ASSERT_EQ(textos.valores.size(), 2u);
    EXPECT_EQ(textos.valores[0].texto, "Año Ł");
    EXPECT_EQ(textos.valores[1].texto, "a'bA");
    EXPECT_EQ(LeerMorinus("I5\n.").error, "El archivo tiene 1 valores; una carta tiene 27.");
}

}  // namespace
}  // namespace natalis
