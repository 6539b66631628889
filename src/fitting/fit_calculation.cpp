#include "fitting/fit_calculation.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>

#include "common/c_numeric.h"
#include "fitting/fit_data.h"
#include "fitting/spreadsheet_source.h"

namespace orrery {
namespace {

FitOutcome refuse(UserMessage message) { return {std::nullopt, std::move(message)}; }

// A box read with "%d": no number reads as 0, which every check refuses.
int readWhole(std::string_view text) { return scanInt(text).value_or(0); }

bool canOpenForReading(const std::string& path) {
    // Only plain files: opening a pipe would wait for a writer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return std::ifstream(path, std::ios::binary).is_open();
}

// Steps shared by both dialogs: the file, the cells, the import.
std::optional<UserMessage> importEntries(SpreadsheetSource& source, const WorksheetEntries& entries,
                                        const ReadProgress& progress) {
    if (entries.file.empty()) return UserMessage{"INPUT ERROR", "Please enter a file name"};
    if (!canOpenForReading(entries.file))
        return UserMessage{"FILE ERROR", "Could not open the file: " + entries.file};
    source.setFilePath(entries.file);
    source.setSheetName(entries.sheet);
    source.setTopLeft(entries.topLeftColumn + entries.topLeftRow);
    source.setBottomRight(entries.bottomRightColumn + entries.bottomRightRow);

    const int top = readWhole(entries.topLeftRow);
    const int bottom = readWhole(entries.bottomRightRow);
    if (top < 1)
        return UserMessage{"INPUT ERROR",
                           "Please enter a positive integer as the row number of the top of the column of X-values"};
    if (bottom < 1)
        return UserMessage{
            "INPUT ERROR", "Please enter a positive integer as the row number of the bottom of the column of Y-values"};
    if (top >= bottom)
        return UserMessage{"INPUT ERROR",
                           "The index of the bottom right row must be at least one greater than that of the top left"};
    if (auto message = source.importColumns(progress)) return message;
    if (source.x().empty() || source.y().empty())
        return UserMessage{"FILE ERROR", "Could not extract points from the Excel file"};
    return std::nullopt;
}

FitOutcome report(const FitData& fit) {
    return {FitReport{fit.pointCount(), fit.equationText(), formatC("%lf", fit.rmsError())}, std::nullopt};
}

}  // namespace

FitOutcome calculatePolynomialFit(SpreadsheetSource& source, FitData& fit, const WorksheetEntries& entries,
                                  std::string_view degreeText, const ReadProgress& progress) {
    if (auto message = importEntries(source, entries, progress)) return refuse(*message);
    if (auto message = fit.setData(source.x(), source.y(), readWhole(degreeText))) return refuse(*message);
    return report(fit);
}

FitOutcome calculateExponentialFit(SpreadsheetSource& source, FitData& fit, const WorksheetEntries& entries,
                                   const ReadProgress& progress) {
    if (auto message = importEntries(source, entries, progress)) return refuse(*message);
    if (auto message = fit.setExponentialData(source.x(), source.y())) return refuse(*message);
    return report(fit);
}

int stepDegree(int degree, int step) {
    const long next = static_cast<long>(degree) + step;
    return static_cast<int>(std::clamp<long>(next, 1, INT_MAX));
}

}  // namespace orrery
