#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphing/graph_settings.h"

namespace orrery {

// Looks that come with the program and are offered beside the profiles the
// person saved. They are never written to the store: a stored profile of the
// same name (compared without case) takes their place.

// Their names, as the list shows them.
std::vector<std::string> builtInProfileNames();

// Puts the colours of the built-in look `name` into `settings` and gives
// true; false, with `settings` untouched, when no built-in has that name.
// Everything but the colours stays as it was.
bool applyBuiltInProfile(std::string_view name, GraphSettings& settings);

}  // namespace orrery
