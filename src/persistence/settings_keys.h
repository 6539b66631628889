#pragma once

#include <string_view>

namespace orrery {

// The program's keys in the settings store, named as in every earlier
// version so that stored settings carry over.
inline constexpr std::string_view kProfilesKey = "Quorvane Users";  // one subkey per profile
inline constexpr std::string_view kRecentFilesKey = "QRV_097_QPL";
inline constexpr std::string_view kProgramKey = "097";              // graph text and tips
// The window and the dialogs' folders as the last run left them (new in this
// version, so a key of its own).
inline constexpr std::string_view kSessionKey = "Session";

}  // namespace orrery
