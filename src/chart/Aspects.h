// The aspects between natal points: their table, the test of one aspect, and the natal
// aspects list.
#pragma once
#include <array>
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

// HayAspecto: the separation of lon1 and lon2 (degrees, measured the short way round) lies
// within angulo +- orbe, both bounds inclusive.
void CompararAspecto(double lon1, double lon2, double angulo, double orbe, bool& HayAspecto);

// Index in TablaAspectos of the first aspect that lon1 and lon2 form, or -1 for none.
int BuscarAspecto(double lon1, double lon2);

// The lines of the natal aspects list, in order: the Midheaven and Ascendant lines between
// rules, the heading "ASPECTOS NATALES", then one block per planet (its own line, marked
// " r" when retrograde, and one line per partner in aspect: the other planets, then the
// Midheaven, then the Ascendant). Reads PlanetaNatal(1..10) and CuspideNatal(1), (10).
// The window puts them into its list box and gives the list the focus.
std::vector<std::string> ListarAspectos(const NatalTables& t);

}  // namespace natalis
