#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <string>

namespace orrery {
namespace {

namespace fs = std::filesystem;

// The file the bytes finally belong to: a link's target, not the link.
fs::path resolvedTarget(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) return resolved;
    }
    return target;
}

// Creates an unused hidden name beside the target; -1 when the folder
// refuses. The mode lets the umask decide, as for any new file.
int createTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / ("." + target.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                              std::to_string(counter++));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool syncPath(const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

bool writeAndSync(const fs::path& temporary, const std::function<bool(std::ostream&)>& write) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const bool written = write(out);
    out.flush();
    const bool good = written && out.good();
    out.close();
    return good && !out.fail() && syncPath(temporary, O_RDONLY);
}

}  // namespace

AtomicWriteResult writeFileAtomically(const fs::path& requested, const std::function<bool(std::ostream&)>& write) {
    const fs::path target = resolvedTarget(requested);
    fs::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return AtomicWriteResult::CannotCreate;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
    ::close(fd);

    if (!writeAndSync(temporary, write) || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return AtomicWriteResult::WriteFailed;
    }
    // Make the new name itself durable; a failure here cannot be undone and
    // the file is already in place.
    syncPath(target.has_parent_path() ? target.parent_path() : fs::path("."), O_RDONLY | O_DIRECTORY);
    return AtomicWriteResult::Written;
}

}  // namespace orrery
