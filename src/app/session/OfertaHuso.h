// On loading a chart whose offset came from the time-zone database: today's database may
// give another offset for the same zone, date and clock time (a newer tzdata, a correction
// of history). The user is asked; the program never changes the chart silently.
#pragma once
#include "app/model/Dialogs.h"
#include "app/model/NatalRecord.h"

namespace natalis {

constexpr const char* kTituloHusoActual = "Huso horario";

// When ComprobarHuso finds another offset today, asks (Yes/No, title "Huso horario") whether
// to use it; Yes puts it into rec (the chart file stays as it is). A chart whose offset was
// typed by hand, or whose reading is still the same, asks nothing. True when rec changed.
bool OfrecerHusoActual(NatalRecord& rec, Dialogs& dialogs);

}  // namespace natalis
