#pragma once

#include <functional>

namespace orrery {

// Told how far a spreadsheet import has gone, in whole percent from 0 to
// 100, so a window can move its progress bar while the file is read.
using ReadProgress = std::function<void(int percent)>;

}  // namespace orrery
