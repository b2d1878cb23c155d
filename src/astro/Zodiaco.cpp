#include "astro/Zodiaco.h"

namespace natalis {

void PosicionZodiacal(Ephemeris& eph, double jd, int32_t body, Zodiaco z, double* out) {
    eph.CalcBody(jd, body, out);
    switch (z) {
        case Zodiaco::Tropical:
            break;  // the ephemeris answers in the tropical zodiac already
    }
}

}  // namespace natalis
