#include "kito/selection/ssget_call.h"

#include <algorithm>
#include <cwctype>

#include "acad/acedsel.h"
#include "frame/lisp_items.h"
#include "frame/selection.h"

namespace vexa::kito {

namespace {

bool has(const std::wstring& mode, const wchar_t* part) { return mode.find(part) != std::wstring::npos; }

bool isPoint(const frame::Element& item) {
    return !item.isList() && (item.node()->restype == RT3DPOINT || item.node()->restype == RTPOINT);
}

// A 2D point arrives without its Z, which is then 0.
void readPoint(const frame::Element& item, ads_point point) {
    const int count = item.node()->restype == RTPOINT ? 2 : 3;
    for (int i = 0; i < 3; ++i) point[i] = i < count ? item.node()->resval.rpoint[i] : 0.0;
}

}  // namespace

std::wstring keywordString(const std::wstring& words) { return words + L" _ " + words; }

SsGetCall::SsGetCall(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    auto item = [&](std::size_t index) { return index < items.size() ? &items[index] : nullptr; };
    if (item(0) != nullptr && item(0)->string() != nullptr) {
        mode_ = item(0)->string();
        std::transform(mode_.begin(), mode_.end(), mode_.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))); });
    }
    const frame::Element* second = item(1);
    const frame::Element* third = item(2);
    const bool pointList = (has(mode_, L"F") && !has(mode_, L"-F")) || (has(mode_, L"WP") && !has(mode_, L"-W")) ||
                           (has(mode_, L"CP") && !has(mode_, L"-C"));
    const bool twoPoints = (has(mode_, L"C") && !has(mode_, L"-C")) || (has(mode_, L"W") && !has(mode_, L"-W"));
    if (pointList) {
        frame::ListBuilder chain;
        if (second != nullptr) {
            for (const frame::Element& point : second->children()) {
                if (!isPoint(point)) continue;
                ads_point value;
                readPoint(point, value);
                chain.point(value);
            }
        }
        points_ = chain.take();
    } else if (twoPoints) {
        hasFirst_ = second != nullptr && isPoint(*second);
        hasSecond_ = third != nullptr && isPoint(*third);
        if (hasFirst_) readPoint(*second, first_);
        if (hasSecond_) readPoint(*third, second_);
    } else if (second != nullptr) {
        if (has(mode_, L":$") && second->string() != nullptr) {
            hasPrompt_ = true;
            prompt_ = second->string();
        } else if (!has(mode_, L":$") && isPoint(*second)) {
            hasFirst_ = true;
            readPoint(*second, first_);
        }
        if (third != nullptr && has(mode_, L":K") && third->string() != nullptr) {
            hasKeywords_ = true;
            keywords_ = keywordString(third->string());
        }
    }
    if (item(3) != nullptr) filter_ = frame::copySelectionFilter(*item(3));
}

int SsGetCall::run(ads_name set) const {
    const ACHAR* prompts[2] = {prompt_.c_str(), prompt_.c_str()};
    const void* pt1 = points_ ? static_cast<const void*>(points_.get())
                      : hasPrompt_ ? static_cast<const void*>(prompts)
                      : hasFirst_  ? static_cast<const void*>(first_)
                                   : nullptr;
    const void* pt2 = hasSecond_ ? static_cast<const void*>(second_) : hasKeywords_ ? static_cast<const void*>(keywords_.c_str()) : nullptr;
    return acedSSGet(mode_.empty() ? nullptr : mode_.c_str(), pt1, pt2, filter_.get(), set);
}

}  // namespace vexa::kito
