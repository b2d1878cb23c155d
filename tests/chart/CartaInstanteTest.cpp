// The record of an instant at a place: the fixed-width name and place fields.
#include <gtest/gtest.h>

#include "app/model/Cp1252.h"
#include "chart/CartaInstante.h"

namespace natalis {
namespace {

// Whether s decodes as UTF-8 without a replacement: every lead byte is followed by the
// continuation bytes it announces.
bool EsUtf8Valido(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0)) return false;
        for (int k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        }
        i += 1 + extra;
    }
    return true;
}

// A name and a place whose 30th character is accented: cutting them by bytes splits that
// letter in two and leaves text that no file or window can show.
TEST(RegistroDeInstante, CutsLongNamesAndPlacesAtWholeCharacters) {
    const std::string nombre = "Davison de Ana Pérez y José Muñoz";  // 33 characters
    LugarCarta lugar;
    lugar.nombre = "Lugar medio: Córdoba y Almería, España";
    lugar.latitudDeg = 37.5;
    lugar.longitudDeg = -5.4;
    std::string error;
    const auto r = RegistroDeInstante(2451545.0, lugar, nombre, error);
    ASSERT_TRUE(r) << error;
    for (const std::string* campo : {&r->NatalNameFixed, &r->Place}) {
        EXPECT_TRUE(EsUtf8Valido(*campo)) << *campo;
        EXPECT_EQ(Utf8Length(*campo), 30u) << *campo;
    }
    EXPECT_EQ(r->NatalNameFixed, "Davison de Ana Pérez y José Mu");
    EXPECT_EQ(r->Place, "Lugar medio: Córdoba y Almería");
}

}  // namespace
}  // namespace natalis
