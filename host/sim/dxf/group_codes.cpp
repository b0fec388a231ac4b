#include "dxf/group_codes.h"

namespace vexa::sim::dxf {

namespace {

struct CodeRange {
    int first;
    int last;
    ValueKind kind;
};

// Handles and hexadecimal data are text here: they are kept, never computed with.
constexpr CodeRange kRanges[] = {
    {-5, -1, ValueKind::Text},       {0, 9, ValueKind::Text},         {10, 59, ValueKind::Real},
    {60, 79, ValueKind::Integer},    {90, 99, ValueKind::Integer},    {100, 105, ValueKind::Text},
    {110, 149, ValueKind::Real},     {160, 169, ValueKind::Integer},  {170, 179, ValueKind::Integer},
    {210, 239, ValueKind::Real},     {270, 289, ValueKind::Integer},  {290, 299, ValueKind::Integer},
    {300, 369, ValueKind::Text},     {370, 389, ValueKind::Integer},  {390, 399, ValueKind::Text},
    {400, 409, ValueKind::Integer},  {410, 419, ValueKind::Text},     {420, 429, ValueKind::Integer},
    {430, 439, ValueKind::Text},     {440, 459, ValueKind::Integer},  {460, 469, ValueKind::Real},
    {470, 481, ValueKind::Text},     {999, 1009, ValueKind::Text},    {1010, 1059, ValueKind::Real},
    {1060, 1071, ValueKind::Integer},
};

}  // namespace

ValueKind valueKindOf(int code) {
    for (const CodeRange& range : kRanges) {
        if (code >= range.first && code <= range.last) return range.kind;
    }
    return ValueKind::Unknown;
}

}  // namespace vexa::sim::dxf
