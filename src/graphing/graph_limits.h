#pragma once

#include <cstddef>
#include <cstdint>

#include "common/user_message.h"

namespace orrery {

// How much one graph may hold. The same bounds apply when curves are typed
// or added and when documents are written and read, so every graph the
// program can make it can also save and open again.
inline constexpr std::int32_t kMaxCurves = 10000;
// Keys over all curves together: each curve also has its own limit.
inline constexpr std::size_t kMaxKeysInAllCurves = 500000;

UserMessage tooManyCurvesMessage();
UserMessage tooManyKeysMessage();

}  // namespace orrery
