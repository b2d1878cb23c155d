#include "app/model/ChartHeader.h"

#include "app/model/ChartFormats.h"
#include "astro/TextTrim.h"

namespace natalis {

ChartHeader ReadChartHeader(const std::string& folder, const std::string& fileName) {
    NatalRecord rec;
    ChartHeader h;
    if (!ReadChartAnyFormat(folder, fileName, rec).ok) return h;
    h.ok = true;
    h.name = TrimBlanks(rec.NatalName);
    h.day = rec.NatalDay;
    h.month = rec.NatalMonth;
    h.year = rec.NatalYear;
    h.date = rec.FechaNatalTexto;
    h.place = TrimBlanks(rec.Place);
    return h;
}

}  // namespace natalis
