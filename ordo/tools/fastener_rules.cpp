#include "ordo/tools/fastener_rules.h"

#include "ordo/tools/radio_rules.h"

namespace vexa::ordo {

namespace {

// What a type leaves enabled besides the always-enabled diameters "3" to "8": the smallest
// diameter "2", the large ones "10" "12" "16", and a third radio ("Bottom" for bolts, "User"
// and the size box for drills).
struct TypeRule {
    bool smallest;
    bool large;
    bool third;
};

constexpr TypeRule kEverything{true, true, true};

constexpr std::array<TypeRule, kFastenerTypeCount> kBoltRules = {{
    {true, true, true},    // cap screw
    {false, true, false},  // nut: no "2", no bottom view
    {false, true, true},   // hexagon bolt
    {true, false, true},   // countersunk screw: up to "8"
    {false, true, true},   // set screw
}};

constexpr std::array<TypeRule, kFastenerTypeCount> kDrillRules = {{
    {false, true, true},   // drilled hole
    {false, true, true},   // pin hole
    {true, true, false},   // counterbored hole: standard sizes only
    {true, false, false},  // countersunk hole: up to "8"
    {true, true, false},   // tapped hole: standard sizes only
}};

TypeRule ruleOf(const std::array<TypeRule, kFastenerTypeCount>& rules, int type) {
    if (type < 0 || type >= kFastenerTypeCount) return kEverything;
    return rules[static_cast<std::size_t>(type)];
}

constexpr int kLargeDiameters = 6;  // "10" is the first large diameter

template <std::size_t N>
std::array<bool, N> diametersFor(const TypeRule& rule) {
    std::array<bool, N> enabled;
    enabled.fill(true);
    enabled[0] = rule.smallest;
    for (int i = kLargeDiameters; i < kBoltDiameterCount; ++i) enabled[static_cast<std::size_t>(i)] = rule.large;
    return enabled;
}

}  // namespace

BoltAvailability boltAvailability(int type) {
    const TypeRule rule = ruleOf(kBoltRules, type);
    return {diametersFor<kBoltDiameterCount>(rule), {true, true, rule.third}};
}

DrillAvailability drillAvailability(int type) {
    const TypeRule rule = ruleOf(kDrillRules, type);
    DrillAvailability availability{diametersFor<kDrillDiameterCount>(rule)};
    availability.diameters[kUserDiameter] = rule.third;
    return availability;
}

FastenerChoice applyBoltRule(FastenerChoice choice) {
    const BoltAvailability availability = boltAvailability(choice.type);
    choice.diameter = nearestEnabled(choice.diameter, availability.diameters);
    choice.view = nearestEnabled(choice.view, availability.views);
    return choice;
}

FastenerChoice applyDrillRule(FastenerChoice choice) {
    choice.diameter = nearestEnabled(choice.diameter, drillAvailability(choice.type).diameters);
    return choice;
}

}  // namespace vexa::ordo
