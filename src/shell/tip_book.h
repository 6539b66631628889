#pragma once

#include <array>
#include <string_view>

#include "persistence/settings_store.h"

namespace orrery {

// The 32 usage tips and the place of the next one, kept in the settings store
// as "TipNumber" between runs: read when the book is made, written when it goes.
class TipBook {
public:
    static constexpr int kTipCount = 32;
    static const std::array<std::string_view, kTipCount>& Tips();

    explicit TipBook(SettingsStore& store);
    ~TipBook();
    TipBook(const TipBook&) = delete;
    TipBook& operator=(const TipBook&) = delete;

    // Moves to the next tip (from the last back to the first) and returns it.
    std::string_view NextTip();
    // Moves to the previous tip (from the first back to the last) and returns it.
    std::string_view PreviousTip();
    // Returns the tip at the place and moves the place to the tip after it.
    std::string_view TakeTip();
    // Returns the tip before the one TakeTip last returned and takes it, so
    // that a window stepping back and forth with TakeTip stays in step.
    std::string_view TakePreviousTip();

    int index() const { return index_; }

private:
    SettingsStore& store_;
    int index_ = 0;
};

}  // namespace orrery
