// The natal listing: points, then house cusps, as plain lines.
#include "chart/ListadoNatal.h"

namespace natalis {

const char* const kLineaCasasPorfirio = "Casas: Porfirio";

std::vector<std::string> ListadoNatal(const NatalTables& t) {
    std::vector<std::string> lines = {"LISTADO NATAL", ""};
    for (size_t i = 1; i < t.PlanetaNatal.size(); ++i) {
        const PuntoNatal& p = t.PlanetaNatal[i];
        lines.push_back(p.Vel < 0 ? p.Texto + " r" : p.Texto);
    }
    lines.push_back("");
    for (int i = 1; i <= 12; ++i) lines.push_back(t.CuspideNatal[i].Texto);
    if (t.Casas.respaldoPorfirio) lines.push_back(kLineaCasasPorfirio);
    // What the default chart never has: cusps running backwards, points refused, a sidereal
    // zodiac.
    if (t.Casas.ordenInverso && !t.Casas.respaldoPorfirio) lines.push_back(NotaCasas(t.Casas));
    for (const std::string& nota : t.Notas) lines.push_back(nota);
    if (t.zodiaco != Zodiaco::Tropical) lines.push_back("Zodiaco: " + CaptionZodiaco(t.zodiaco));
    lines.push_back("");
    return lines;
}

}  // namespace natalis
