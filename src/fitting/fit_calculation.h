#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/user_message.h"
#include "fitting/read_progress.h"

namespace orrery {

class FitData;
class SpreadsheetSource;

// The worksheet boxes of a fitting dialog, as typed.
struct WorksheetEntries {
    std::string file;
    std::string sheet;
    std::string topLeftColumn;
    std::string topLeftRow;
    std::string bottomRightColumn;
    std::string bottomRightRow;
};

// What a fitting dialog shows after Calculate.
struct FitReport {
    std::size_t pointCount = 0;
    std::string equation;
    std::string rmsError;  // "%lf"
};

struct FitOutcome {
    std::optional<FitReport> report;
    std::optional<UserMessage> message;
};

// The Calculate button of the two fitting dialogs (also the first half of
// Sketch): checks the boxes, imports the columns into the dialog's source
// and fits them. The first refusal ends it; the previous fit then stays.
// `progress` hears how far the reading of the file has got.
FitOutcome calculatePolynomialFit(SpreadsheetSource& source, FitData& fit, const WorksheetEntries& entries,
                                  std::string_view degreeText, const ReadProgress& progress = {});
FitOutcome calculateExponentialFit(SpreadsheetSource& source, FitData& fit, const WorksheetEntries& entries,
                                   const ReadProgress& progress = {});

// The degree scroll bar: up adds one, down takes one away but not below 1.
int stepDegree(int degree, int step);

}  // namespace orrery
