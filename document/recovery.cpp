#include "document/recovery.h"

#include "document/document_set.h"
#include "document/safe_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>

namespace zeva::document {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMagic = "ZEVA recovery 1\n";
constexpr std::string_view kCopyExtension = ".zrec";
constexpr std::string_view kRunPrefix = "run-";
constexpr const char* kLockName = "lock";

// Reads "<word> <decimal>\n" at `at`; advances past it.
std::optional<size_t> readCount(std::span<const uint8_t> bytes, size_t& at, std::string_view word) {
    const std::string_view rest(reinterpret_cast<const char*>(bytes.data()) + at,
                                bytes.size() - at);
    if (rest.substr(0, word.size()) != word || rest.size() <= word.size() ||
        rest[word.size()] != ' ')
        return std::nullopt;
    size_t i = word.size() + 1;
    size_t value = 0;
    int digits = 0;
    while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9' && digits < 12) {
        value = value * 10 + static_cast<size_t>(rest[i] - '0');
        ++i;
        ++digits;
    }
    if (digits == 0 || i >= rest.size() || rest[i] != '\n') return std::nullopt;
    at += i + 1;
    return value;
}

// A lock descriptor on the run folder's lock file, or -1 when another process holds it.
int tryLock(const fs::path& run, bool create) {
    const int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0);
    const int fd = ::open((run / kLockName).c_str(), flags, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Only the lock (and temporary files of writes that never finished) left in a run folder.
bool onlyLockLeft(const fs::path& run) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(run, ec)) {
        const fs::path name = entry.path().filename();
        if (name != kLockName && name.extension() != ".tmp") return false;
    }
    return !ec;
}

void removeRunFolder(const fs::path& run) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(run, ec)) fs::remove(entry.path(), ec);
    fs::remove(run, ec);
}

} // namespace

fs::path recoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    fs::path base;
    if (state && *state && fs::path(state).is_absolute()) {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : "/tmp") / ".local" / "state";
    }
    return base / "zeva" / "recovery";
}

std::vector<uint8_t> recoveryCopyBytes(Document& d) {
    const std::vector<uint8_t> file = documentFileBytes(d);
    const std::string header = std::string(kMagic) + "path " + std::to_string(d.fileName.size()) +
                               "\n" + d.fileName + "\nbytes " + std::to_string(file.size()) + "\n";
    std::vector<uint8_t> out;
    out.reserve(header.size() + file.size());
    for (const char c : header) out.push_back(static_cast<uint8_t>(c));
    out.insert(out.end(), file.begin(), file.end());
    return out;
}

RecoveryCopy readRecoveryCopy(const fs::path& file, const ReadSettings& settings) {
    RecoveryCopy copy;
    copy.file = file;
    std::error_code ec;
    copy.writtenAt = fs::last_write_time(file, ec);
    std::ifstream in(file, std::ios::binary);
    const uintmax_t size = fs::file_size(file, ec);
    if (!in || ec) {
        copy.problem = "cannot be opened";
        return copy;
    }
    if (size > kMaxFileBytes + 4096) {
        copy.problem = "too large";
        return copy;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    const std::span<const uint8_t> all(bytes);
    if (bytes.size() < kMagic.size() ||
        std::string_view(reinterpret_cast<const char*>(bytes.data()), kMagic.size()) != kMagic) {
        copy.problem = "damaged header";
        return copy;
    }
    size_t at = kMagic.size();
    const std::optional<size_t> pathLength = readCount(all, at, "path");
    if (!pathLength || bytes.size() - at < *pathLength + 1 || bytes[at + *pathLength] != '\n') {
        copy.problem = "damaged header";
        return copy;
    }
    const std::string path(reinterpret_cast<const char*>(bytes.data()) + at, *pathLength);
    at += *pathLength + 1;
    const std::optional<size_t> fileLength = readCount(all, at, "bytes");
    if (!fileLength) {
        copy.problem = "damaged header";
        return copy;
    }
    if (bytes.size() - at != *fileLength) {
        copy.problem = bytes.size() - at < *fileLength ? "cut short" : "longer than it says";
        return copy;
    }
    ReadResult read = readFileBytes(all.subspan(at), ReadMode::Any, settings);
    auto* loaded = std::get_if<LoadedFile>(&read);
    if (!loaded || loaded->type != FileType::Document) {
        copy.problem = "not a valid document";
        return copy;
    }
    copy.originalPath = path;
    copy.contents = std::move(*loaded);
    return copy;
}

RecoveryStore::RecoveryStore(fs::path folder) : folder_(std::move(folder)) {}

RecoveryStore::~RecoveryStore() {
    if (lockFd_ >= 0) ::close(lockFd_);
    for (const auto& [run, fd] : claimedRuns_) ::close(fd);
}

bool RecoveryStore::openRun() {
    if (lockFd_ >= 0) return true;
    std::error_code ec;
    // Copies hold the user's work: the folders are the user's alone.
    if (fs::create_directories(folder_, ec))
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace, ec);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string name = std::string(kRunPrefix) + std::to_string(::getpid()) + "-" +
                             std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    runFolder_ = folder_ / name;
    fs::create_directories(runFolder_, ec);
    if (ec) return false;
    fs::permissions(runFolder_, fs::perms::owner_all, fs::perm_options::replace, ec);
    lockFd_ = tryLock(runFolder_, true);
    return lockFd_ >= 0;
}

