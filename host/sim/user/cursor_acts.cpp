#include "sim/user/cursor_acts.h"

#include <sstream>
#include <stdexcept>

namespace vexa::sim::monitors {

namespace {

ViewPosition positionOf(const std::wstring& rest, bool pixel) {
    std::wistringstream stream(rest);
    double x = 0.0;
    double y = 0.0;
    wchar_t comma = 0;
    if (!(stream >> x >> comma >> y) || comma != L',' || !(stream >> std::ws).eof()) {
        throw std::invalid_argument(pixel ? "expected move-pixel PX,PY" : "expected move X,Y");
    }
    return {pixel, x, y, 0};
}

}  // namespace

std::optional<std::vector<PromptAnswer>> parseCursorAct(const std::wstring& verb, const std::wstring& rest) {
    if (verb == L"move" || verb == L"move-pixel") return std::vector{PromptAnswer::move(positionOf(rest, verb != L"move"))};
    if (verb == L"graphics") {
        if (!rest.empty()) throw std::invalid_argument("expected graphics alone");
        return std::vector{PromptAnswer::graphics()};
    }
    if (verb == L"cursor") {
        if (!rest.empty()) throw std::invalid_argument("expected cursor alone");
        return std::vector{PromptAnswer::cursorPlace()};
    }
    return std::nullopt;
}

}  // namespace vexa::sim::monitors
