#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace orrery {

// What --zeros, --extrema and --table ask of the --eval curve.
struct AnalysisRequest {
    enum class Kind { None, Zeros, Extrema, Table };
    Kind kind = Kind::None;
    double from = 0.0;  // XMIN, or the table's XSTART
    double to = 0.0;    // XMAX, or the table's STEP
    std::int64_t count = 0;  // the table's rows
};

// Types `text` as one curve and prints the request's points, one "x y" line
// each ("%.17g %.17g"); undefined points are left out. Returns the exit status.
int analysisCommand(const std::string& text, const AnalysisRequest& request, std::ostream& out,
                    std::ostream& err);

}  // namespace orrery
