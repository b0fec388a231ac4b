// acedSSGet: the mode read, the arguments taken as the mode says, and the selection made.
#include <sstream>

#include "sim/editor/editor.h"
#include "sim/editor/selection_filter.h"
#include "sim/editor/selection_mode.h"
#include "sim/editor/selection_prompt.h"
#include "sim/editor/selection_scope.h"
#include "sim/host.h"

namespace vexa::sim::editor {

namespace {

bool takesPointList(const SelectionMode& mode) { return mode.method == L"WP" || mode.method == L"CP" || mode.method == L"F"; }
bool takesCorners(const SelectionMode& mode) { return mode.method == L"W" || mode.method == L"C"; }
// Without a method, a point given without prompts is a pick there.
bool picksAtPoint(const SelectionMode& mode, const void* pt1) { return mode.method.empty() && !mode.prompts && pt1 != nullptr; }

std::vector<db::Point2> pointsOf(const resbuf* chain) {
    std::vector<db::Point2> points;
    for (; chain != nullptr && (chain->restype == RTPOINT || chain->restype == RT3DPOINT); chain = chain->rbnext) {
        points.push_back({chain->resval.rpoint[0], chain->resval.rpoint[1]});
    }
    return points;
}

db::Point2 pointOf(const void* point) {
    const auto* coordinates = static_cast<const ads_real*>(point);
    return {coordinates[0], coordinates[1]};
}

std::wstring text(const ACHAR* string) { return string != nullptr ? string : L""; }

std::wstring describePoint(const void* point) {
    const auto* p = static_cast<const ads_real*>(point);
    std::wostringstream out;
    out << L"point (" << p[0] << L' ' << p[1] << L' ' << p[2] << L')';
    return out.str();
}

SelectionCall describe(const ACHAR* modeText, const std::optional<SelectionMode>& mode, const void* pt1, const void* pt2,
                       const resbuf* filter) {
    SelectionCall call{modeText != nullptr ? modeText : L"(none)", L"none", L"none", filter != nullptr};
    if (!mode) return call;
    if (pt1 != nullptr) {
        if (takesPointList(*mode)) {
            call.first = L"points " + std::to_wstring(pointsOf(static_cast<const resbuf*>(pt1)).size());
        } else if (mode->prompts) {
            const auto* prompts = static_cast<const ACHAR* const*>(pt1);
            call.first = L"prompts \"" + text(prompts[0]) + L"\" \"" + text(prompts[1]) + L"\"";
        } else {
            call.first = describePoint(pt1);
        }
    }
    if (pt2 != nullptr && takesCorners(*mode)) call.second = describePoint(pt2);
    else if (pt2 != nullptr && mode->keywords) call.second = L"keywords \"" + text(static_cast<const ACHAR*>(pt2)) + L"\"";
    return call;
}

}  // namespace

int Editor::select(const ACHAR* modeText, const void* pt1, const void* pt2, const resbuf* filterChain, ads_name set) {
    const std::optional<SelectionMode> mode = SelectionMode::parse(text(modeText));
    calls_.push_back(describe(modeText, mode, pt1, pt2, filterChain));
    const std::optional<SelectionFilter> filter = SelectionFilter::read(filterChain);
    Document* document = host_.documents().current();
    if (set == nullptr || !mode || !filter || document == nullptr) return RTERROR;
    const SelectionScope scope(document->database(), *filter, mode->method != L"X");
    std::vector<db::ObjectId> chosen;
    const int status = gather(*mode, pt1, pt2, scope, chosen);
    if (status != RTNORM) return status;
    if (!sets_.add(chosen, set)) return RTERROR;
    previous_ = std::move(chosen);
    return RTNORM;
}

int Editor::gather(const SelectionMode& mode, const void* pt1, const void* pt2, const SelectionScope& scope,
                   std::vector<db::ObjectId>& chosen) {
    if (picksAtPoint(mode, pt1)) {
        chosen = scope.near(pointOf(pt1), pickReach(), mode.everything);
        return chosen.empty() ? fail(kFailedPick) : RTNORM;
    }
    if (mode.method.empty()) {
        PromptSetup setup;
        if (mode.prompts && pt1 != nullptr) {
            const auto* prompts = static_cast<const ACHAR* const*>(pt1);
            setup.selectPrompt = text(prompts[0]);
            setup.removePrompt = text(prompts[1]);
        }
        if (mode.keywords && pt2 != nullptr) setup.keywords = readKeywords(static_cast<const ACHAR*>(pt2));
        setup.single = mode.single;
        setup.everything = mode.everything;
        setup.otherInput = mode.otherInput;
        listening_ = true;
        pending_.clear();
        const int status = SelectionPrompt(*this, scope, std::move(setup), previous_).run(chosen);
        listening_ = false;
        pending_.clear();
        return status;
    }
    if (takesCorners(mode)) {
        if (pt1 == nullptr || pt2 == nullptr) return RTERROR;
        chosen = scope.window(db::Box::around(pointOf(pt1), pointOf(pt2)), mode.method == L"C");
    } else if (takesPointList(mode)) {
        const std::vector<db::Point2> points = pointsOf(static_cast<const resbuf*>(pt1));
        chosen = mode.method == L"F" ? scope.fence(points) : scope.polygon(points, mode.method == L"CP");
    } else if (mode.method == L"X") {
        chosen = scope.all();
    } else if (mode.method == L"L") {
        chosen = scope.last();
    } else {
        chosen = scope.among(previous_);
    }
    return chosen.empty() ? RTERROR : RTNORM;
}

int Editor::fail(int errorNumber) {
    host_.sysvars().force(L"ERRNO", errorNumber);
    return RTERROR;
}

}  // namespace vexa::sim::editor
