// Transliteration of the characters Windows-1252 cannot hold.
#include "app/model/Transliteracion.h"

#include <algorithm>
#include <cstdint>

#include "app/model/Cp1252.h"

namespace natalis {

namespace {

// Latin letters with marks outside Windows-1252, by code point, and their plain letters:
// Latin Extended-A and the Romanian comma-below letters, the ones names and places use.
struct Letra {
    char32_t codigo;
    const char* latina;
};

constexpr Letra kLetras[] = {
    {0x100, "A"}, {0x101, "a"}, {0x102, "A"},  {0x103, "a"},  {0x104, "A"}, {0x105, "a"},
    {0x106, "C"}, {0x107, "c"}, {0x108, "C"},  {0x109, "c"},  {0x10A, "C"}, {0x10B, "c"},
    {0x10C, "C"}, {0x10D, "c"}, {0x10E, "D"},  {0x10F, "d"},  {0x110, "D"}, {0x111, "d"},
    {0x112, "E"}, {0x113, "e"}, {0x114, "E"},  {0x115, "e"},  {0x116, "E"}, {0x117, "e"},
    {0x118, "E"}, {0x119, "e"}, {0x11A, "E"},  {0x11B, "e"},  {0x11C, "G"}, {0x11D, "g"},
    {0x11E, "G"}, {0x11F, "g"}, {0x120, "G"},  {0x121, "g"},  {0x122, "G"}, {0x123, "g"},
    {0x124, "H"}, {0x125, "h"}, {0x126, "H"},  {0x127, "h"},  {0x128, "I"}, {0x129, "i"},
    {0x12A, "I"}, {0x12B, "i"}, {0x12C, "I"},  {0x12D, "i"},  {0x12E, "I"}, {0x12F, "i"},
    {0x130, "I"}, {0x131, "i"}, {0x132, "IJ"}, {0x133, "ij"}, {0x134, "J"}, {0x135, "j"},
    {0x136, "K"}, {0x137, "k"}, {0x138, "k"},  {0x139, "L"},  {0x13A, "l"}, {0x13B, "L"},
    {0x13C, "l"}, {0x13D, "L"}, {0x13E, "l"},  {0x13F, "L"},  {0x140, "l"}, {0x141, "L"},
    {0x142, "l"}, {0x143, "N"}, {0x144, "n"},  {0x145, "N"},  {0x146, "n"}, {0x147, "N"},
    {0x148, "n"}, {0x149, "n"}, {0x14A, "N"},  {0x14B, "n"},  {0x14C, "O"}, {0x14D, "o"},
    {0x14E, "O"}, {0x14F, "o"}, {0x150, "O"},  {0x151, "o"},  {0x154, "R"}, {0x155, "r"},
    {0x156, "R"}, {0x157, "r"}, {0x158, "R"},  {0x159, "r"},  {0x15A, "S"}, {0x15B, "s"},
    {0x15C, "S"}, {0x15D, "s"}, {0x15E, "S"},  {0x15F, "s"},  {0x162, "T"}, {0x163, "t"},
    {0x164, "T"}, {0x165, "t"}, {0x166, "T"},  {0x167, "t"},  {0x168, "U"}, {0x169, "u"},
    {0x16A, "U"}, {0x16B, "u"}, {0x16C, "U"},  {0x16D, "u"},  {0x16E, "U"}, {0x16F, "u"},
    {0x170, "U"}, {0x171, "u"}, {0x172, "U"},  {0x173, "u"},  {0x174, "W"}, {0x175, "w"},
    {0x176, "Y"}, {0x177, "y"}, {0x179, "Z"},  {0x17A, "z"},  {0x17B, "Z"}, {0x17C, "z"},
    {0x17F, "s"}, {0x218, "S"}, {0x219, "s"},  {0x21A, "T"},  {0x21B, "t"},
};

const char* LetraLatina(char32_t c) {
    for (const Letra& l : kLetras)
        if (l.codigo == c) return l.latina;
    return "?";
}

// The code point of a well-formed UTF-8 character (the sequence's bytes); U+FFFD otherwise.
char32_t CodigoDe(const std::string& caracter) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(caracter[i]); };
    switch (caracter.size()) {
        case 2:
            return static_cast<char32_t>(((b(0) & 0x1F) << 6) | (b(1) & 0x3F));
        case 3:
            return static_cast<char32_t>(((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) |
                                         (b(2) & 0x3F));
        default:
            return 0xFFFD;
    }
}

// Length of the UTF-8 sequence that starts with byte b (1 for a stray byte).
std::size_t LargoSecuencia(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
    if (b >= 0xC2) return 2;
    return 1;
}

}  // namespace

TextoTransliterado Transliterar(std::string_view utf8) {
    TextoTransliterado r;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = LargoSecuencia(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size()) n = 1;
        const std::string caracter(utf8.substr(i, n));
        i += n;
        if (Utf8ToCp1252(caracter).unstorable.empty()) {
            r.texto += caracter;
            continue;
        }
        const std::string latina = LetraLatina(CodigoDe(caracter));
        r.texto += latina;
        const std::string cambio = "«" + caracter + "» → «" + latina + "»";
        if (std::find(r.cambios.begin(), r.cambios.end(), cambio) == r.cambios.end())
            r.cambios.push_back(cambio);
    }
    return r;
}

std::string AvisoTransliteracion(const std::vector<std::string>& cambios) {
    if (cambios.empty()) return "";
    std::string lista;
    for (const std::string& c : cambios) lista += (lista.empty() ? "" : ", ") + c;
    return "caracteres que el archivo de cartas no admite, cambiados: " + lista;
}

}  // namespace natalis
