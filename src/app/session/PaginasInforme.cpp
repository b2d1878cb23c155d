#include "app/session/PaginasInforme.h"

#include <algorithm>
#include <cmath>

#include "app/model/Version.h"

namespace natalis {

// 1 mm = 72 / 25.4 pt.
const PapelFila kPapeles[2] = {
    {Papel::A4, "a4", 210 * 72 / 25.4, 297 * 72 / 25.4},
    {Papel::Carta, "carta", 8.5 * 72, 11 * 72},
};

const PapelFila& FilaPapel(Papel p) { return p == Papel::Carta ? kPapeles[1] : kPapeles[0]; }

std::optional<Papel> PapelPorNombre(const std::string& nombre) {
    for (const PapelFila& f : kPapeles) {
        if (nombre == f.nombre) return f.id;
    }
    return std::nullopt;
}

namespace {

constexpr double kMargen = 40;        // round the sheet, about 14 mm
constexpr double kAltoCabecera = 14;  // running head, and the space under it to the body
constexpr double kBajoCabecera = 10;
constexpr double kAltoPie = 12;  // foot, and the space above it
constexpr double kSobrePie = 8;
constexpr double kAltoNombre = 22;        // the name's line on page 1
constexpr double kAltoDato = 14;          // each data line
constexpr double kBajoDatos = 12;         // between the data and the wheel
constexpr double kEntreColumnas = 18;     // gutter
constexpr double kProporcionRueda = 0.7;  // the drawing is 100 x 70

bool EnBlanco(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

}  // namespace

MedidasInforme MedirInforme(double anchoPt, double altoPt, size_t lineasDatos,
                            double anchoLineaPt) {
    MedidasInforme m;
    m.anchoPt = anchoPt;
    m.altoPt = altoPt;
    const double ancho = std::max(1.0, anchoPt - 2 * kMargen);
    m.cabecera = {kMargen, kMargen, ancho, kAltoCabecera};
    m.pie = {kMargen, altoPt - kMargen - kAltoPie, ancho, kAltoPie};
    const double arriba = kMargen + kAltoCabecera + kBajoCabecera;
    const double abajo = m.pie.y - kSobrePie;
    m.cuerpo = {kMargen, arriba, ancho, std::max(kInterlineaListado, abajo - arriba)};

    m.nombre = {kMargen, m.cuerpo.y, ancho, kAltoNombre};
    double y = m.cuerpo.y + kAltoNombre;
    for (size_t i = 0; i < lineasDatos; ++i, y += kAltoDato) {
        m.datos.push_back({kMargen, y, ancho, kAltoDato});
    }
    // The wheel in whole tens of points across (so its height, 0.7 of that, is whole too),
    // centred, on whole points.
    const double topeRueda = std::round(y + kBajoDatos);
    double anchoRueda = std::floor(ancho / 10) * 10;
    const double altoLibre = abajo - topeRueda;
    if (anchoRueda * kProporcionRueda > altoLibre) {
        anchoRueda = std::floor(altoLibre / kProporcionRueda / 10) * 10;
    }
    anchoRueda = std::max(10.0, anchoRueda);
    m.rueda = {std::round((anchoPt - anchoRueda) / 2), topeRueda, anchoRueda,
               anchoRueda * kProporcionRueda};

    const double porColumna = std::max(1.0, anchoLineaPt) + kEntreColumnas;
    m.columnas =
        std::clamp(static_cast<int>((ancho + kEntreColumnas) / porColumna), 1, kMaxColumnas);
    m.lineasPorColumna =
        std::max(1, static_cast<int>(std::floor(m.cuerpo.alto / kInterlineaListado)));
    const double anchoColumna = (ancho - (m.columnas - 1) * kEntreColumnas) / m.columnas;
    for (int c = 0; c < m.columnas; ++c) {
        m.columna.push_back({kMargen + c * (anchoColumna + kEntreColumnas), m.cuerpo.y,
                             anchoColumna, m.lineasPorColumna * kInterlineaListado});
    }
    return m;
}

std::vector<PaginaListado> PaginarListados(const std::vector<std::vector<std::string>>& secciones,
                                           int lineasPorColumna, int columnas) {
    const size_t alto = static_cast<size_t>(std::max(1, lineasPorColumna));
    std::vector<std::vector<std::string>> cols;
    // A column that ends on separators keeps them out: they would only fill its foot.
    const auto cerrar = [&cols] {
        while (!cols.empty() && !cols.back().empty() && EnBlanco(cols.back().back())) {
            cols.back().pop_back();
        }
    };
    const auto nueva = [&cols, &cerrar] {
        cerrar();
        cols.emplace_back();
    };
    const auto actual = [&cols]() -> std::vector<std::string>& { return cols.back(); };

    for (const std::vector<std::string>& seccion : secciones) {
        size_t fin = seccion.size();
        while (fin > 0 && EnBlanco(seccion[fin - 1])) --fin;
        if (fin == 0) continue;
        nueva();
        size_t i = 0;
        while (i < fin) {
            if (EnBlanco(seccion[i])) {
                // A separator: kept between blocks, never at a column's top or foot.
                if (!actual().empty() && actual().size() < alto) actual().push_back(seccion[i]);
                ++i;
                continue;
            }
            size_t largo = 0;  // the block's lines up to the next blank
            while (i + largo < fin && !EnBlanco(seccion[i + largo])) ++largo;
            if (!actual().empty() && actual().size() + largo > alto && largo <= alto) nueva();
            for (size_t k = 0; k < largo; ++k) {
                if (actual().size() >= alto) nueva();
                actual().push_back(seccion[i + k]);
            }
            i += largo;
        }
    }
    cerrar();

    std::vector<PaginaListado> paginas;
    const size_t porPagina = static_cast<size_t>(std::max(1, columnas));
    for (size_t c = 0; c < cols.size(); ++c) {
        if (c % porPagina == 0) paginas.emplace_back();
        paginas.back().push_back(std::move(cols[c]));
    }
    return paginas;
}

std::string TextoPagina(int pagina, int total) {
    return "Página " + std::to_string(pagina) + " de " + std::to_string(total);
}

std::string TextoPie() { return std::string(kProgramName) + " " + NatalisVersion(); }

}  // namespace natalis
