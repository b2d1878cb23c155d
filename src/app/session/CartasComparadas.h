// What a comparison on display is made of: the first person's chart, the chart drawn from
// it and another (a second person, a composite, a Davison chart, a return) or from a moment,
// and what the window lists beside it.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "chart/Carta.h"
#include "chart/CartaInstante.h"
#include "chart/Sinastria.h"
#include "predictive/Retorno.h"

namespace natalis {

enum class TipoComparacion { Sinastria, Compuesta, Davison, Retorno, Ahora };

struct CartasComparadas {
    TipoComparacion tipo = TipoComparacion::Sinastria;
    Carta primera;                // the natal chart on display when it was made
    std::optional<Carta> pareja;  // the second person's chart (synastry, composite, Davison)
    // The chart drawn: the second person's for a synastry (outer ring), the composite, the
    // Davison chart, the return (inner wheel, the natal chart outside) or the moment's.
    Carta carta;
    // The aspects between the two rings of a bi-wheel (synastry: first × second; return:
    // return × natal); empty for a single wheel.
    Sinastria cruce;
    // A return: its kind, universal-time Julian day and place, for the next and previous one.
    TipoRetorno retorno = TipoRetorno::Solar;
    double jd = 0;
    LugarCarta lugar;
};

// The window's title of a comparison ("Sinastría: Ana y Bruno", "Retorno solar de Ana").
std::string TituloComparacion(const CartasComparadas& c);

}  // namespace natalis
