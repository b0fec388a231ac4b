// Points and vectors of the host's geometry library, as far as database objects use them.
#pragma once

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    bool operator==(const AcGePoint3d&) const = default;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
