// The cylinder catalogue: which bores each series comes in and which strokes each bore offers.
#pragma once

#include <array>
#include <optional>

namespace vexa::ordo {

inline constexpr int kSeriesCount = 4;        // "CDAS" "NDAS" "DAB" "PBDA"
inline constexpr int kCylinderViewCount = 4;  // "Top" "Front" "Left" "Right"
inline constexpr std::array<int, 10> kBoreSizes = {6, 10, 12, 16, 20, 25, 32, 40, 50, 63};
inline constexpr std::array<int, 18> kStrokeLengths = {5,  10, 15, 20, 25,  30,  35,  40,  45,
                                                       50, 55, 60, 75, 100, 125, 150, 175, 200};

using BoreRadios = std::array<bool, kBoreSizes.size()>;
using StrokeRadios = std::array<bool, kStrokeLengths.size()>;

// Indexes into the dialogs' radio groups; values outside a group select no radio.
struct CylinderChoice {
    int series = 0;
    int view = 0;
    int bore = 0;
    int stroke = 0;
};

// The bores a series offers; none for a series outside the catalogue.
std::optional<BoreRadios> boresOffered(int series);
// The strokes of a series and bore; none when the catalogue has no such row.
std::optional<StrokeRadios> strokesOffered(int series, int bore);

// The series rule: a bore the series doesn't offer becomes its smallest bore.
CylinderChoice applySeriesRule(CylinderChoice choice);
// The stroke rule: a stroke the row doesn't offer becomes the row's shortest stroke.
CylinderChoice applyStrokeRule(CylinderChoice choice);

}  // namespace vexa::ordo
