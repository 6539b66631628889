#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

namespace orrery {

enum class AtomicWriteResult {
    Written,
    CannotCreate,  // no temporary file could be made beside the target
    WriteFailed,   // the writer or the disk failed; the target is as it was
};

// Writes through `write` into a new file in the target's folder and renames
// it over the target only when everything was written and flushed, so a
// failed save leaves the previous file whole and no temporary behind. An
// existing target keeps its permissions; a symbolic link keeps pointing at
// the file it names, even one that does not exist yet, and a loop of links
// cannot be created. Temporary files left by a killed save are removed.
AtomicWriteResult writeFileAtomically(const std::filesystem::path& target,
                                      const std::function<bool(std::ostream&)>& write);

}  // namespace orrery
