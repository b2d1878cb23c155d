#include "entry/LlenarFicha.h"

#include "app/model/Cp1252.h"
#include "entry/ZonaDeLugar.h"

namespace natalis {

FichaNatalTextos LlenarFicha(const NatalRecord& rec) {
    FichaNatalTextos f;
    std::string fullName = TrimBlanks(rec.NatalName);
    f.TextNombre = TrimBlanks(rec.NatalNameFixed) == fullName ? rec.NatalNameFixed : fullName;
    f.TextDia = rec.DayText;
    f.TextMes = rec.MonthText;
    f.TextAnno = rec.YearText;
    f.TextHShs = rec.HourText;
    f.TextHSmin = rec.MinuteText;
    f.TextHSseg = rec.SecondText;
    f.TextHusoHoras = rec.ZoneSign + rec.ZoneHourText;
    f.TextHusoMinutos = rec.ZoneMinuteText;
    f.TextLatGrad = rec.LatDegText;
    f.TextLatMin = rec.LatMinText;
    f.LatitudSur = rec.LatHemisphere != "N";
    f.TextLonGrad = rec.LonDegText;
    f.TextLonMin = rec.LonMinText;
    f.LongitudOeste = rec.LonHemisphere != "E";
    f.txtLugar = rec.Place;
    RecordarHusoGuardado(f, rec);
    return f;
}

}  // namespace natalis
