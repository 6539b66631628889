#pragma once

namespace orrery {

// The drawn extent of the F axis: about the upper 1 % point of F(d1, d2),
// from a fixed table.
int fAxisRange(int d1, int d2);

}  // namespace orrery
