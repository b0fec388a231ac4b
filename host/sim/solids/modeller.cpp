#include "sim/solids/modeller.h"

#include <BRepBndLib.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <IGESControl_Reader.hxx>
#include <STEPControl_Reader.hxx>
#include <Standard_Failure.hxx>
#include <gp_Ax2.hxx>

#include <algorithm>
#include <cmath>
#include <memory>

#include "sim/solids/body.h"

namespace vexa::sim::solids {

namespace {

std::optional<db::SolidGeometry> solidOf(const TopoDS_Shape& shape) {
    if (shape.IsNull()) return std::nullopt;
    Bnd_Box box;
    BRepBndLib::Add(shape, box, false);
    if (box.IsVoid()) return std::nullopt;
    double x0 = 0, y0 = 0, z0 = 0, x1 = 0, y1 = 0, z1 = 0;
    box.Get(x0, y0, z0, x1, y1, z1);
    return db::SolidGeometry{std::make_shared<const Body>(shape, std::sqrt(box.SquareExtent())), {x0, y0, z0}, {x1, y1, z1}};
}

// Data-exchange readers report a failed transfer with an empty shape, and a few throw.
template <typename Reader>
TopoDS_Shape readExchangeFile(const std::filesystem::path& file) {
    Reader reader;
    if (reader.ReadFile(file.string().c_str()) != IFSelect_RetDone) return {};
    reader.TransferRoots();
    return reader.OneShape();
}

std::string lowerExtension(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
    return extension;
}

}  // namespace

std::optional<db::SolidGeometry> makeBox(const db::Point3& corner, const db::Point3& opposite, double height) {
    const double dx = std::abs(opposite.x - corner.x);
    const double dy = std::abs(opposite.y - corner.y);
    if (dx <= 0.0 || dy <= 0.0 || height == 0.0) return std::nullopt;
    const gp_Pnt origin(std::min(corner.x, opposite.x), std::min(corner.y, opposite.y),
                        height > 0 ? corner.z : corner.z + height);
    return solidOf(BRepPrimAPI_MakeBox(origin, dx, dy, std::abs(height)).Shape());
}

std::optional<db::SolidGeometry> makeCylinder(const db::Point3& baseCentre, double radius, double height) {
    if (radius <= 0.0 || height == 0.0) return std::nullopt;
    const gp_Ax2 axis(gp_Pnt(baseCentre.x, baseCentre.y, baseCentre.z), height > 0 ? gp::DZ() : -gp::DZ());
    return solidOf(BRepPrimAPI_MakeCylinder(axis, radius, std::abs(height)).Shape());
}

std::optional<db::SolidGeometry> importPart(const std::filesystem::path& file) {
    try {
        const std::string extension = lowerExtension(file);
        TopoDS_Shape shape;
        if (extension == ".step" || extension == ".stp") shape = readExchangeFile<STEPControl_Reader>(file);
        else if (extension == ".iges" || extension == ".igs") shape = readExchangeFile<IGESControl_Reader>(file);
        else if (extension == ".brep") {
            BRep_Builder builder;
            if (!BRepTools::Read(shape, file.string().c_str(), builder)) return std::nullopt;
        }
        return solidOf(shape);
    } catch (const Standard_Failure&) {
        return std::nullopt;
    }
}

}  // namespace vexa::sim::solids
