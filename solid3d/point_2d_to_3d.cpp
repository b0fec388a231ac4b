#include "solid3d/point_2d_to_3d.h"

namespace vexa::solid3d {

// Registered with the plug-in; the exchange with the product's code arrives with the views module.
void point2dTo3d() {}

}  // namespace vexa::solid3d
