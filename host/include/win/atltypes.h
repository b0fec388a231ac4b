// The framework's point type.
#pragma once

#include "win/winuser.h"

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x, int y) : POINT{x, y} {}
    explicit CPoint(POINT point) : POINT(point) {}
};
