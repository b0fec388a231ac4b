// The radio groups of the tools dialogs by control id, in index order.
#pragma once

#include <array>

#include "ordo/tools/resource_tools.h"

namespace vexa::ordo {

inline constexpr std::array<int, 5> kTypeRadios = {IDC_TYPE_0, IDC_TYPE_1, IDC_TYPE_2, IDC_TYPE_3, IDC_TYPE_4};
// "2" "3" "4" "5" "6" "8" "10" "12" "16", then the drill's "User"
inline constexpr std::array<int, 10> kDiameterRadios = {
    IDC_DIAMETER_2, IDC_DIAMETER_3,  IDC_DIAMETER_4,  IDC_DIAMETER_5,  IDC_DIAMETER_6,
    IDC_DIAMETER_8, IDC_DIAMETER_10, IDC_DIAMETER_12, IDC_DIAMETER_16, IDC_DIAMETER_USER};
inline constexpr std::array<int, 3> kViewRadios = {IDC_VIEW_TOP, IDC_VIEW_FRONT, IDC_VIEW_BOTTOM};

}  // namespace vexa::ordo
