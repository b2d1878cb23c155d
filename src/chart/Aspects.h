// The aspects between natal points: their table, the test of one aspect, and the natal
// aspects list.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "chart/NatalTables.h"

namespace natalis {

struct AspectoDef {
    const char* Nombre;  // "Smsx", "Conj" ...
    int Angulo;          // degrees
    double FactorOrbe;   // times the base orb
};

constexpr double kOrbeBase = 7;
constexpr int kNumAspectos = 9;

// In the order they are tried; the first that holds wins. With these orbs no two windows
// overlap, so a pair forms at most one aspect.
constexpr std::array<AspectoDef, kNumAspectos> TablaAspectos = {{
    {"Smsx", 30, 0.3},
    {"Conj", 0, 1},
    {"Sext", 60, 0.75},
    {"Cuad", 90, 1},
    {"Trig", 120, 1},
    {"Opos", 180, 1},
    {"Smcd", 45, 0.3},
    {"Sqcd", 135, 0.3},
    {"Quin", 150, 0.3},
}};

// Orb of entry k of TablaAspectos in degrees (7, 5.25 for the sextile, 2.1 for the minor ones).
double OrbeAspecto(int k);

// Separation of two longitudes in degrees, measured the short way round: 0 up to 180.
double Separacion(double lon1, double lon2);

// HayAspecto: the separation of lon1 and lon2 (degrees, measured the short way round) lies
// within angulo +- orbe, both bounds inclusive.
void CompararAspecto(double lon1, double lon2, double angulo, double orbe, bool& HayAspecto);

// Index in TablaAspectos of the first aspect that lon1 and lon2 form, or -1 for none.
int BuscarAspecto(double lon1, double lon2);

// One point as the aspect routine sees it.
struct PuntoAspecto {
    double Lon = 0;  // degrees
    int Grado = 0;   // degree within the sign, for orb rules that read it
    double Vel = 0;  // degrees/day, read only when ConVel
    bool ConVel = false;
    int Id = 0;  // the same point in both sets carries the same Id and is not paired with itself
};

// An orb rule: whether aspect k of TablaAspectos holds between a and b. The first aspect of
// the table that holds is the pair's aspect.
using ReglaOrbe = std::function<bool(int k, const PuntoAspecto& a, const PuntoAspecto& b)>;

// The natal rule: 7 degrees times the aspect's factor (OrbeAspecto), bounds inclusive.
bool ReglaNatal(int k, const PuntoAspecto& a, const PuntoAspecto& b);

// Whether an aspect is closing or opening; Desconocida without both speeds.
enum class FaseAspecto { Desconocida, Aplicativo, Separativo, Exacto };

struct AspectoHallado {
    int a = 0;        // index in the first set
    int b = 0;        // index in the second set
    int k = 0;        // index in TablaAspectos
    double orbe = 0;  // |separation - the aspect's angle|, degrees
    FaseAspecto fase = FaseAspecto::Desconocida;
};

// Which pairs of the two sets are tried.
enum class ParesAspecto {
    Todos,   // every a with every b of another Id, in the order a, then b
    UnaVez,  // as Todos, but a pair of points present in both sets only once
};

// Every pair of a point of A with a point of B that forms an aspect by the rule, in the order
// of A and then of B.
std::vector<AspectoHallado> BuscarAspectos(const std::vector<PuntoAspecto>& A,
                                           const std::vector<PuntoAspecto>& B,
                                           const ReglaOrbe& regla,
                                           ParesAspecto pares = ParesAspecto::Todos);

// The natal points that take part in aspects (rows with Aspecta), as the aspect routine sees
// them, with their Id the index in PlanetaNatal; then, when conAngulos, the Midheaven (Id
// -10) and the Ascendant (Id -1).
std::vector<PuntoAspecto> PuntosAspectoNatal(const NatalTables& t, bool conAngulos);
// The index in PlanetaNatal of each of the points above (0 for the angles).
std::vector<int> IndicesAspectoNatal(const NatalTables& t);

// The lines of the natal aspects list, in order: the Midheaven and Ascendant lines between
// rules, the heading "ASPECTOS NATALES", then one block per planet (its own line, marked
// " r" when retrograde, and one line per partner in aspect: the other planets, then the
// Midheaven, then the Ascendant). Reads PlanetaNatal(1..10) and CuspideNatal(1), (10).
// The window puts them into its list box and gives the list the focus.
std::vector<std::string> ListarAspectos(const NatalTables& t);

}  // namespace natalis
