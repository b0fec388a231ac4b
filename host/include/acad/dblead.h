// Leaders: a line of vertices with an arrow, sized through a dimension style.
#pragma once

#include <optional>
#include <vector>

#include "acad/dbmain.h"

class AcDbLeader : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbLeader)
    AcDbLeader() = default;
    // Adds a vertex at the end; false when not open for write.
    bool appendVertex(const AcGePoint3d& vertex);
    int numVertices() const { return static_cast<int>(vertices_.size()); }
    // The origin for an index outside 0 .. numVertices() - 1.
    AcGePoint3d vertexAt(int index) const;
    // The overall scale (DIMSCALE): the leader's override when set, else its style's.
    double dimscale() const;
    // Not negative and finite, else eInvalidInput.
    Acad::ErrorStatus setDimscale(double scale);
    // The text height (DIMTXT) of the leader's style.
    double dimtxt() const;
    AcDbObjectId dimensionStyle() const { return style_; }

private:
    friend class AcDbObjectAccess;
    std::vector<AcGePoint3d> vertices_;
    AcDbObjectId style_;
    std::optional<double> scale_;
};
