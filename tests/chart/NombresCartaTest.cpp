// The chart's pieces named in full: the house of a longitude, the place in a sign, the names
// of points, signs and aspects, and listing lines in full words.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "app/session/InformeCompleto.h"
#include "astro/AngleMath.h"
#include "astro/Puntos.h"
#include "chart/Aspects.h"
#include "chart/NombresCarta.h"

namespace natalis {
namespace {

// Cusps every 30 degrees from asc, as an equal-house chart would have them.
std::array<CuspideRec, 14> Iguales(float asc) {
    std::array<CuspideRec, 14> c{};
    for (int i = 1; i <= 12; ++i) c[static_cast<size_t>(i)].Lon = MODg(asc + 30.0 * (i - 1));
    return c;
}

TEST(CasaDeLongitud, FindsTheHouseWhoseCuspWasPassedLast) {
    // Hand-worked: with the Ascendant at 350, house 1 runs 350..20 across 0 Aries, house 12
    // 320..350; a cusp's own longitude belongs to the house it opens.
    const struct {
        float asc;
        double lon;
        int casa;
    } casos[] = {
        {350, 350, 1},     {350, 359.9, 1}, {350, 0, 1},   {350, 19.99, 1}, {350, 20, 2},
        {350, 349.99, 12}, {350, 200, 8},   {0, 0, 1},     {0, 359.5, 12},  {0, 720.5, 1},
        {100, 99, 12},     {100, 280, 7},   {100, -80, 7},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(CasaDeLongitud(c.lon, Iguales(c.asc)), c.casa) << c.asc << " " << c.lon;
    }
}

TEST(CasaDeLongitud, UnequalHousesAsAQuadrantSystemGivesThem) {
    // Cusps of a Placidus chart near 40 N (rounded), from its listing.
    std::array<CuspideRec, 14> c{};
    const float lon[12] = {105.5f, 125, 146, 172, 207, 248, 285.5f, 305, 326, 352, 27, 68};
    for (int i = 1; i <= 12; ++i) c[static_cast<size_t>(i)].Lon = lon[i - 1];
    EXPECT_EQ(CasaDeLongitud(120, c), 1);
    EXPECT_EQ(CasaDeLongitud(0, c), 10);
    EXPECT_EQ(CasaDeLongitud(26.9, c), 10);
    EXPECT_EQ(CasaDeLongitud(27, c), 11);
    EXPECT_EQ(CasaDeLongitud(100, c), 12);
    EXPECT_EQ(CasaDeLongitud(250, c), 6);
}

TEST(LugarZodiacal, AgreesWithTheListingsText) {
    // ZodiacString is the listings' own text; the place read from it must be the same.
    for (double lon = 0; lon < 360; lon += 0.37) {
        const LugarEnSigno l = LugarZodiacal(lon);
        const std::string z = ZodiacString(lon);
        EXPECT_EQ(l.grado, std::stol(z.substr(0, 2))) << lon;
        EXPECT_EQ(l.signo, SignoDeEtiqueta(z.substr(2, 3))) << lon;
        EXPECT_EQ(l.minutos, std::stol(z.substr(5, 2))) << lon;
    }
    EXPECT_EQ(SignoDeEtiqueta("Psc"), 12);
    EXPECT_EQ(SignoDeEtiqueta("Xyz"), 0);
    EXPECT_EQ(SignoDeEtiqueta("Ar"), 0);
}

TEST(NombresCarta, EveryAspectAndSignHasItsSpanishName) {
    std::set<std::string> aspectos, glifos;
    for (int k = 0; k < kNumAspectos; ++k) {
        aspectos.insert(NombreAspecto(k));
        glifos.insert(GlifoAspecto(k));
        EXPECT_EQ(NombreAspectoAbreviado(TablaAspectos[static_cast<size_t>(k)].Nombre),
                  NombreAspecto(k));
    }
    EXPECT_EQ(aspectos, (std::set<std::string>{"Conjunción", "Semisextil", "Sextil", "Cuadratura",
                                               "Trígono", "Oposición", "Semicuadratura",
                                               "Sesquicuadratura", "Quincuncio"}));
    EXPECT_EQ(glifos.size(), static_cast<size_t>(kNumAspectos));  // no two alike
    EXPECT_EQ(NombreAspecto(-1), "");
    EXPECT_EQ(NombreAspecto(kNumAspectos), "");
    EXPECT_EQ(NombreSigno(1), "Aries");
    EXPECT_EQ(NombreSigno(8), "Escorpio");
    EXPECT_EQ(NombreSigno(12), "Piscis");
    EXPECT_EQ(NombreSigno(13), "");
    // Elements cycle fire, earth, air, water; modalities cardinal, fixed, mutable.
    EXPECT_STREQ(kNombresElementos[ElementoSigno(5)], "Fuego");        // Leo
    EXPECT_STREQ(kNombresElementos[ElementoSigno(10)], "Tierra");      // Capricorn
    EXPECT_STREQ(kNombresElementos[ElementoSigno(11)], "Aire");        // Aquarius
    EXPECT_STREQ(kNombresElementos[ElementoSigno(4)], "Agua");         // Cancer
    EXPECT_STREQ(kNombresModalidades[ModalidadSigno(7)], "Cardinal");  // Libra
    EXPECT_STREQ(kNombresModalidades[ModalidadSigno(2)], "Fija");      // Taurus
    EXPECT_STREQ(kNombresModalidades[ModalidadSigno(12)], "Mutable");  // Pisces
}

TEST(NombresCarta, PointsByLabelAndANewLabelAsItIs) {
    const struct {
        const char* etiqueta;
        const char* nombre;
    } casos[] = {{"SOL", "Sol"},
                 {"LUN", "Luna"},
                 {"MER", "Mercurio"},
                 {"JUP", "Júpiter"},
                 {"PLU", "Plutón"},
                 {"NOD", "Nodo Norte"},
                 {"PF", "Parte de la Fortuna"},
                 {"XYZ", "XYZ"},
                 {"QUI", "Quirón"},
                 {"CER", "Ceres"},
                 {"PAL", "Palas"},
                 {"JUN", "Juno"},
                 {"VES", "Vesta"},
                 {"NDV", "Nodo verdadero"},
                 {"LIL", "Lilith media"},
                 {"LIO", "Lilith osculadora"},
                 {"VTX", "Vértice"}};
    for (const auto& c : casos) EXPECT_EQ(NombrePunto(c.etiqueta), c.nombre);
}

// The glyph font carries the aspects on "QWERTYIOP" by increasing angle: sorting the table by
// its angles must give the keys in that order.
TEST(NombresCarta, AspectGlyphsAreTheFontKeysInOrderOfAngle) {
    std::vector<std::pair<int, std::string>> porAngulo;
    for (int k = 0; k < kNumAspectos; ++k) {
        porAngulo.push_back({TablaAspectos[static_cast<size_t>(k)].Angulo, GlifoAspecto(k)});
    }
    std::sort(porAngulo.begin(), porAngulo.end());
    std::string claves;
    for (const auto& a : porAngulo) claves += a.second;
    EXPECT_EQ(claves, "QWERTYIOP");
    EXPECT_EQ(GlifoAspecto(-1), "");
    EXPECT_EQ(GlifoAspecto(kNumAspectos), "");
}

TEST(NombresCarta, EveryPointOfTheTableHasItsOwnName) {
    std::set<std::string> nombres;
    for (int r = 0; r < kNumPuntos; ++r) {
        const std::string etiqueta = FilaPunto(r).Etiqueta;
        const std::string nombre = NombrePunto(etiqueta);
        EXPECT_NE(nombre, etiqueta);
        EXPECT_TRUE(nombres.insert(nombre).second) << nombre;
    }
    EXPECT_EQ(NombrePunto("QUI"), "Quirón");
    EXPECT_EQ(NombrePunto("LIO"), "Lilith osculadora");
    EXPECT_EQ(NombrePunto("VTX"), "Vértice");
}

TEST(EnPalabras, NamesLabelsAspectsAndPlacesInFull) {
    const struct {
        const char* linea;
        const char* palabras;
    } casos[] = {
        {"SOL 19Lib02", "Sol 19° Libra 02'"},
        {"  Sqcd MAR 04Aqu10 r", "  Sesquicuadratura Marte 04° Acuario 10' retrógrado"},
        {"  Conj C12 29Psc59", "  Conjunción Casa 12 29° Piscis 59'"},
        {"MC 01Cap00", "Medio Cielo 01° Capricornio 00'"},
        {"EDAD 44.2  ARCO 43.1", "EDAD 44.2  ARCO 43.1"},
        {"05Xyz30 CX1", "05Xyz30 CX1"},
        {"", ""},
    };
    for (const auto& c : casos) EXPECT_EQ(EnPalabras(c.linea), c.palabras);
}

}  // namespace
}  // namespace natalis
