#include "dxf/entity_rows.h"

namespace vexa::sim::dxf {

namespace {

constexpr int kRational = 4;

bool readEllipse(const Record& record, db::Geometry& geometry) {
    db::EllipseGeometry ellipse;
    ellipse.center = readPoint(record, 10);
    ellipse.majorAxis = readPoint(record, 11);
    if (findGroup(record, 210) != nullptr) ellipse.normal = readPoint(record, 210);
    ellipse.radiusRatio = realValue(record, 40, 1.0);
    ellipse.startParameter = realValue(record, 41, 0.0);
    ellipse.endParameter = realValue(record, 42, 0.0);
    if (ellipse.radiusRatio <= 0.0 || ellipse.radiusRatio > 1.0) return false;
    geometry = ellipse;
    return true;
}

void writeEllipse(const db::Geometry& geometry, Record& record) {
    const auto& ellipse = std::get<db::EllipseGeometry>(geometry);
    writeString(record, 100, "AcDbEllipse");
    writePoint(record, 10, ellipse.center);
    writePoint(record, 11, ellipse.majorAxis);
    writePoint(record, 210, ellipse.normal);
    writeReal(record, 40, ellipse.radiusRatio);
    writeReal(record, 41, ellipse.startParameter);
    writeReal(record, 42, ellipse.endParameter);
}

// Fit points alone (no control points) are a form the database does not hold: kept as read.
bool readSpline(const Record& record, db::Geometry& geometry) {
    db::SplineGeometry spline;
    spline.degree = static_cast<int>(integerValue(record, 71, 3));
    spline.controlPoints = readPoints(record, 10);
    for (const Group& group : record) {
        if (group.code == 40) spline.knots.push_back(realValue(group).value_or(0.0));
        if (group.code == 41) spline.weights.push_back(realValue(group).value_or(1.0));
    }
    checkCount(record, 72, spline.knots.size(), "knots");
    checkCount(record, 73, spline.controlPoints.size(), "control points");
    const bool weighted = spline.weights.empty() || spline.weights.size() == spline.controlPoints.size();
    if (spline.degree < 1 || spline.controlPoints.empty() || !weighted) return false;
    geometry = std::move(spline);
    return true;
}

void writeSpline(const db::Geometry& geometry, Record& record) {
    const auto& spline = std::get<db::SplineGeometry>(geometry);
    writeString(record, 100, "AcDbSpline");
    writeInteger(record, 70, spline.weights.empty() ? 0 : kRational);
    writeInteger(record, 71, spline.degree);
    writeInteger(record, 72, static_cast<long long>(spline.knots.size()));
    writeInteger(record, 73, static_cast<long long>(spline.controlPoints.size()));
    writeInteger(record, 74, 0);
    for (double knot : spline.knots) writeReal(record, 40, knot);
    for (std::size_t i = 0; i < spline.controlPoints.size(); ++i) {
        writePoint(record, 10, spline.controlPoints[i]);
        if (i < spline.weights.size()) writeReal(record, 41, spline.weights[i]);
    }
}

constexpr EntityKind kCurveKinds[] = {
    {"ELLIPSE", readEllipse, writeEllipse},
    {"SPLINE", readSpline, writeSpline},
};

}  // namespace

std::span<const EntityKind> curveKinds() { return kCurveKinds; }

}  // namespace vexa::sim::dxf
