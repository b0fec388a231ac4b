#include "dxf/source_drawing.h"

#include <charconv>

namespace vexa::sim::dxf {

const std::string& SourceDrawing::handleOf(db::ObjectId id) {
    auto [it, added] = handles.try_emplace(id);
    if (added) {
        char digits[20];
        const auto end = std::to_chars(digits, digits + sizeof digits, nextHandle++, 16).ptr;
        it->second.assign(digits, end);
        for (char& c : it->second) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return it->second;
}

}  // namespace vexa::sim::dxf
