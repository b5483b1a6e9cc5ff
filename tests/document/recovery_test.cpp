// Recovery copies: written only when a modified document changed since its last copy, removed
// when it is saved or closed, offered back only from runs that ended without closing, and a
// copy that cannot be read is reported and never removed.

#include "document/document_dump.h"
#include "document/document_set.h"
#include "document/recovery.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zeva::document {
namespace {

namespace fs = std::filesystem;

struct StateHome {
    testing::TempDir dir;
    StateHome() { ::setenv("XDG_STATE_HOME", dir.path().c_str(), 1); }
    fs::path folder() const { return dir.path() / "zeva" / "recovery"; }
};

int filesUnder(const fs::path& p) {
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(p, ec))
        n += e.path().extension() == ".zrec";
    return n;
}

std::string dumpOf(Document& d) {
    return dumpJson(d, FileType::Document, kFileVersion);
}

TEST(RecoveryCopies, WrittenOnlyWhenChangedAndRemovedOnceSavedOrClosed) {
    StateHome home;
    EXPECT_EQ(recoveryFolder(), home.folder());
    DocumentSet set;
    RecoveryStore store;
    set.changesSettled = [&](const Document& d) { store.forget(d); };
    Document& kept = *set.newDocument();
    Document& untouched = *set.newDocument();
    (void)untouched;
    EXPECT_EQ(store.writeChanged(set).written, 0) << "nothing modified, nothing written";
    EXPECT_FALSE(fs::exists(home.folder())) << "a run that wrote nothing leaves no folder";

    testing::addPoint(kept.construction, 1, 2);
    markModified(kept);
    EXPECT_EQ(store.writeChanged(set).written, 1);
    const fs::path copy = store.copyOf(kept);
    ASSERT_TRUE(fs::exists(copy));
    EXPECT_EQ(store.writeChanged(set).written, 0) << "unchanged since the last copy";
    testing::addPoint(kept.construction, 3, 4);
    EXPECT_EQ(store.writeChanged(set).written, 1) << "changed again";
    const RecoveryCopy read = readRecoveryCopy(copy);
    ASSERT_TRUE(read.contents) << read.problem;
    EXPECT_EQ(read.contents->construction.countOf(), 2);

    testing::TempDir files;
    ASSERT_EQ(set.saveAs(kept, files.file("a.KDO")), SaveStatus::Saved);
    EXPECT_FALSE(fs::exists(copy)) << "saving removes the copy";

    testing::addPoint(kept.construction, 5, 6);
    markModified(kept);
    store.writeChanged(set);
    ASSERT_EQ(filesUnder(home.folder()), 1);
    set.close(&kept);
    EXPECT_EQ(filesUnder(home.folder()), 0) << "closing removes the copy";

    Document& other = *set.newDocument();
    markModified(other);
    store.writeChanged(set);
    const fs::path run = store.runFolder();
    store.endCleanly();
    EXPECT_FALSE(fs::exists(run)) << "a clean end removes the run's folder";
}

TEST(RecoveryCopies, OnlyRunsThatEndedWithoutClosingAreOfferedAndRestoredAsTheyWere) {
    StateHome home;
    testing::TempDir files;
    std::string before;
    {
        DocumentSet set;
        Document& d = *set.newDocument();
        testing::addPoint(d.construction, 7, 8);
        ASSERT_EQ(set.saveAs(d, files.file("mine.KDO")), SaveStatus::Saved);
        testing::addPoint(d.construction, 9, 10);
        markModified(d);
        before = dumpOf(d);
        RecoveryStore running;
        running.writeChanged(set);
        RecoveryStore another;
        EXPECT_TRUE(another.leftovers().empty()) << "a run holding its lock is not offered";
        // The run ends without a clean end: its copies stay.
    }
    RecoveryStore next;
    std::vector<RecoveryCopy> left = next.leftovers();
    ASSERT_EQ(left.size(), 1u);
    ASSERT_TRUE(left[0].contents) << left[0].problem;
    EXPECT_EQ(left[0].originalPath, files.file("mine.KDO"));
    DocumentSet set;
    Document* restored = set.restore(std::move(*left[0].contents), left[0].originalPath);
    ASSERT_TRUE(restored);
    EXPECT_EQ(dumpOf(*restored), before);
    EXPECT_EQ(restored->modified, 1);
    EXPECT_EQ(restored->fileName, files.file("mine.KDO"));
    next.removeLeftover(left[0]);
    EXPECT_EQ(filesUnder(home.folder()), 0);
    EXPECT_TRUE(next.leftovers().empty());
}

TEST(RecoveryCopies, ACopyThatCannotBeReadIsReportedAndKept) {
    StateHome home;
    fs::path copy;
    std::vector<uint8_t> bytes;
    {
        DocumentSet set;
        Document& d = *set.newDocument();
        for (int i = 0; i < 5; ++i) testing::addPoint(d.construction, i, -i);
        markModified(d);
        RecoveryStore running;
        running.writeChanged(set);
        copy = running.copyOf(d);
        bytes = testing::readBytes(copy.string());
    }
    struct Damage {
        const char* what;
        size_t keep;         // bytes kept from the start
        const char* problem; // as reported
    };
    const Damage damages[] = {
        {"cut in the header", 10, "damaged header"},
        {"cut after the header", 60, "cut short"},
        {"cut one byte short", bytes.size() - 1, "cut short"},
        {"empty", 0, "damaged header"},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        testing::writeBytes(copy.string(),
                            std::vector<uint8_t>(bytes.begin(), bytes.begin() +
                                                                    static_cast<long>(damage.keep)));
        RecoveryStore next;
        const std::vector<RecoveryCopy> left = next.leftovers();
        ASSERT_EQ(left.size(), 1u);
        EXPECT_FALSE(left[0].contents);
        EXPECT_EQ(left[0].problem, damage.problem);
        next.removeLeftover(left[0]);
        EXPECT_TRUE(fs::exists(copy)) << "never removed silently";
    }
    // A copy of the full length whose document file has no valid version and type.
    std::vector<uint8_t> scrambled = bytes;
    const std::string header(bytes.begin(), bytes.begin() + 80);
    const size_t start = header.find('\n', header.find("\nbytes ") + 1) + 1;
    std::fill(scrambled.begin() + static_cast<long>(start),
              scrambled.begin() + static_cast<long>(start) + 8, 0xFF);
    testing::writeBytes(copy.string(), scrambled);
    RecoveryStore next;
    const std::vector<RecoveryCopy> left = next.leftovers();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].problem, "not a valid document");
    EXPECT_TRUE(fs::exists(copy));
}

} // namespace
} // namespace zeva::document
