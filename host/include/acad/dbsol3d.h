// A 3D solid: a boundary-representation body that the host's modeller keeps.
#pragma once

#include "acad/dbmain.h"

class AcDb3dSolid : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDb3dSolid)
    AcDb3dSolid() = default;
    // Whether the solid holds a body (a solid made with new is empty).
    bool isNull() const { return empty_; }

private:
    friend class AcDbObjectAccess;
    bool empty_ = true;
};