fs::path RecoveryStore::copyOf(const Document& d) const {
    const auto it = copies_.find(&d);
    return it == copies_.end() ? fs::path() : it->second.file;
}

void RecoveryStore::removeCopy(std::map<const Document*, Copy>::iterator it) {
    std::error_code ec;
    fs::remove(it->second.file, ec);
    copies_.erase(it);
}

RecoveryStore::WriteReport RecoveryStore::writeChanged(DocumentSet& documents) {
    WriteReport report;
    // Copies of documents closed or saved since the last round go first.
    for (auto it = copies_.begin(); it != copies_.end();) {
        const Document* d = it->first;
        const bool open = documents.indexOf(d) >= 0;
        if (!open || d->modified == 0)
            removeCopy(it++);
        else
            ++it;
    }
    for (const auto& owned : documents.documents()) {
        Document& d = *owned;
        if (d.modified == 0) continue;
        std::vector<uint8_t> bytes = recoveryCopyBytes(d);
        auto it = copies_.find(&d);
        if (it != copies_.end() && it->second.bytes == bytes) continue;
        if (!openRun()) {
            ++report.failed;
            continue;
        }
        if (it == copies_.end())
            it = copies_
                     .emplace(&d, Copy{runFolder_ / (std::to_string(nextCopy_++) +
                                                     std::string(kCopyExtension)),
                                       {}})
                     .first;
        if (replaceFileContents(it->second.file.string(), bytes)) {
            it->second.bytes = std::move(bytes);
            ++report.written;
        } else {
            it->second.bytes.clear(); // try again next round
            ++report.failed;
        }
    }
    return report;
}

void RecoveryStore::forget(const Document& d) {
    const auto it = copies_.find(&d);
    if (it != copies_.end()) removeCopy(it);
}

void RecoveryStore::endCleanly() {
    copies_.clear();
    if (lockFd_ < 0) return;
    removeRunFolder(runFolder_);
    ::close(lockFd_);
    lockFd_ = -1;
}

std::vector<RecoveryCopy> RecoveryStore::leftovers(const ReadSettings& settings) {
    std::vector<RecoveryCopy> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const fs::path run = entry.path();
        if (!entry.is_directory(ec) || !run.filename().string().starts_with(kRunPrefix) ||
            run == runFolder_)
            continue;
        if (!claimedRuns_.count(run)) {
            // A run that still holds its lock is running: its copies are its own.
            const int fd = tryLock(run, true);
            if (fd < 0) continue;
            claimedRuns_[run] = fd;
        }
        std::error_code inner;
        for (const auto& file : fs::directory_iterator(run, inner))
            if (file.path().extension() == kCopyExtension)
                found.push_back(readRecoveryCopy(file.path(), settings));
        if (onlyLockLeft(run)) {
            // Nothing to offer (a run that never wrote, or whose copies were all dealt with).
            releaseClaimedRun(run);
            removeRunFolder(run);
        }
    }
    std::sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.writtenAt != b.writtenAt ? a.writtenAt < b.writtenAt : a.file < b.file;
    });
    return found;
}

void RecoveryStore::releaseClaimedRun(const fs::path& run) {
    const auto it = claimedRuns_.find(run);
    if (it == claimedRuns_.end()) return;
    ::close(it->second);
    claimedRuns_.erase(it);
}

void RecoveryStore::removeLeftover(const RecoveryCopy& copy) {
    if (!copy.contents) return; // reported and left in place
    std::error_code ec;
    fs::remove(copy.file, ec);
    const fs::path run = copy.file.parent_path();
    if (onlyLockLeft(run)) {
        releaseClaimedRun(run);
        removeRunFolder(run);
    }
}

} // namespace zeva::document
