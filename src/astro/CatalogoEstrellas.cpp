#include "astro/CatalogoEstrellas.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace natalis {

namespace {

std::string Minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string SinBlancos(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

}  // namespace

std::vector<std::string> NombresEstrellas(const std::string& archivo) {
    std::ifstream in(archivo);
    std::vector<std::string> nombres;
    std::string linea;
    while (std::getline(in, linea)) {
        if (linea.empty() || linea[0] == '#') continue;
        const std::string nombre = SinBlancos(linea.substr(0, linea.find(',')));
        if (nombre.empty() || std::find(nombres.begin(), nombres.end(), nombre) != nombres.end())
            continue;
        nombres.push_back(nombre);
    }
    return nombres;
}

std::optional<std::vector<std::string>> EstrellasPorLista(const std::string& lista,
                                                          const std::vector<std::string>& catalogo,
                                                          std::string* mala) {
    std::vector<std::string> pedidas;
    if (Minusculas(SinBlancos(lista)) == "behenias") {
        pedidas.assign(std::begin(kEstrellasBehenias), std::end(kEstrellasBehenias));
    } else {
        size_t desde = 0;
        while (true) {
            const size_t coma = lista.find(',', desde);
            pedidas.push_back(lista.substr(desde, coma == std::string::npos ? coma : coma - desde));
            if (coma == std::string::npos) break;
            desde = coma + 1;
        }
    }
    std::vector<std::string> estrellas;
    for (const std::string& pedida : pedidas) {
        const std::string clave = Minusculas(SinBlancos(pedida));
        const auto it = std::find_if(catalogo.begin(), catalogo.end(),
                                     [&](const std::string& n) { return Minusculas(n) == clave; });
        if (clave.empty() || it == catalogo.end() ||
            std::find(estrellas.begin(), estrellas.end(), *it) != estrellas.end()) {
            if (mala) *mala = SinBlancos(pedida);
            return std::nullopt;
        }
        estrellas.push_back(*it);
    }
    return estrellas;
}

}  // namespace natalis
