// VexaOrdo in a fresh host, with a drawing to put layers and lines in and a cursor to move.
#pragma once

#include <string>

#include "support/host_fixture.h"

namespace vexa::test {

class MonitorTest : public HostTest {
protected:
    void SetUp() override { load({"VexaOrdo"}); }

    sim::Document& drawing() { return *host.documents().current(); }
    // The layer of that name in the current drawing, made when missing.
    sim::db::ObjectId layer(const std::wstring& name);
    sim::db::ObjectId line(const std::wstring& layerName, double x1, double y1, double x2, double y2);
    const sim::monitors::CursorFrame& moveTo(double x, double y);
    int monitorsAttached() { return static_cast<int>(drawing().inputPoints().monitors().size()); }
};

}  // namespace vexa::test
