// Dictionaries of named objects and the render material with its opacity.
#pragma once

#include "acad/dbmain.h"

class AcDbDictionary : public AcDbObject {
public:
    AcDbDictionary() = default;
    // Names are compared without regard to case.
    bool has(const ACHAR* name) const;
    Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id) const;
    std::uint32_t numEntries() const;
};

// How a material property is mapped onto a surface; an empty map is the plain value.
class AcGiMaterialMap {
public:
    AcGiMaterialMap() = default;
    double blendFactor() const { return blendFactor_; }
    void setBlendFactor(double factor) { blendFactor_ = factor; }

private:
    double blendFactor_ = 1.0;
};

class AcDbMaterial : public AcDbObject {
public:
    AcDbMaterial() = default;
    const ACHAR* name() const { return name_.c_str(); }
    Acad::ErrorStatus setName(const ACHAR* name);
    // The opacity as a fraction 0.0 (clear) to 1.0 (opaque), with its map.
    void opacity(double& percentage, AcGiMaterialMap& map) const;
    Acad::ErrorStatus setOpacity(double percentage, const AcGiMaterialMap& map);

private:
    friend class AcDbObjectAccess;
    std::wstring name_;
    double opacity_ = 1.0;
    AcGiMaterialMap opacityMap_;
};
