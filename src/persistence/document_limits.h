#pragma once

#include <cstddef>
#include <cstdint>

#include "graphing/graph_limits.h"

namespace orrery {

// Bounds a document must keep to be read. Far beyond what anyone builds by
// hand or by fitting, and small enough that a damaged or hostile file cannot
// make the reader take gigabytes.
inline constexpr std::size_t kMaxDocumentBytes = 128u << 20;
inline constexpr std::uint32_t kMaxDocumentCurves = kMaxCurves;
// Entries of each per-curve sequence of the settings (documents and profiles).
inline constexpr std::uint32_t kMaxSettingsEntries = 100000;
// Keys over all curves of one document.
inline constexpr std::size_t kMaxDocumentTokens = kMaxKeysInAllCurves;

}  // namespace orrery
