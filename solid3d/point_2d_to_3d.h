// Command "Vexa_2DptTo3Dpt": feeds a point worked out by the product's code into the waiting command.
#pragma once

namespace vexa::solid3d {
void point2dTo3d();
}
