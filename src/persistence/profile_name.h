#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/user_message.h"

namespace orrery {

// Profile names are kept in lower case so that "Lab" and "LAB" are one
// profile. Letters of the Latin-1, Latin Extended-A, Greek and Cyrillic
// blocks are lowered as well as ASCII; other text is kept.
std::string lowerCaseProfileName(std::string_view name);

// Whether two names are the same profile.
bool sameProfileName(std::string_view a, std::string_view b);

// A name the store can keep as one key: not empty, and without "/" or "\",
// which would make it a path of nested keys. nullopt when the name is fine.
std::optional<UserMessage> checkProfileName(std::string_view name);

}  // namespace orrery
