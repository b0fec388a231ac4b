// Points and vectors of the host's geometry library, as far as database objects use them.
#pragma once

class AcGePoint2d {
public:
    AcGePoint2d() = default;
    AcGePoint2d(double xx, double yy) : x(xx), y(yy) {}
    bool operator==(const AcGePoint2d&) const = default;

    double x = 0.0;
    double y = 0.0;
};

class AcGePoint3d {
public:
    AcGePoint3d() = default;
    AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    bool operator==(const AcGePoint3d&) const = default;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
