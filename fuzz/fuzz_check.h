#pragma once

#include <cstdio>
#include <cstdlib>

namespace orrery::fuzz {

// A promise of the code under test that an input broke: say which, and
// abort so that libFuzzer keeps the input as a crash.
inline void check(bool kept, const char* promise) {
    if (kept) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

}  // namespace orrery::fuzz
