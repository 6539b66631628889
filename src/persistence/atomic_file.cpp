#include "persistence/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <optional>
#include <string>

namespace orrery {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // as the kernel allows
constexpr const char* kTemporaryPrefix = ".orrery-";
constexpr const char* kTemporarySuffix = ".tmp";

// The file the bytes finally belong to: through every link to the file the
// last one names, which need not exist yet. Nothing for a loop or an
// unreadable link.
std::optional<fs::path> resolvedTarget(fs::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

fs::path folderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// The process id in one of our temporary names, or 0 for another name.
pid_t ownerOf(const std::string& name) {
    const std::string prefix = kTemporaryPrefix;
    const std::string suffix = kTemporarySuffix;
    if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    long pid = 0;
    for (std::size_t k = prefix.size(); k < name.size() && name[k] != '-'; ++k) {
        if (name[k] < '0' || name[k] > '9' || pid > 4194304) return 0;
        pid = pid * 10 + (name[k] - '0');
    }
    return static_cast<pid_t>(pid);
}

// A save that was killed leaves its temporary file; the next save in the
// folder removes those whose process has gone.
void removeStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t owner = ownerOf(it->path().filename().string());
        if (owner <= 0 || owner == ::getpid()) continue;
        if (::kill(owner, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (fs::is_regular_file(it->symlink_status(ignored))) fs::remove(it->path(), ignored);
    }
}

// Creates an unused short hidden name beside the target, whatever the
// length of the target's own name; -1 when the folder refuses. The mode
// lets the umask decide, as for any new file.
int createTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folderOf(target) / (kTemporaryPrefix + std::to_string(::getpid()) + "-" +
                                         std::to_string(counter++) + kTemporarySuffix);
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
    const std::optional<fs::path> resolved = resolvedTarget(requested);
    if (!resolved) return AtomicWriteResult::CannotCreate;
    const fs::path& target = *resolved;
    removeStaleTemporaries(folderOf(target));
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
    syncPath(folderOf(target), O_RDONLY | O_DIRECTORY);
    return AtomicWriteResult::Written;
}

}  // namespace orrery
