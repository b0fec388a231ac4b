#include "sim/editor/selection_mode.h"

#include <algorithm>

#include "sim/system_variables.h"

namespace vexa::sim::editor {

namespace {

constexpr std::wstring_view methods[] = {L"W", L"C", L"WP", L"CP", L"F", L"X", L"L", L"P"};

}  // namespace

std::optional<SelectionMode> SelectionMode::parse(std::wstring_view text) {
    std::wstring rest = upperCase(text);
    // The English-name prefix changes nothing here.
    if (!rest.empty() && rest.front() == L'_') rest.erase(0, 1);
    SelectionMode mode;
    if (rest.empty() || rest.front() != L':') {
        if (!rest.empty() && std::find(std::begin(methods), std::end(methods), rest) == std::end(methods)) return std::nullopt;
        mode.method = rest;
        return mode;
    }
    for (std::size_t i = 0; i < rest.size(); i += 2) {
        if (rest[i] != L':' || i + 1 >= rest.size()) return std::nullopt;
        switch (rest[i + 1]) {
        case L'$': mode.prompts = true; break;
        case L'S': mode.single = true; break;
        case L'E': mode.everything = true; break;
        case L'K': mode.keywords = true; break;
        case L'?': mode.otherInput = true; break;
        default: return std::nullopt;
        }
    }
    return mode;
}

}  // namespace vexa::sim::editor
