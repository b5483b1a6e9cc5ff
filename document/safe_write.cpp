#include "document/safe_write.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeva::document {

namespace {

std::optional<size_t> gFailAfter;
std::atomic<unsigned> gTempCounter{0};

namespace fs = std::filesystem;

// The file that ends up replaced: a symbolic link is followed so the link itself survives.
fs::path resolvedTarget(const std::string& path) {
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path real = fs::weakly_canonical(target, ec);
        if (!ec) return real;
    }
    return target;
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    size_t limit = bytes.size();
    const bool injected = gFailAfter && *gFailAfter < limit;
    if (injected) limit = *gFailAfter;
    size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return !injected;
}

int createTemporary(const fs::path& target, std::string& tempPath) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(1, '.');
        name += target.filename().string();
        name += ".tmp";
        name += std::to_string(::getpid());
        name += '-';
        name += std::to_string(gTempCounter.fetch_add(1));
        tempPath = (folder / name).string();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

void injectWriteFailureAfter(std::optional<size_t> bytes) {
    gFailAfter = bytes;
}

bool replaceFileContents(const std::string& path, std::span<const uint8_t> bytes) {
    if (path.empty()) return false;
    const fs::path target = resolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) return false;

    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0) return false;

    bool ok = true;
    if (exists) ok = ::fchmod(fd, (existing.st_mode & 07777) | S_IWUSR) == 0;
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable; failing here no longer endangers either file.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

} // namespace zeva::document
