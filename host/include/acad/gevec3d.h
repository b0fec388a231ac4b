// Vectors of the host's geometry library and the point arithmetic that uses them.
#pragma once

#include <cmath>

#include "acad/dbgeometry.h"

class AcGeVector3d {
public:
    AcGeVector3d() = default;
    AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    bool operator==(const AcGeVector3d&) const = default;

    static const AcGeVector3d kXAxis;
    static const AcGeVector3d kYAxis;
    static const AcGeVector3d kZAxis;

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
    AcGeVector3d crossProduct(const AcGeVector3d& v) const {
        return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
    }
    // The unit vector in the same direction; a zero vector stays zero, as the host's does.
    AcGeVector3d normal() const {
        const double l = length();
        return l > 0.0 ? AcGeVector3d(x / l, y / l, z / l) : *this;
    }

    AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    AcGeVector3d operator-() const { return {-x, -y, -z}; }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline const AcGeVector3d AcGeVector3d::kXAxis{1.0, 0.0, 0.0};
inline const AcGeVector3d AcGeVector3d::kYAxis{0.0, 1.0, 0.0};
inline const AcGeVector3d AcGeVector3d::kZAxis{0.0, 0.0, 1.0};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }
inline AcGePoint3d operator+(const AcGePoint3d& p, const AcGeVector3d& v) { return {p.x + v.x, p.y + v.y, p.z + v.z}; }
inline AcGePoint3d operator-(const AcGePoint3d& p, const AcGeVector3d& v) { return {p.x - v.x, p.y - v.y, p.z - v.z}; }
inline AcGeVector3d operator-(const AcGePoint3d& a, const AcGePoint3d& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
