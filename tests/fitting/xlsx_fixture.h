#pragma once

#include <string>

namespace orrery::test {

// Writes points.xlsx, the twin of the committed fixtures (see
// data/make_fixtures.py), into the given folder; returns its path.
std::string writeXlsxFixture(const std::string& folder);

}  // namespace orrery::test
