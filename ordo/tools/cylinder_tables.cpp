#include "ordo/tools/cylinder_tables.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "ordo/tools/radio_rules.h"

namespace vexa::ordo {

namespace {

enum Series { kCDAS, kNDAS, kDAB, kPBDA };

struct BoreRow {
    Series series;
    std::vector<int> bores;  // millimetres
};

struct StrokeRow {
    Series series;
    std::vector<int> bores;    // millimetres
    std::vector<int> strokes;  // millimetres
};

// Every stroke of the list from `shortest` up to `longest`, then `more`.
std::vector<int> strokesFrom(int shortest, int longest, std::initializer_list<int> more = {}) {
    std::vector<int> strokes;
    for (int stroke : kStrokeLengths) {
        if (stroke >= shortest && stroke <= longest) strokes.push_back(stroke);
    }
    strokes.insert(strokes.end(), more);
    return strokes;
}

const std::vector<BoreRow>& boreRows() {
    static const std::vector<BoreRow> rows = {
        {kCDAS, {12, 16, 20, 25, 32, 40, 50, 63}},
        {kNDAS, {6, 10, 16}},
        {kDAB, {16, 20}},
        {kPBDA, {10, 16}},
    };
    return rows;
}

const std::vector<StrokeRow>& strokeRows() {
    static const std::vector<StrokeRow> rows = {
        {kCDAS, {12, 16}, strokesFrom(5, 30)},
        {kCDAS, {20, 25}, strokesFrom(5, 50)},
        {kCDAS, {32, 40}, strokesFrom(5, 50, {75, 100})},
        {kCDAS, {50, 63}, strokesFrom(10, 50, {75, 100})},
        {kNDAS, {6}, strokesFrom(5, 20)},
        {kNDAS, {10, 16}, strokesFrom(5, 30)},
        {kDAB, {16}, {15, 25, 50, 75, 100}},
        {kDAB, {20}, {25, 50, 75, 100, 125, 150}},
        {kPBDA, {10}, strokesFrom(5, 150)},
        {kPBDA, {16}, strokesFrom(5, 200)},
    };
    return rows;
}

bool contains(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

template <std::size_t N>
std::array<bool, N> radiosOf(const std::array<int, N>& sizes, const std::vector<int>& offered) {
    std::array<bool, N> radios{};
    for (std::size_t i = 0; i < N; ++i) radios[i] = contains(offered, sizes[i]);
    return radios;
}

}  // namespace

std::optional<BoreRadios> boresOffered(int series) {
    for (const BoreRow& row : boreRows()) {
        if (row.series == series) return radiosOf(kBoreSizes, row.bores);
    }
    return std::nullopt;
}

std::optional<StrokeRadios> strokesOffered(int series, int bore) {
    if (bore < 0 || bore >= static_cast<int>(kBoreSizes.size())) return std::nullopt;
    const int size = kBoreSizes[static_cast<std::size_t>(bore)];
    for (const StrokeRow& row : strokeRows()) {
        if (row.series == series && contains(row.bores, size)) return radiosOf(kStrokeLengths, row.strokes);
    }
    return std::nullopt;
}

CylinderChoice applySeriesRule(CylinderChoice choice) {
    if (const std::optional<BoreRadios> bores = boresOffered(choice.series)) {
        choice.bore = firstEnabled(choice.bore, *bores);
    }
    return choice;
}

CylinderChoice applyStrokeRule(CylinderChoice choice) {
    if (const std::optional<StrokeRadios> strokes = strokesOffered(choice.series, choice.bore)) {
        choice.stroke = firstEnabled(choice.stroke, *strokes);
    }
    return choice;
}

}  // namespace vexa::ordo
