#include "app/ui/PngRings.h"

#include "predictive/AnillosPng.h"

namespace natalis {

// The natal wheel alone, or with the progressed and transit rings (--progress ...,
// --transit ...).
bool DrawPngRings(const Args& options, MainState& state, Ephemeris& eph, Surface& s,
                  std::ostream& err) {
    if (options.empty()) return true;
    return DibujarAnillosPng(options, state, eph, s, err);
}

}  // namespace natalis
