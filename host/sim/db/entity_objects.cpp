#include "db/entity_objects.h"

#include "acad/dbcurves.h"
#include "db/arx_annotation_objects.h"
#include "db/arx_text_objects.h"
#include "db/object_access.h"

namespace vexa::sim::db {

namespace {

// Entities of a type the plug-ins do not open by class yet: their common properties only.
class AcDbOtherEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbOtherEntity)
    AcDbOtherEntity() = default;
};

AcGePoint3d toPoint(const Point3& p) { return {p.x, p.y, p.z}; }
AcGeVector3d toVector(const Point3& p) { return {p.x, p.y, p.z}; }
Point3 fromPoint(const AcGePoint3d& p) { return {p.x, p.y, p.z}; }
Point3 fromVector(const AcGeVector3d& v) { return {v.x, v.y, v.z}; }

struct ObjectOf {
    AcDbEntity* operator()(const LineGeometry& line) const { return new AcDbLine(toPoint(line.start), toPoint(line.end)); }
    AcDbEntity* operator()(const CircleGeometry& circle) const { return new AcDbCircle(toPoint(circle.center), circle.radius); }
    AcDbEntity* operator()(const ArcGeometry& arc) const {
        return new AcDbArc(toPoint(arc.center), arc.radius, arc.startAngle, arc.endAngle);
    }
    AcDbEntity* operator()(const PolylineGeometry& polyline) const {
        auto* object = new AcDbPolyline;
        for (const Point3& vertex : polyline.vertices) object->addVertexAt(object->numVerts(), vertex.x, vertex.y);
        object->setClosed(polyline.closed);
        return object;
    }
    // The text and annotation kinds have objects of their own (newTextEntityObject,
    // newAnnotationObject); nothing else reaches here.
    template <class TextKind>
    AcDbEntity* operator()(const TextKind&) const {
        return new AcDbOtherEntity;
    }
    AcDbEntity* operator()(const EllipseGeometry& ellipse) const {
        return new AcDbEllipse(toPoint(ellipse.center), toVector(ellipse.normal), toVector(ellipse.majorAxis),
                               ellipse.radiusRatio, ellipse.startParameter, ellipse.endParameter);
    }
    AcDbEntity* operator()(const SplineGeometry& spline) const {
        std::vector<AcGePoint3d> points;
        for (const Point3& point : spline.controlPoints) points.push_back(toPoint(point));
        return new AcDbSpline(spline.degree, std::move(points), spline.knots, spline.weights);
    }
    AcDbEntity* operator()(const SolidGeometry& solid) const {
        auto* object = new AcDb3dSolid;
        AcDbObjectAccess::markFilled(*object, solid.body != nullptr);
        return object;
    }
};

}  // namespace

AcDbEntity* newEntityObject(Database& database, const Entity& entity) {
    AcDbEntity* object = newTextEntityObject(entity);
    if (object == nullptr) object = newAnnotationObject(database, entity);
    if (object == nullptr) object = std::visit(ObjectOf{}, entity.geometry);
    object->setLayer(database.layers().findById(entity.layer)->name.c_str());
    object->setColorIndex(entity.color);
    object->setLinetype(database.linetypes().findById(entity.linetype)->name.c_str());
    object->setVisibility(entity.visible ? AcDb::kVisible : AcDb::kInvisible);
    AcDbObjectAccess::markErased(*object, entity.erased);
    return object;
}

bool readGeometryOf(const AcDbEntity& object, Geometry& geometry) {
    if (const auto* line = dynamic_cast<const AcDbLine*>(&object)) {
        geometry = LineGeometry{fromPoint(line->startPoint()), fromPoint(line->endPoint())};
    } else if (const auto* circle = dynamic_cast<const AcDbCircle*>(&object)) {
        geometry = CircleGeometry{fromPoint(circle->center()), circle->radius()};
    } else if (const auto* arc = dynamic_cast<const AcDbArc*>(&object)) {
        geometry = ArcGeometry{fromPoint(arc->center()), arc->radius(), arc->startAngle(), arc->endAngle()};
    } else if (const auto* ellipse = dynamic_cast<const AcDbEllipse*>(&object)) {
        geometry = EllipseGeometry{fromPoint(ellipse->center()), fromVector(ellipse->normal()),
                                   fromVector(ellipse->majorAxis()), ellipse->radiusRatio(), ellipse->startAngle(),
                                   ellipse->endAngle()};
    } else if (const auto* spline = dynamic_cast<const AcDbSpline*>(&object)) {
        SplineGeometry read{spline->degree(), {}, spline->knots(), spline->weights()};
        for (const AcGePoint3d& point : spline->controlPoints()) read.controlPoints.push_back(fromPoint(point));
        geometry = std::move(read);
    } else if (const auto* polyline = dynamic_cast<const AcDbPolyline*>(&object)) {
        PolylineGeometry read{{}, polyline->isClosed()};
        for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
            AcGePoint3d point;
            polyline->getPointAt(i, point);
            read.vertices.push_back(fromPoint(point));
        }
        geometry = std::move(read);
    } else {
        // Solids keep what the database holds: plug-ins do not shape them.
        return readTextGeometry(object, geometry) || readAnnotationGeometry(object, geometry);
    }
    return true;
}

}  // namespace vexa::sim::db
