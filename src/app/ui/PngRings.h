// The rings that `natalis --png` may draw round the natal wheel, chosen by the options that
// follow the file names (for example a progression or a transit).
#pragma once
#include <ostream>

#include "app/Headless.h"
#include "app/MainState.h"
#include "astro/Ephemeris.h"
#include "chart/Surface.h"

namespace natalis {

// options: the arguments of --png that are not its own (FILE.dat, OUT.png, --size,
// --houses). Computes and draws on s, on top of the natal wheel just drawn from state,
// whatever they ask for. Returns false, with a message on err, for an option it does not
// know or a wrong value; nothing is then written.
bool DrawPngRings(const Args& options, MainState& state, Ephemeris& eph, Surface& s,
                  std::ostream& err);

}  // namespace natalis
