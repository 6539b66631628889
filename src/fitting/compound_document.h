#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orrery {

// The bytes of a stream at the top level of a compound document (the
// container of legacy Office files such as .xls), found by its name without
// regard to ASCII case. Nothing when the document has no such stream or is
// damaged anywhere on the way to it: every sector chain is checked for
// loops and for running outside the file.
std::optional<std::string> compoundStream(std::string_view document, std::string_view name);

}  // namespace orrery
