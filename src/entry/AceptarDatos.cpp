#include "entry/AceptarDatos.h"

#include <algorithm>

#include "app/model/Cp1252.h"
#include "astro/DateTimeParse.h"
#include "astro/NumberText.h"
#include "entry/HusoHorario.h"
#include "entry/RevisarDatos.h"
#include "entry/ZonaDeLugar.h"

namespace natalis {

namespace {

int16_t ToInt16(double v) { return static_cast<int16_t>(std::clamp(v, -32768.0, 32767.0)); }

// Degrees and minutes of a latitude or longitude, east and north positive. Exactly 0
// degrees becomes 0.0001 so that the hemisphere still gives the value a sign.
float Coordinate(const std::string& deg, const std::string& min, bool negative) {
    double d = ValorCaja(deg);
    if (d == 0) d = 0.0001;
    float value = static_cast<float>(d + ValorCaja(min) / 60);
    return negative ? -value : value;
}

}  // namespace

std::optional<EntryFailure> AceptarDatos(const FichaNatalTextos& f, NatalRecord& rec,
                                         ChartFlags& flags) {
    if (auto failure = RevisarDatos(f)) return failure;

    rec.NatalName = f.TextNombre;
    rec.NatalNameFixed = Utf8CutOrPad(f.TextNombre, 30);

    double day = ValorEntero(f.TextDia), month = ValorEntero(f.TextMes);
    double year = ValorEntero(f.TextAnno);
    rec.NatalDay = ToInt16(day);
    rec.NatalMonth = ToInt16(month);
    rec.NatalYear = ToInt16(year);
    rec.DayText = FormatGeneral(rec.NatalDay);
    rec.MonthText = FormatGeneral(rec.NatalMonth);
    rec.YearText = StrSigned(rec.NatalYear);
    rec.FechaNatalTexto = rec.DayText + " " + rec.MonthText + " " + FormatGeneral(rec.NatalYear);

    std::string fecha = rec.FechaNatalTexto, serr;
    double d = 0, m = 0, a = 0;
    stringFecha_a_dma(fecha, d, m, a, serr);
    if (!serr.empty()) return EntryFailure{serr, "corregir fecha", EntryField::None};

    // The time and the coordinates are measures, not whole numbers: a box pre-filled from a
    // hand-written file may hold a fraction (".5" seconds), which counts as the reader counts it.
    rec.NatalHour = static_cast<float>(ValorCaja(f.TextHShs) + ValorCaja(f.TextHSmin) / 60 +
                                       ValorCaja(f.TextHSseg) / 3600);
    rec.HourText = f.TextHShs;
    rec.MinuteText = f.TextHSmin;
    rec.SecondText = f.TextHSseg;
    rec.TimeText = rec.HourText + "." + rec.MinuteText + rec.SecondText;

    HusoTecleado huso = LeerHuso(f.TextHusoHoras, f.TextHusoMinutos);
    rec.ZoneSign = huso.sign;
    rec.ZoneHourText = huso.hourText;
    rec.ZoneMinuteText = huso.minuteText;
    rec.ZoneText = rec.ZoneHourText + "." + rec.ZoneMinuteText;
    rec.ZoneHours = static_cast<float>(CorreccionHuso(huso, f.LongitudOeste));
    // The database's offset is kept to the second; the boxes hold it to the minute.
    rec.ZoneFrom = FuenteDelHuso(f).value_or(ZoneSource{});
    if (rec.ZoneFrom.FromDatabase())
        rec.ZoneHours = static_cast<float>(-rec.ZoneFrom.offsetSeconds / 3600.0);

    rec.LatDegText = f.TextLatGrad;
    rec.LatMinText = f.TextLatMin;
    rec.LatHemisphere = f.LatitudSur ? "S" : "N";
    rec.LatitudeDeg = Coordinate(f.TextLatGrad, f.TextLatMin, f.LatitudSur);
    rec.LatText = rec.LatDegText + "." + rec.LatMinText + rec.LatHemisphere;

    rec.LonDegText = f.TextLonGrad;
    rec.LonMinText = f.TextLonMin;
    rec.LonHemisphere = f.LongitudOeste ? "W" : "E";
    rec.LongitudeDeg = Coordinate(f.TextLonGrad, f.TextLonMin, f.LongitudOeste);
    rec.LonText = rec.LonDegText + "." + rec.LonMinText + rec.LonHemisphere;

    rec.Place = Utf8CutOrPad(f.txtLugar, 30);

    flags.NotesModified = false;
    flags.ChartLoaded = true;
    flags.NewChart = true;
    return std::nullopt;
}

}  // namespace natalis
