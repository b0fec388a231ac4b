// "Vexa-adjDimTxt": sizes the text of dimensions, leaders, multileaders, texts and multiline
// texts by the cursor's distance left or right of a base point, with live copies.
#include <optional>

#include "acad/aced.h"
#include "acad/acedtrans.h"
#include "dim/dim_functions.h"
#include "dim/text_sizing/AdjDimIPM.h"
#include "dim/text_sizing/annotation_preview.h"
#include "frame/drawing_view.h"

namespace vexa::dim {

namespace {

struct SizingCall {
    const ACHAR* prompt = nullptr;
    ads_point basePoint{0.0, 0.0, 0.0};  // in the current user coordinate system
    double defaultHeight = 0.0;
    std::vector<AnnotationRecord> records;
};

std::optional<SizingCall> readSizingCall(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    if (items.size() < 4) return std::nullopt;
    SizingCall call;
    call.prompt = items[0].string();
    const std::optional<std::array<double, 3>> base = items[1].point();
    const std::optional<double> height = items[2].real();
    std::optional<std::vector<AnnotationRecord>> records = readAnnotationRecords(items[3]);
    if (call.prompt == nullptr || !base || !height || !(*height > 0.0) || !records) return std::nullopt;
    for (int i = 0; i < 3; ++i) call.basePoint[i] = (*base)[i];
    call.defaultHeight = *height;
    call.records = std::move(*records);
    return call;
}

AcGePoint3d toWorld(const ads_point userPoint) {
    resbuf user{nullptr, RTSHORT, {}};
    user.resval.rint = 1;
    resbuf world{nullptr, RTSHORT, {}};
    world.resval.rint = 0;
    ads_point result{userPoint[0], userPoint[1], userPoint[2]};
    acedTrans(userPoint, &user, &world, 0, result);
    return {result[0], result[1], result[2]};
}

// Asks for the distance while the monitor shows the sizes; the height to apply, or nothing
// when the user cancelled or the host refused the monitor.
std::optional<double> askHeight(const SizingCall& call, AdjDimIPM& monitor, const AcGePoint3d& base) {
    AcApDocument* document = curDoc();
    AcEdInputPointManager* manager = document != nullptr ? document->inputPointManager() : nullptr;
    if (manager == nullptr) return std::nullopt;
    if (const std::optional<CPoint> pixel = frame::pixelOf(base)) frame::placeCursor(*pixel);
    manager->disableSystemCursorGraphics();
    if (manager->addPointMonitor(&monitor) != Acad::eOk) {
        manager->enableSystemCursorGraphics();
        return std::nullopt;
    }
    acedInitGet(6, nullptr);
    ads_real distance = 0.0;
    const int status = acedGetDist(call.basePoint, call.prompt, &distance);
    manager->removePointMonitor(&monitor);
    manager->enableSystemCursorGraphics();
    if (status == RTNONE) return call.defaultHeight;
    if (status != RTNORM) return std::nullopt;
    // A point the host did not take from the digitizer was sized by the monitor.
    return (monitor.lastHistory() & Acad::eNotDigitizer) != 0 ? monitor.currentHeight() : distance;
}

}  // namespace

int adjDimTxt(resbuf* args) {
    const std::optional<SizingCall> call = readSizingCall(args);
    if (!call) return acedRetNil();
    const AcGePoint3d base = toWorld(call->basePoint);
    AnnotationPreview preview;
    for (const AnnotationRecord& record : call->records) {
        if (!preview.addCopyOf(record)) return acedRetNil();
    }
    std::optional<double> height;
    {
        AdjDimIPM monitor(preview.copies(), call->defaultHeight, base);
        if (!monitor.holdsLock()) return acedRetNil();
        preview.hideSources();
        height = askHeight(*call, monitor, base);
        if (height) applyHeight(preview.sources(), *height);
        preview.restore();
    }
    return height ? acedRetReal(*height) : acedRetNil();
}

}  // namespace vexa::dim
