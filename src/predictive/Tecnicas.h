// The progression techniques: one enumeration and one table. Every caption, menu index and
// rule that tells one technique from another comes from its row; nothing is worked out
// again from a caption. Adding a technique is a row here plus its computation.
#pragma once
#include <optional>
#include <string>

namespace natalis {

enum class TipoTecnica { Primaria, ArcoSolar, GradoAnio, Secundaria };

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
    // The bodies come with their daily motion at the progressed instant: one that moves
    // backwards is listed with " r" after its position, as the natal listing marks it.
    bool marcaRetrogrados;
};

inline constexpr TecnicaFila kTecnicas[] = {
    {TipoTecnica::Primaria, 40, "Primaria", true, true, false, false},
    {TipoTecnica::ArcoSolar, 41, "Arco Solar", false, false, true, false},
    {TipoTecnica::GradoAnio, 42, "Grado x Año", false, false, true, false},
    // Secondary progressions: the sky a day after birth for each year of age.
    {TipoTecnica::Secundaria, 43, "Secundaria", false, true, true, true},
};

// The row of a technique.
const TecnicaFila& FilaTecnica(TipoTecnica t);
// The technique of a caption ("Arco Solar") or of a menu index (41); nothing when none has it.
std::optional<TipoTecnica> TecnicaPorCaption(const std::string& caption);
std::optional<TipoTecnica> TecnicaPorIndice(int indice);

// The techniques the period search runs, rows of the same table: a progression technique of
// kTecnicas lends its row (and so its name), transits have their own.
enum class TecnicaPeriodo { Transitos, Secundaria, ArcoSolar };

// What moves in a period search.
enum class MovilPeriodo {
    Cuerpos,          // the ten bodies of the sky at the instant
    Progresados,      // the ten bodies a day of the sky per year of age
    PuntosArcoSolar,  // every natal point of the listings, moved by the solar arc
};

struct TecnicaPeriodoFila {
    TecnicaPeriodo id;
    std::optional<TipoTecnica> progresion;  // the row of kTecnicas it is, when it is one
    const char* nombrePropio;               // the name of a row that is not a progression
    MovilPeriodo movil;
};

inline constexpr TecnicaPeriodoFila kTecnicasPeriodo[] = {
    {TecnicaPeriodo::Transitos, std::nullopt, "Transitos", MovilPeriodo::Cuerpos},
    {TecnicaPeriodo::Secundaria, TipoTecnica::Secundaria, nullptr, MovilPeriodo::Progresados},
    {TecnicaPeriodo::ArcoSolar, TipoTecnica::ArcoSolar, nullptr, MovilPeriodo::PuntosArcoSolar},
};

const TecnicaPeriodoFila& FilaTecnicaPeriodo(TecnicaPeriodo t);
// The technique's name as the command line and the window give it ("Transitos", "Secundaria",
// "Arco Solar": a progression's is its caption in kTecnicas), and back; nothing for any other
// text.
const char* NombreTecnicaPeriodo(TecnicaPeriodo t);
std::optional<TecnicaPeriodo> TecnicaPeriodoDeNombre(const std::string& nombre);

}  // namespace natalis
