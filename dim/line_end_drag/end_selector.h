// Which end of the line moves: a selector below 1 names the start point, 1 or more the end point.
#pragma once

namespace vexa::dim {

// The selector after the ends swap roles: below 1 becomes 1 when it is 0 and its negation
// otherwise; 1 or more becomes its negation. So it always names the end that moves now, also for
// an input of 0, whose negation would name the same end.
short swappedSelector(short selector);

}  // namespace vexa::dim
