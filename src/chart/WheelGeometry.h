// Geometry of the natal wheel, written at the start of every wheel drawing and read by the
// progressed and transit rings drawn round it. Units are the window's 0..100 x 0..70 scale.
#pragma once
#include <cstdint>

namespace natalis {

struct WheelGeometry {
    int16_t CentroX = 0;  // x of the centre (60 once drawn)
    int16_t CentroY = 0;  // y of the centre (36 once drawn)
    int16_t Radio = 0;    // base radius R (22 once drawn)
    int16_t GiroAsc = 0;  // screen angle = ecliptic longitude + GiroAsc (degrees)
};

}  // namespace natalis
