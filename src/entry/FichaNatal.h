// The contents of the data entry form InputData, kept apart from the widgets so that its
// checks and its filling of the natal record run without a window.
#pragma once
#include <string>
#include <vector>

#include "app/model/NatalRecord.h"

namespace natalis {

// The boxes of the form in tab order; None where no box takes the focus.
enum class EntryField {
    TextNombre,
    TextDia,
    TextMes,
    TextAnno,
    TextHShs,
    TextHSmin,
    TextHSseg,
    TextHusoHoras,  // TextHuso(7)
    TextLatGrad,
    TextLatMin,
    TextLonGrad,
    TextLonMin,
    TextHusoMinutos,  // TextHuso(8)
    txtLugar,
    None,
    // The hemisphere options: no text box, the first option of the pair takes the focus.
    Latitud,
    Longit,
};

// What the atlas gave the form for the chosen place (ZonaDeLugar.h).
enum class EstadoHusoAtlas {
    Ninguno,   // no place chosen from the atlas
    Unica,     // one reading of the typed date and time
    Repetida,  // the clock showed that time twice: two readings, the user picks one
    Saltada,   // the clock skipped that time
    SinFecha,  // the date or the time is not complete yet
    Error      // no reading: see aviso
};

struct HusoAtlas {
    std::string zona;  // the chosen place's IANA zone; "" none
    EstadoHusoAtlas estado = EstadoHusoAtlas::Ninguno;
    std::vector<ZoneSource> lecturas;  // one, or two earlier instant first (Repetida)
    int elegida = -1;                  // the reading in force; -1 none (yet)
    std::string aviso;                 // why there is no reading, in Spanish
    // The zone boxes' texts as the atlas last wrote them: the atlas's offset counts only
    // while the boxes still hold them, so that an offset typed by hand wins.
    std::string horas, minutos;
    // The place box's text as last typed matched no place of the atlas.
    bool lugarNoEncontrado = false;
};

// What the boxes and the hemisphere options hold. The designed contents are the defaults.
struct FichaNatalTextos {
    std::string TextNombre;
    std::string TextDia, TextMes, TextAnno;
    std::string TextHShs = "00", TextHSmin = "00", TextHSseg = "00";
    // Zone hours may start with "+" (ahead of universal time, east) or "-" (behind it,
    // west); without a sign the longitude's hemisphere decides.
    std::string TextHusoHoras = "00", TextHusoMinutos = "00";
    std::string TextLatGrad = "00", TextLatMin = "00";
    std::string TextLonGrad = "000", TextLonMin = "00";
    std::string txtLugar;
    bool LatitudSur = false;    // "&Sur" selected, else " &Norte"
    bool LongitudOeste = true;  // "&Oeste" selected, else "&Este"
    // Whether an option of each pair is selected at all: a new chart starts with neither, so
    // that typed coordinates never take the hemisphere of the chart shown before.
    bool LatitudElegida = true, LongitudElegida = true;
    HusoAtlas huso;  // what the atlas gave; nothing when the form is typed by hand
};

// A rejected entry: the message box's text and title and the box that gets the focus.
struct EntryFailure {
    std::string message;
    std::string title;
    EntryField focus = EntryField::None;
};

}  // namespace natalis
