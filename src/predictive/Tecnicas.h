// The progression techniques: one enumeration and one table. Every caption, menu index and
// rule that tells one technique from another comes from its row; nothing is worked out
// again from a caption. Adding a technique is a row here plus its computation.
#pragma once
#include <optional>
#include <string>

namespace natalis {

enum class TipoTecnica { Primaria, ArcoSolar, GradoAnio };

struct TecnicaFila {
    TipoTecnica id;
    int indice;           // index of its entry in "   PROGRESION    " (mnuProg 40...)
    const char* caption;  // the menu caption, the listing's and the dialog's name
    // Direct only: the dialog disables converse and " ASC en arco" and the listing compares
    // by the primary window instead of the orbs.
    bool soloDirecta;
    // The bodies are the directed positions the computation leaves in Planet, not the natal
    // bodies moved by the arc.
    bool cuerposPropios;
    // The listing's header names the technique on its second line and gives the arc.
    bool cabeceraConArco;
};

inline constexpr TecnicaFila kTecnicas[] = {
    {TipoTecnica::Primaria, 40, "Primaria", true, true, false},
    {TipoTecnica::ArcoSolar, 41, "Arco Solar", false, false, true},
    {TipoTecnica::GradoAnio, 42, "Grado x Año", false, false, true},
};

// The row of a technique.
const TecnicaFila& FilaTecnica(TipoTecnica t);
// The technique of a caption ("Arco Solar") or of a menu index (41); nothing when none has it.
std::optional<TipoTecnica> TecnicaPorCaption(const std::string& caption);
std::optional<TipoTecnica> TecnicaPorIndice(int indice);

}  // namespace natalis
