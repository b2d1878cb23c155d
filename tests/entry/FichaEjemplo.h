// A complete, valid entry form shared by the form's tests: Ana Lucía, born in Buenos Aires
// on 5 3 1970 at 09:07:30, zone 3 hours west, 34°36'S 58°27'W.
#pragma once
#include "entry/FichaNatal.h"

namespace natalis {

inline FichaNatalTextos FichaBuenosAires() {
    FichaNatalTextos f;
    f.TextNombre = "Ana Lucía";
    f.TextDia = "5";
    f.TextMes = "3";
    f.TextAnno = "1970";
    f.TextHShs = "09";
    f.TextHSmin = "07";
    f.TextHSseg = "30";
    f.TextHusoHoras = "03";
    f.TextHusoMinutos = "00";
    f.TextLatGrad = "34";
    f.TextLatMin = "36";
    f.LatitudSur = true;
    f.TextLonGrad = "058";
    f.TextLonMin = "27";
    f.LongitudOeste = true;
    f.txtLugar = "Buenos Aires";
    return f;
}

}  // namespace natalis
