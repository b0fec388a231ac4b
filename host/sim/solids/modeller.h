// The host's solid modeller (Open CASCADE behind it): primitives and parts read from files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "db/records.h"

namespace vexa::sim::solids {

// A box from a corner and the opposite corner of its base, rising by height (negative: downwards).
std::optional<db::SolidGeometry> makeBox(const db::Point3& corner, const db::Point3& opposite, double height);
// A cylinder standing on its base's centre, along world Z.
std::optional<db::SolidGeometry> makeCylinder(const db::Point3& baseCentre, double radius, double height);

// A part from a STEP (.step, .stp), IGES (.iges, .igs) or BREP (.brep) file, by its extension;
// nothing when the file cannot be read or holds no shape.
std::optional<db::SolidGeometry> importPart(const std::filesystem::path& file);

}  // namespace vexa::sim::solids
