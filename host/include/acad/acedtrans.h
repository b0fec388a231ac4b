// Coordinate systems of the editor and distances between points.
#pragma once

#include "acad/adscodes.h"

// Converts a point (or, with displacement non-zero, a vector) between the systems that `from`
// and `to` name as RTSHORT codes: 0 world, 1 user, 2 display of the current viewport, 3 paper
// space display. RTNORM on success, RTERROR for a system the host does not know.
int acedTrans(const ads_point point, const resbuf* from, const resbuf* to, int displacement, ads_point result);

ads_real acutDistance(const ads_point a, const ads_point b);
