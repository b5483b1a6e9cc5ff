#pragma once
// Recovery copies: while the program runs, each document with unsaved changes is copied now and
// then to a folder of the run's own under the user's state folder, so that a crash or a power
// cut loses at most the last minute of work. Saving or closing a document cleanly removes its
// copy, and a clean end removes the run's folder. At the next start the copies that a run left
// behind (a run whose lock nobody holds any more) are offered back.
//
// A copy is the document file's bytes after a short header that keeps the document's own path:
//     "ZEVA recovery 1\n" "path <length>\n" <path bytes> "\n" "bytes <length>\n" <.KDO bytes>
// Copies are written through the safe save, so a copy is either the old one or the new one.

#include "document/document.h"
#include "document/document_file.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zeva::document {

class DocumentSet;

// $XDG_STATE_HOME/zeva/recovery, or ~/.local/state/zeva/recovery when XDG_STATE_HOME is unset
// or not an absolute path.
std::filesystem::path recoveryFolder();

// The bytes of a recovery copy of d (renumbers d's construction as a save does).
std::vector<uint8_t> recoveryCopyBytes(Document& d);

// A recovery copy found at start.
struct RecoveryCopy {
    std::filesystem::path file;
    std::string originalPath; // the document's own file; empty for one never saved
    std::filesystem::file_time_type writtenAt;
    std::optional<LoadedFile> contents; // none when the copy cannot be read
    std::string problem;                // why not, in a few plain words (for the report)
};

// Reads one copy; `contents` is empty and `problem` says why when it cannot be read (damaged
// header, cut short, not a valid document).
RecoveryCopy readRecoveryCopy(const std::filesystem::path& file, const ReadSettings& settings = {});

class RecoveryStore {
  public:
    explicit RecoveryStore(std::filesystem::path folder = recoveryFolder());
    // Releases the run's lock; the copies stay (see endCleanly).
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    struct WriteReport {
        int written = 0; // copies written now
        int failed = 0;  // copies that could not be written (the folder is not writable...)
    };
    // Copies every modified document of the set whose bytes changed since its last copy, and
    // removes the copies of documents no longer modified or no longer open.
    WriteReport writeChanged(DocumentSet& documents);

    // d was saved or closed cleanly: its copy goes.
    void forget(const Document& d);

    // The program ends cleanly: every copy of this run goes, with the run's folder.
    void endCleanly();

    // The copies left by runs that did not end cleanly, oldest first. The runs found stay
    // locked by this store until it is destroyed or their copies are dealt with, so a second
    // instance started at the same time does not offer them too.
    std::vector<RecoveryCopy> leftovers(const ReadSettings& settings = {});

    // A leftover copy was restored or discarded by the user: it is removed, and its run's
    // folder with it once only the lock is left. A copy that cannot be read is never removed
    // here: the caller reports it and leaves it in place.
    void removeLeftover(const RecoveryCopy& copy);

    const std::filesystem::path& folder() const { return folder_; }
    // This run's folder (made at the first copy).
    const std::filesystem::path& runFolder() const { return runFolder_; }
    // The copy of an open document, empty when it has none.
    std::filesystem::path copyOf(const Document& d) const;

  private:
    struct Copy {
        std::filesystem::path file;
        std::vector<uint8_t> bytes; // as last written
    };
    bool openRun();
    void removeCopy(std::map<const Document*, Copy>::iterator it);
    void releaseClaimedRun(const std::filesystem::path& run);

    std::filesystem::path folder_;
    std::filesystem::path runFolder_;
    int lockFd_ = -1;
    int nextCopy_ = 1;
    std::map<const Document*, Copy> copies_;
    std::map<std::filesystem::path, int> claimedRuns_; // run folder -> lock descriptor
};

} // namespace zeva::document
