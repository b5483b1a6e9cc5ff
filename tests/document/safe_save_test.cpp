// Saving never destroys the previous file.

#include "document/document_file.h"
#include "document/document_set.h"
#include "document/safe_write.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zeva::document {
namespace {

namespace fs = std::filesystem;

struct InjectionReset {
    ~InjectionReset() { injectWriteFailureAfter(std::nullopt); }
};

std::vector<std::string> filesIn(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(dir))
        out.push_back(entry.path().filename().string());
    return out;
}

TEST(SafeSave, FailedWriteLeavesThePreviousFileByteIdentical) {
    InjectionReset reset;
    testing::TempDir dir;
    const std::string path = dir.file("figura.KDO");
    DocumentSet set;
    Document& d = *set.newDocument();
    testing::addPoint(d.construction, 1, 2);
    ASSERT_EQ(set.saveAs(d, path), SaveStatus::Saved);
    const auto before = testing::readBytes(path);

    testing::addPoint(d.construction, 3, 4);
    d.modified = 1;
    const size_t full = documentFileBytes(d).size();
    for (size_t failAt : {size_t{0}, size_t{1}, size_t{8}, full / 2, full - 1}) {
        SCOPED_TRACE(failAt);
        injectWriteFailureAfter(failAt);
        EXPECT_EQ(set.saveAs(d, path), SaveStatus::WriteError);
        EXPECT_EQ(set.save(d), SaveStatus::NeedsName);
        EXPECT_EQ(testing::readBytes(path), before);
        EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"figura.KDO"});
        EXPECT_EQ(d.modified, 1);
        EXPECT_EQ(d.fileName, path);
    }

    injectWriteFailureAfter(std::nullopt);
    EXPECT_EQ(set.save(d), SaveStatus::Saved);
    EXPECT_EQ(d.modified, 0);
    EXPECT_EQ(testing::readBytes(path), documentFileBytes(d));
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"figura.KDO"});
}

TEST(SafeSave, SavingAsIntoAMissingFolderFailsAndKeepsThePath) {
    testing::TempDir dir;
    DocumentSet set;
    Document& d = *set.newDocument();
    d.modified = 1;
    EXPECT_EQ(set.saveAs(d, dir.file("no/such/folder/a.KDO")), SaveStatus::WriteError);
    EXPECT_EQ(d.fileName, "");
    EXPECT_EQ(d.modified, 1);
    EXPECT_EQ(set.saveAs(d, dir.path().string()), SaveStatus::WriteError); // a folder
}

TEST(SafeSave, UnwritableFolderLeavesThePreviousFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    testing::TempDir dir;
    const std::string path = dir.file("a.KDO");
    testing::writeBytes(path, {1, 2, 3});
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    Document d;
    testing::addPoint(d.construction, 0, 0);
    EXPECT_FALSE(writeDocumentFile(d, path));
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(testing::readBytes(path), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"a.KDO"});
}

TEST(SafeSave, ReadOnlyTargetIsOverwrittenAndMadeWritable) {
    testing::TempDir dir;
    const std::string path = dir.file("ro.KDO");
    testing::writeBytes(path, {9, 9});
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    Document d;
    testing::addPoint(d.construction, 5, 5);
    ASSERT_TRUE(writeDocumentFile(d, path));
    EXPECT_EQ(testing::readBytes(path), documentFileBytes(d));
    const auto perms = fs::status(path).permissions();
    EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(perms & fs::perms::group_read, fs::perms::none);
}

TEST(SafeSave, SavingThroughASymbolicLinkReplacesTheLinkedFile) {
    testing::TempDir dir;
    const std::string real = dir.file("real.KDO");
    const std::string link = dir.file("link.KDO");
    testing::writeBytes(real, {1});
    fs::create_symlink(real, link);
    Document d;
    testing::addPoint(d.construction, 5, 5);
    ASSERT_TRUE(writeDocumentFile(d, link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testing::readBytes(real), documentFileBytes(d));
}

TEST(SafeSave, MacroFileWriteFailureKeepsTheOldFile) {
    InjectionReset reset;
    testing::TempDir dir;
    const std::string path = dir.file("m.MAC");
    Document d = testing::sampleDocument();
    ASSERT_TRUE(writeMacroFile(d.macros[0], path));
    const auto before = testing::readBytes(path);
    injectWriteFailureAfter(5);
    EXPECT_FALSE(writeMacroFile(d.macros[1], path));
    EXPECT_EQ(testing::readBytes(path), before);
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"m.MAC"});
}

} // namespace
} // namespace zeva::document
