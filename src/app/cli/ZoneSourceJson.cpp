#include "app/cli/ZoneSourceJson.h"

#include "app/cli/JsonText.h"
#include "app/model/HusoActual.h"
#include "app/model/ZoneSourceLine.h"

namespace natalis {

namespace {

std::string Bool(bool b) { return b ? "true" : "false"; }

// The reading's own keys, after an opening brace.
std::string ReadingKeys(const ZoneSource& s) {
    return "\"offset\": " + JsonString(FormatUtcOffset(s.offsetSeconds)) +
           ", \"offsetSeconds\": " + std::to_string(s.offsetSeconds) +
           ", \"abbreviation\": " + JsonString(s.abbreviation) +
           ", \"summerTime\": " + Bool(s.summerTime) +
           ", \"localMeanTime\": " + Bool(s.localMeanTime);
}

const char* StatusWord(HusoActualEstado e) {
    switch (e) {
        case HusoActualEstado::Igual:
            return "igual";
        case HusoActualEstado::Distinto:
            return "distinto";
        default:
            return "sin lectura";
    }
}

}  // namespace

std::string ZoneSourceJson(const NatalRecord& rec) {
    const ZoneSource& s = rec.ZoneFrom;
    const std::string text = JsonString(DescribirFuente(s));
    if (!s.FromDatabase())
        return "{\"kind\": " + JsonString(kEscritoAMano) + ", \"text\": " + text + "}";

    const HusoActual now = ComprobarHuso(rec);
    std::string j = "{\"kind\": \"base de datos\", \"text\": " + text +
                    ", \"zone\": " + JsonString(s.zone) + ", " + ReadingKeys(s) +
                    ", \"tzdata\": " + JsonString(s.tzdataVersion) +
                    ", \"now\": {\"status\": " + JsonString(StatusWord(now.estado)) +
                    ", \"tzdata\": " + JsonString(TzdataVersion());
    if (now.estado == HusoActualEstado::SinLectura)
        j += ", \"message\": " + JsonString(now.mensaje);
    else
        j += ", " + ReadingKeys(now.ahora);
    return j + "}}";
}

}  // namespace natalis
