#include "dxf/group_reader.h"

#include <charconv>

#include "dxf/dxf_error.h"
#include "dxf/group_codes.h"

namespace vexa::sim::dxf {

namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";

// Length of the valid UTF-8 sequence at the start of text, or 0.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
    }
    const auto second = static_cast<unsigned char>(text[1]);
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

void checkText(std::string_view line, std::size_t number) {
    for (std::size_t i = 0; i < line.size();) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte < 0x80) {
            if (byte < 0x20 && byte != '\t') throw DxfError(number, "control character in the text (binary data?)");
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(line.substr(i));
        if (length == 0) throw DxfError(number, "the text is not UTF-8");
        i += length;
    }
}

class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    bool done() const { return position_ >= text_.size(); }
    std::size_t number() const { return number_; }
    std::string_view next() {
        const std::size_t end = text_.find('\n', position_);
        std::string_view line = text_.substr(position_, end == std::string_view::npos ? std::string_view::npos : end - position_);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
        ++number_;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t number_ = 0;
};

int readCode(std::string_view line, std::size_t number) {
    std::string_view digits = line;
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    int code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        checkText(line, number);
        throw DxfError(number, "a group code was expected, found \"" + std::string(line.substr(0, 40)) + "\"");
    }
    if (valueKindOf(code) == ValueKind::Unknown) throw DxfError(number, "unknown group code " + std::to_string(code));
    return code;
}

void checkValue(const Group& group, std::size_t number) {
    const ValueKind kind = valueKindOf(group.code);
    const bool fits = kind == ValueKind::Real      ? realValue(group).has_value()
                      : kind == ValueKind::Integer ? integerValue(group).has_value()
                                                   : true;
    if (!fits) {
        throw DxfError(number, "group " + std::to_string(group.code) + " needs " +
                                   (kind == ValueKind::Real ? "a number" : "an integer") + ", found \"" +
                                   group.value.substr(0, 40) + "\"");
    }
}

}  // namespace

std::vector<Group> readGroups(std::string_view text) {
    if (text.starts_with(kBinarySentinel)) throw DxfError(1, "binary DXF is not read; save the drawing as ASCII DXF");
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<Group> groups;
    groups.reserve(text.size() / 12);
    LineCursor lines(text);
    while (!lines.done()) {
        const std::string_view codeLine = lines.next();
        const std::size_t codeNumber = lines.number();
        if (lines.done() && codeLine.empty()) break;  // the newline that ends the last line
        const int code = readCode(codeLine, codeNumber);
        if (lines.done()) throw DxfError(codeNumber, "group " + std::to_string(code) + " has no value: the file ends");
        const std::string_view value = lines.next();
        checkText(value, lines.number());
        Group group{code, std::string(value), static_cast<std::uint32_t>(codeNumber)};
        checkValue(group, lines.number());
        groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace vexa::sim::dxf
