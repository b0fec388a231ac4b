#include "dxf/source_drawing.h"

#include <charconv>

namespace vexa::sim::dxf {

std::string SourceDrawing::hexHandle(unsigned long long value) {
    char digits[20];
    std::string text(digits, std::to_chars(digits, digits + sizeof digits, value, 16).ptr);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const std::string& SourceDrawing::handleOf(db::ObjectId id) {
    auto [it, added] = handles.try_emplace(id);
    if (added) it->second = newHandle();
    return it->second;
}

}  // namespace vexa::sim::dxf
