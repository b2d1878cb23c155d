#include "entry/RevisarDatos.h"

#include <cmath>

#include "app/model/Atlas.h"
#include "astro/NumberText.h"
#include "astro/TextTrim.h"
#include "entry/ZonaDeLugar.h"

namespace natalis {

double ValorCaja(const std::string& text) { return Val(text); }

double ValorEntero(const std::string& text) {
    double v = Val(text);
    // Values this large fail every range check anyway; rounding them would overflow.
    return std::fabs(v) < 1e9 ? static_cast<double>(CIntEven(v)) : v;
}

namespace {

struct Check {
    std::string FichaNatalTextos::*box;
    EntryField field;
    bool (*fails)(const std::string& text);
    const char* message;
    const char* title;
};

// The day, month and year are checked as the whole numbers the chart will use, so that a
// fraction that rounds to day 0 is a missing day; the time and the coordinates are measures
// and are checked as they are.
bool IsZero(const std::string& t) { return ValorEntero(t) == 0; }
bool YearOutOfRange(const std::string& t) {
    double a = ValorEntero(t);
    return a < -3000 || a > 3000;
}
bool Hour24(const std::string& t) { return ValorCaja(t) >= 24; }
bool Sixty(const std::string& t) { return ValorCaja(t) >= 60; }
// A signed zone is checked by its size: "+13" and "-13" fail like "13".
bool ZoneTooLarge(const std::string& t) { return std::fabs(ValorCaja(t)) > 12; }
bool Lat90(const std::string& t) { return ValorCaja(t) >= 90; }
bool Lon180(const std::string& t) { return ValorCaja(t) >= 180; }

const Check kChecks[] = {
    {&FichaNatalTextos::TextDia, EntryField::TextDia, IsZero, "Falta el número de día",
     "Corregir Fecha"},
    {&FichaNatalTextos::TextMes, EntryField::TextMes, IsZero, "Falta el número de mes",
     "Corregir Fecha"},
    {&FichaNatalTextos::TextAnno, EntryField::TextAnno, YearOutOfRange,
     " Las fechas posibles son de -3000 á 3000 años  ", "Corregir año"},
    {&FichaNatalTextos::TextHShs, EntryField::TextHShs, Hour24, "Las horas son de 0 á 23",
     "Corregir Hora"},
    {&FichaNatalTextos::TextHSmin, EntryField::TextHSmin, Sixty, "Los minutos son de 0 á 59",
     "Corregir Hora"},
    {&FichaNatalTextos::TextHSseg, EntryField::TextHSseg, Sixty, "Los segundos son de 0 á 59",
     "Corregir Hora"},
    {&FichaNatalTextos::TextHusoHoras, EntryField::TextHusoHoras, ZoneTooLarge,
     "La mayor diferencia horaria es 12hs", "Corregir Huso"},
    {&FichaNatalTextos::TextLatGrad, EntryField::TextLatGrad, Lat90, "La Latitud es de 0 á 89",
     "Corregir Latitud"},
    {&FichaNatalTextos::TextLatMin, EntryField::TextLatMin, Sixty, "Los minutos son de 0 á 59",
     "Corregir Latitud"},
    {&FichaNatalTextos::TextLonGrad, EntryField::TextLonGrad, Lon180, "La Longitud es de 0 á 179",
     "Corregir Longitud"},
    {&FichaNatalTextos::TextLonMin, EntryField::TextLonMin, Sixty, "Los minutos son de 0 á 59",
     "Corregir Longitud"},
};

bool Blank(const std::string& t) { return TrimBlanks(t).empty(); }

// The zone boxes may be empty while the atlas's zone waits for a date, a time or a choice of
// reading: RevisarHusoAtlas says which.
bool ZoneMissing(const FichaNatalTextos& f) {
    return Blank(f.TextHusoHoras) && !HusoDelAtlasEnVigor(f);
}
bool LatitudeMissing(const FichaNatalTextos& f) { return Blank(f.TextLatGrad); }
bool LongitudeMissing(const FichaNatalTextos& f) { return Blank(f.TextLonGrad); }
bool NoNorthOrSouth(const FichaNatalTextos& f) { return !f.LatitudElegida; }
bool NoEastOrWest(const FichaNatalTextos& f) { return !f.LongitudElegida; }

// A chart is never drawn from a guess: an empty box would count as 0 and a hemisphere not
// chosen would be the previous chart's. Empty minutes count as 0, as those of the time do.
struct Completeness {
    bool (*fails)(const FichaNatalTextos& f);
    EntryField field;
    const char* message;
    const char* title;
};

const Completeness kCompleteness[] = {
    {ZoneMissing, EntryField::TextHusoHoras, "Falta el huso horario", "Corregir Huso"},
    {LatitudeMissing, EntryField::TextLatGrad, "Faltan los grados de latitud", "Corregir Latitud"},
    {NoNorthOrSouth, EntryField::Latitud, "Elija Norte o Sur", "Corregir Latitud"},
    {LongitudeMissing, EntryField::TextLonGrad, "Faltan los grados de longitud",
     "Corregir Longitud"},
    {NoEastOrWest, EntryField::Longit, "Elija Este u Oeste", "Corregir Longitud"},
};

// A place typed that the atlas did not find, with the coordinates or the zone still to type.
std::optional<EntryFailure> LugarSinCoordenadas(const FichaNatalTextos& f) {
    const std::string lugar = TrimBlanks(f.txtLugar);
    if (!f.huso.lugarNoEncontrado || lugar.empty()) return std::nullopt;
    if (!ZoneMissing(f) && !LatitudeMissing(f) && !LongitudeMissing(f)) return std::nullopt;
    return EntryFailure{LugarNoEncontrado(lugar), "Corregir Lugar", EntryField::txtLugar};
}

}  // namespace

std::optional<EntryFailure> RevisarDatos(const FichaNatalTextos& f) {
    for (const Check& c : kChecks) {
        // An offset from the time-zone database may reach 14 hours (Kiribati, Samoa).
        if (c.field == EntryField::TextHusoHoras && HusoDelAtlasEnVigor(f) &&
            std::fabs(ValorCaja(f.*c.box)) <= MayorHusoAceptado(f))
            continue;
        if (c.fails(f.*c.box)) return EntryFailure{c.message, c.title, c.field};
    }
    if (auto failure = LugarSinCoordenadas(f)) return failure;
    for (const Completeness& c : kCompleteness)
        if (c.fails(f)) return EntryFailure{c.message, c.title, c.field};
    return RevisarHusoAtlas(f);
}

}  // namespace natalis
