// Type rules of the bolt and drill dialogs: which diameters and views a type comes in, and
// where a choice that became invalid moves.
#pragma once

#include <array>

namespace vexa::ordo {

inline constexpr int kFastenerTypeCount = 5;
inline constexpr int kBoltDiameterCount = 9;    // "2" "3" "4" "5" "6" "8" "10" "12" "16"
inline constexpr int kDrillDiameterCount = 10;  // the same nine, then "User"
inline constexpr int kUserDiameter = 9;
inline constexpr int kToolViewCount = 3;  // "Top" "Front" "Bottom"

// Indexes into a dialog's radio groups; values outside a group select no radio.
struct FastenerChoice {
    int type = 0;
    int diameter = 0;
    int view = 0;
    friend bool operator==(const FastenerChoice&, const FastenerChoice&) = default;
};

struct BoltAvailability {
    std::array<bool, kBoltDiameterCount> diameters;
    std::array<bool, kToolViewCount> views;
};

// Index kUserDiameter stands for the "User" radio together with the size box.
struct DrillAvailability {
    std::array<bool, kDrillDiameterCount> diameters;
};

// A type outside the list has no rule: every radio stays enabled.
BoltAvailability boltAvailability(int type);
DrillAvailability drillAvailability(int type);

// The choice with a disabled diameter or view moved to the nearest enabled one.
FastenerChoice applyBoltRule(FastenerChoice choice);
FastenerChoice applyDrillRule(FastenerChoice choice);

}  // namespace vexa::ordo
