#pragma once

#include <iosfwd>
#include <string>

namespace orrery {

// Types `text` on the calculator, presses Enter, and prints what the value
// display would show at 17 digits, or with `explain` how each sketched curve
// was read ("3sinx" prints 3·sin(x)). Returns the exit status.
int evalCommand(const std::string& text, std::ostream& out, std::ostream& err,
                bool explain = false);

// Types `text` and prints the curve's value at x ("%.17g"), as the Function
// evaluation tool computes it. Returns the exit status.
int evaluateAtCommand(const std::string& text, double x, bool degrees, std::ostream& out,
                      std::ostream& err);

}  // namespace orrery
