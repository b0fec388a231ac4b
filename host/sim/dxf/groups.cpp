#include "dxf/groups.h"

#include <charconv>
#include <cmath>

namespace vexa::sim::dxf {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

const Group* findGroup(const Record& record, int code) {
    for (const Group& group : record) {
        if (group.code == code) return &group;
    }
    return nullptr;
}

std::string_view stringValue(const Record& record, int code, std::string_view fallback) {
    const Group* group = findGroup(record, code);
    return group ? std::string_view(group->value) : fallback;
}

std::optional<double> realValue(const Group& group) {
    std::string_view text = trimmed(group.value);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long long> integerValue(const Group& group) {
    std::string_view text = trimmed(group.value);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

double realValue(const Record& record, int code, double fallback) {
    const Group* group = findGroup(record, code);
    const std::optional<double> value = group ? realValue(*group) : std::nullopt;
    return value.value_or(fallback);
}

long long integerValue(const Record& record, int code, long long fallback) {
    const Group* group = findGroup(record, code);
    const std::optional<long long> value = group ? integerValue(*group) : std::nullopt;
    return value.value_or(fallback);
}

std::string formatReal(double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    std::string result(text, error == std::errc() ? end : text);
    // A real keeps its point, as the host writes it, so readers never take it for an integer.
    if (result.find_first_of(".eEn") == std::string::npos) result += ".0";
    return result;
}

}  // namespace vexa::sim::dxf
