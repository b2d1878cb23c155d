// The fixed-star catalogue: the traditional names the star file holds, and the lists of stars
// a user names.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace natalis {

// The star file of the ephemeris data folder.
inline const std::string kArchivoEstrellas = std::string(NATALIS_EPHE_DIR) + "/sefstars.txt";

// The fifteen Behenian stars, by their names in the star file: the default choice.
inline constexpr const char* kEstrellasBehenias[] = {
    "Algol",   "Alcyone", "Aldebaran", "Capella",  "Sirius",  "Procyon", "Regulus",      "Alkaid",
    "Algorab", "Spica",   "Arcturus",  "Alphecca", "Antares", "Vega",    "Deneb Algedi",
};

// The traditional names of the star file, each once, in the file's order, trailing blanks
// removed; lines starting with '#' and stars without a traditional name are skipped. Empty
// when the file cannot be read.
std::vector<std::string> NombresEstrellas(const std::string& archivo = kArchivoEstrellas);

// The stars a list names, as the catalogue writes them: names separated by commas in any case
// ("algol,Deneb Algedi"), each at most once, blanks around a name ignored; "behenias" is the
// fifteen Behenian stars. Empty when a name is not in the catalogue, is repeated or is empty;
// `mala` then holds the name refused as typed.
std::optional<std::vector<std::string>> EstrellasPorLista(const std::string& lista,
                                                          const std::vector<std::string>& catalogo,
                                                          std::string* mala);

}  // namespace natalis
