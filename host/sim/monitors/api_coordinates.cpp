// Coordinate conversion and distances, as the host's editor offers them.
#include <cmath>

#include "acad/acedtrans.h"

namespace {

// World 0, user 1, display 2, paper-space display 3.
bool knownSystem(const resbuf* system) {
    return system != nullptr && system->restype == RTSHORT && system->resval.rint >= 0 && system->resval.rint <= 3;
}

}  // namespace

// The simulated viewports show plan views of the world without twist and the user system is the
// world's, so every conversion between known systems keeps the coordinates.
int acedTrans(const ads_point point, const resbuf* from, const resbuf* to, int, ads_point result) {
    if (point == nullptr || result == nullptr || !knownSystem(from) || !knownSystem(to)) return RTERROR;
    for (int i = 0; i < 3; ++i) result[i] = point[i];
    return RTNORM;
}

ads_real acutDistance(const ads_point a, const ads_point b) {
    if (a == nullptr || b == nullptr) return 0.0;
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}
