#include "frame/locked_layer_display.h"

#include <cstdlib>

#include "acad/aced.h"
#include "acad/dbmaterial.h"

namespace vexa::frame {

namespace {

constexpr const ACHAR* kFadingVariable = L"LayLockFadeCTL";
constexpr const ACHAR* kLockedLayerMaterial = L"Vexa-JELLYORDO";
constexpr int kOpacityWithoutMaterial = 50;

int readFading() {
    resbuf value{};
    if (acedGetVar(kFadingVariable, &value) != RTNORM || value.restype != RTSHORT) return 0;
    return value.resval.rint;
}

// The material opened as asked, or null when the drawing has none.
AcDbMaterial* openMaterial(AcDb::OpenMode mode) {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    AcDbDictionary* materials = nullptr;
    if (database == nullptr || database->getMaterialDictionary(materials, AcDb::kForRead) != Acad::eOk) return nullptr;
    AcDbObjectId id;
    const bool found = materials->getAt(kLockedLayerMaterial, id) == Acad::eOk;
    materials->close();
    AcDbMaterial* material = nullptr;
    if (!found || acdbOpenObject(material, id, mode) != Acad::eOk) return nullptr;
    return material;
}

int readOpacity() {
    AcDbMaterial* material = openMaterial(AcDb::kForRead);
    if (material == nullptr) return kOpacityWithoutMaterial;
    double fraction = 0.0;
    AcGiMaterialMap map;
    material->opacity(fraction, map);
    material->close();
    return static_cast<int>(fraction * 100.0);
}

}  // namespace

LockedLayerDisplay::LockedLayerDisplay(int fading, int opacity)
    : initialFading_(fading), initialOpacity_(opacity), fadingWritten_(std::abs(fading)), opacityWritten_(opacity) {}

LockedLayerDisplay LockedLayerDisplay::read() { return LockedLayerDisplay(readFading(), readOpacity()); }

void LockedLayerDisplay::write(int fading, int opacity) {
    if (fading != fadingWritten_) {
        fadingWritten_ = fading;
        resbuf value{};
        value.restype = RTSHORT;
        value.resval.rint = static_cast<short>(fading);
        acedSetVar(kFadingVariable, &value);
    }
    if (opacity != opacityWritten_) {
        opacityWritten_ = opacity;
        if (AcDbMaterial* material = openMaterial(AcDb::kForWrite)) {
            material->setOpacity(opacity / 100.0, AcGiMaterialMap());
            material->close();
        }
        acedCommand(RTSTR, L"REDRAW", RTNONE);
    }
}

}  // namespace vexa::frame
