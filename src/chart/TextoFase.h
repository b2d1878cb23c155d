// The word for an aspect's phase, as the listings and the report write it.
#pragma once
#include "chart/Aspects.h"

namespace natalis {

// "aplicativo", "separativo" or "exacto"; "" when the phase is unknown (no speeds).
const char* TextoFase(FaseAspecto f);

}  // namespace natalis
