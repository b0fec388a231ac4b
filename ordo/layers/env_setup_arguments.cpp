#include "ordo/layers/env_setup_arguments.h"

#include <algorithm>

#include "frame/lisp_items.h"

namespace vexa::ordo {

std::optional<EnvSetRequest> readEnvSetRequest(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    EnvSetRequest request;
    for (const frame::Element& item : frame::elementsOf(args)) {
        if (!item.isList() || item.isDottedPair()) continue;
        const std::vector<frame::Element> children = item.children();
        if (children.empty()) continue;
        if (const ACHAR* tag = children.front().string()) {
            if (!request.captions && std::wstring_view(tag) == L"LANGTEXT") {
                request.captions = frame::readCaptions(children, kEnvSetCaptions);
            }
            continue;
        }
        const std::optional<short> code = children.front().integer();
        const std::optional<short> value = children.size() == 2 ? children[1].integer() : std::nullopt;
        if (!code || !value) continue;
        if (*code == 1) request.darkness = std::clamp<int>(*value, 0, kMaxDarkness);
        if (*code == 2) request.transparency = std::clamp<int>(*value, 0, kMaxTransparency);
    }
    return request;
}

EnvSet2Texts readEnvSet2Texts(const resbuf* args) {
    EnvSet2Texts texts;
    const std::vector<frame::Element> elements = frame::elementsOf(args);
    for (std::size_t i = 0; i < texts.size() && i < elements.size(); ++i) {
        if (const ACHAR* text = elements[i].string()) texts[i] = text;
    }
    return texts;
}

}  // namespace vexa::ordo
