#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/user_message.h"
#include "fitting/read_progress.h"

namespace orrery {

// Where a fitting dialog takes its points from: two adjacent columns of a
// sheet in a spreadsheet file, between two corner cells. Kept for the life
// of the program, with the columns of the last good import.
class SpreadsheetSource {
public:
    const std::string& filePath() const { return filePath_; }
    const std::string& sheetName() const { return sheetName_; }
    const std::string& topLeft() const { return topLeft_; }
    const std::string& bottomRight() const { return bottomRight_; }
    void setFilePath(std::string path) { filePath_ = std::move(path); }
    void setSheetName(std::string name) { sheetName_ = std::move(name); }
    void setTopLeft(std::string cell) { topLeft_ = std::move(cell); }
    void setBottomRight(std::string cell) { bottomRight_ = std::move(cell); }

    // The dialog's Column and Row boxes edit one part of a corner each.
    void setTopLeftColumn(const std::string& column);
    void setTopLeftRow(const std::string& row);
    void setBottomRightColumn(const std::string& column);
    void setBottomRightRow(const std::string& row);

    // Reads the columns from the file; on success replaces x and y, else
    // returns the message and keeps them. `progress` hears how far it has got.
    std::optional<UserMessage> importColumns(const ReadProgress& progress = {});
    const std::vector<double>& x() const { return x_; }
    const std::vector<double>& y() const { return y_; }

private:
    std::string filePath_;
    std::string sheetName_ = "Sheet1";
    std::string topLeft_ = "A1";
    std::string bottomRight_ = "A1";
    std::vector<double> x_, y_;
};

}  // namespace orrery
