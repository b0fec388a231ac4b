// The host's hidden-line-removal service (module "AsdkHlrApi17.dbx", service "ASDK_HLR_API_SERVICES"):
// a collector of entities, an engine that projects them along a view direction, and output
// records of a result curve and its visibility class.
#pragma once

#include <memory>
#include <vector>

#include "acad/dbmain.h"
#include "acad/gevec3d.h"

// Option flags of the engine.
enum AsdkHlrControl {
    kProject = 0x1,            // results lie in the view plane (always so here: see below)
    kShowAll = 0x2,            // hidden edges are output too; without it only visible ones
    kEntity = 0x4,
    kBlock = 0x8,
    kSubentity = 0x10,
    kHideTangents = 0x20,      // smooth edges (between tangent faces) are left out
    kCleanup = 0x40,
    kIsolines = 0x80,          // isoparametric lines of curved faces are output
    kUnite = 0x100,
    kReuse = 0x200,
    kProgress = 0x400,
    kHandlePoints = 0x800,
    kProcessAll = 0x1000,
    kHonorInternals = 0x2000,
    kMeshSilhouettes = 0x4000, // fast polygonal removal on the solid's mesh: results are polyline segments
    kSingleCacheVp = 0x8000,
};

// Visibility classes of the output records.
enum AsdkHlrVisibility {
    kVisibleSharp = 0,    // visible sharp edges (faces meeting at an angle)
    kHiddenSharp = 1,     // hidden sharp edges
    kVisibleOutline = 2,  // visible outlines (silhouettes) of curved faces
    kHiddenOutline = 3,   // hidden outlines
    kVisibleSmooth = 4,   // visible smooth edges (tangent faces)
    kHiddenSmooth = 5,
    kVisibleSeam = 6,     // visible seams and edges of higher continuity
    kHiddenSeam = 7,
    kVisibleIsoline = 8,  // visible isoparametric lines (with kIsolines)
    kHiddenIsoline = 9,
};

// One output record: a new curve, not in any database (the caller owns it once taken), and its class.
class AsdkHlrData {
public:
    AsdkHlrData(AcDbEntity* entity, int visibility) : entity_(entity), visibility_(visibility) {}
    AcDbEntity* getResultEntity() const { return entity_; }
    int getVisibility() const { return visibility_; }

private:
    AcDbEntity* entity_;
    int visibility_;
};

// The entities to process, and after AsdkHlrEngine::run the output records in order. Records
// are deleted with the collector; their result entities are not.
class AsdkHlrCollector {
public:
    AsdkHlrCollector() = default;
    ~AsdkHlrCollector();
    AsdkHlrCollector(const AsdkHlrCollector&) = delete;
    AsdkHlrCollector& operator=(const AsdkHlrCollector&) = delete;

    void addEntity(AcDbObjectId id) { entities_.push_back(id); }
    const std::vector<AcDbObjectId>& entities() const { return entities_; }
    int getOutputDataCount() const { return static_cast<int>(output_.size()); }
    AsdkHlrData* getOutputData(int index) const;
    void addOutputData(AcDbEntity* entity, int visibility);

private:
    std::vector<AcDbObjectId> entities_;
    std::vector<std::unique_ptr<AsdkHlrData>> output_;
};

// Results lie in the XY plane of the view: X to the right, Y up (world Z up, or world Y for a
// view along Z), the target at the origin. The direction points from the target towards the eye.
class AsdkHlrEngine {
public:
    AsdkHlrEngine(const AcGePoint3d& target, const AcGeVector3d& direction, short flags);
    // eInvalidInput for a zero direction; entities that are not solids are skipped.
    Acad::ErrorStatus run(AsdkHlrCollector& collector);

private:
    AcGePoint3d target_;
    AcGeVector3d direction_;
    short flags_;
};
