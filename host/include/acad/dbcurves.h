// Curve entities beyond lines and circles: arcs, ellipses, splines and lightweight polylines.
#pragma once

#include <vector>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"

class AcDbArc : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbArc)
    AcDbArc() = default;
    // Angles in radians, counter-clockwise from the X axis of the XY plane.
    AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
        : center_(center), radius_(radius), startAngle_(startAngle), endAngle_(endAngle) {}
    AcGePoint3d center() const { return center_; }
    double radius() const { return radius_; }
    double startAngle() const { return startAngle_; }
    double endAngle() const { return endAngle_; }

private:
    AcGePoint3d center_;
    double radius_ = 1.0;
    double startAngle_ = 0.0;
    double endAngle_ = 0.0;
};

class AcDbEllipse : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbEllipse)
    AcDbEllipse() = default;
    // A full ellipse has the parameters 0 and 2 pi.
    AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                double radiusRatio, double startAngle, double endAngle)
        : center_(center), normal_(unitNormal), majorAxis_(majorAxis), radiusRatio_(radiusRatio),
          startAngle_(startAngle), endAngle_(endAngle) {}
    AcGePoint3d center() const { return center_; }
    AcGeVector3d normal() const { return normal_; }
    AcGeVector3d majorAxis() const { return majorAxis_; }
    double radiusRatio() const { return radiusRatio_; }
    double startAngle() const { return startAngle_; }
    double endAngle() const { return endAngle_; }

private:
    AcGePoint3d center_;
    AcGeVector3d normal_{0.0, 0.0, 1.0};
    AcGeVector3d majorAxis_{1.0, 0.0, 0.0};
    double radiusRatio_ = 1.0;
    double startAngle_ = 0.0;
    double endAngle_ = 0.0;
};

// A NURBS curve: weights empty for a non-rational one.
class AcDbSpline : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbSpline)
    AcDbSpline() = default;
    AcDbSpline(int degree, std::vector<AcGePoint3d> controlPoints, std::vector<double> knots, std::vector<double> weights)
        : degree_(degree), controlPoints_(std::move(controlPoints)), knots_(std::move(knots)), weights_(std::move(weights)) {}
    int degree() const { return degree_; }
    int numControlPoints() const { return static_cast<int>(controlPoints_.size()); }
    const std::vector<AcGePoint3d>& controlPoints() const { return controlPoints_; }
    const std::vector<double>& knots() const { return knots_; }
    const std::vector<double>& weights() const { return weights_; }

private:
    int degree_ = 3;
    std::vector<AcGePoint3d> controlPoints_;
    std::vector<double> knots_;
    std::vector<double> weights_;
};

// A polyline of straight segments in the XY plane.
class AcDbPolyline : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbPolyline)
    AcDbPolyline() = default;
    unsigned int numVerts() const { return static_cast<unsigned int>(vertices_.size()); }
    void addVertexAt(unsigned int index, double x, double y);
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& point) const;
    bool isClosed() const { return closed_; }
    void setClosed(bool closed) { closed_ = closed; }

private:
    std::vector<AcGePoint3d> vertices_;
    bool closed_ = false;
};
