#include "chart/NombresCarta.h"

#include "astro/AngleMath.h"
#include "astro/NumberText.h"
#include "chart/Aspects.h"

namespace natalis {

namespace {

struct NombreDe {
    const char* codigo;
    const char* nombre;
};

// Points by their label; the cusp labels of the listings are here too, so a listing line
// reads in full words.
constexpr NombreDe kNombresPuntos[] = {
    {"SOL", "Sol"},        {"LUN", "Luna"},       {"MER", "Mercurio"},
    {"VEN", "Venus"},      {"MAR", "Marte"},      {"JUP", "Júpiter"},
    {"SAT", "Saturno"},    {"URA", "Urano"},      {"NEP", "Neptuno"},
    {"PLU", "Plutón"},     {"NOD", "Nodo Norte"}, {"PF", "Parte de la Fortuna"},
    {"ASC", "Ascendente"}, {"MC", "Medio Cielo"},
};
// The points beyond the default set.
constexpr NombreDe kNombresPuntosNuevos[] = {
    {"QUI", "Quirón"},       {"CER", "Ceres"},
    {"PAL", "Palas"},        {"JUN", "Juno"},
    {"VES", "Vesta"},        {"NDV", "Nodo verdadero"},
    {"LIL", "Lilith media"}, {"LIO", "Lilith osculadora"},
    {"VTX", "Vértice"},
};

constexpr const char* kSignos[12] = {"Aries",     "Tauro",       "Géminis", "Cáncer",
                                     "Leo",       "Virgo",       "Libra",   "Escorpio",
                                     "Sagitario", "Capricornio", "Acuario", "Piscis"};

// Full names and glyphs by the abbreviation of TablaAspectos. The glyphs are keys of the glyph
// font, which carries the nine aspects on "QWERTYIOP" in order of their angle.
struct AspectoNombre {
    const char* abreviatura;
    const char* nombre;
    const char* glifo;
};
constexpr AspectoNombre kAspectos[] = {
    {"Smsx", "Semisextil", "W"},     {"Conj", "Conjunción", "Q"},       {"Sext", "Sextil", "R"},
    {"Cuad", "Cuadratura", "T"},     {"Trig", "Trígono", "Y"},          {"Opos", "Oposición", "P"},
    {"Smcd", "Semicuadratura", "E"}, {"Sqcd", "Sesquicuadratura", "I"}, {"Quin", "Quincuncio", "O"},
};

const AspectoNombre* FilaAspecto(int k) {
    if (k < 0 || k >= kNumAspectos) return nullptr;
    for (const AspectoNombre& a : kAspectos) {
        if (std::string(a.abreviatura) == TablaAspectos[static_cast<size_t>(k)].Nombre) return &a;
    }
    return nullptr;
}

}  // namespace

const char* const kNombresElementos[4] = {"Fuego", "Tierra", "Aire", "Agua"};
const char* const kNombresModalidades[3] = {"Cardinal", "Fija", "Mutable"};

std::string NombrePunto(const std::string& etiqueta) {
    for (const NombreDe& n : kNombresPuntos) {
        if (etiqueta == n.codigo) return n.nombre;
    }
    for (const NombreDe& n : kNombresPuntosNuevos) {
        if (etiqueta == n.codigo) return n.nombre;
    }
    return etiqueta;
}

std::string NombreSigno(int n) { return n >= 1 && n <= 12 ? kSignos[n - 1] : std::string(); }

// Signs cycle through the elements in fours and the modalities in threes, from Aries.
int ElementoSigno(int n) { return (n - 1) % 4; }
int ModalidadSigno(int n) { return (n - 1) % 3; }

std::string NombreAspecto(int k) {
    const AspectoNombre* a = FilaAspecto(k);
    return a ? a->nombre : std::string();
}

std::string GlifoAspecto(int k) {
    const AspectoNombre* a = FilaAspecto(k);
    return a ? a->glifo : std::string();
}

std::string NombreAspectoAbreviado(const std::string& abreviatura) {
    for (const AspectoNombre& a : kAspectos) {
        if (abreviatura == a.abreviatura) return a.nombre;
    }
    return abreviatura;
}

int CasaDeLongitud(double lon, const std::array<CuspideRec, 14>& cuspides) {
    const double l = UnaVuelta(lon);
    for (int i = 1; i <= 12; ++i) {
        const double desde = cuspides[static_cast<size_t>(i)].Lon;
        const double hasta = cuspides[static_cast<size_t>(i == 12 ? 1 : i + 1)].Lon;
        // Distances forwards from the cusp: inside when short of the next cusp's.
        if (UnaVuelta(l - desde) < UnaVuelta(hasta - desde)) return i;
    }
    return 1;  // only when every cusp stands at one longitude
}

std::string GradosMinutos(long grado, long minutos) {
    return ZeroPad(grado, 2) + "° " + ZeroPad(minutos, 2) + "'";
}

}  // namespace natalis
