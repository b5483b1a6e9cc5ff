// Open documents: new, open, already open, the 99-document limit, macro files, save.

#include "document/document_file.h"
#include "document/document_set.h"
#include "document/undo.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

namespace zeva::document {
namespace {

using model::Element;
using model::Kind;

DocumentEnvironment environment() {
    DocumentEnvironment env;
    env.defaults.backgroundColor = 0xFFFFFF;
    env.defaults.angleUnit = model::AngleUnit::Degree;
    env.clientWidth = 800;
    env.clientHeight = 600;
    env.screen = {1280, 1024};
    return env;
}

std::string savedSample(const testing::TempDir& dir, const std::string& name) {
    Document d = testing::sampleDocument();
    const std::string path = dir.file(name);
    EXPECT_TRUE(writeDocumentFile(d, path));
    return path;
}

TEST(DocumentSet, NewDocumentsAreCentredAndNumberedFromOne) {
    DocumentSet set;
    set.environment = environment();
    Document* a = set.newDocument();
    EXPECT_EQ(a->number, 1);
    EXPECT_EQ(a->viewLeft, -400);
    EXPECT_EQ(a->viewTop, 300);
    EXPECT_EQ(a->viewRight, 880);
    EXPECT_EQ(a->viewBottom, -724);
    EXPECT_EQ(a->units.backgroundColor, 0xFFFFFF);
    EXPECT_EQ(a->units.angleUnit, model::AngleUnit::Degree);
    EXPECT_TRUE(a->construction.empty());
    EXPECT_TRUE(a->macros.empty());
    EXPECT_EQ(a->undoAvailable, 0);
    EXPECT_EQ(a->modified, 0);
    Document* b = set.newDocument();
    EXPECT_EQ(b->number, 2);
    EXPECT_EQ(set.current(), b);
    set.close(a);
    set.close(b);
    EXPECT_EQ(set.current(), nullptr);
    EXPECT_EQ(set.newDocument()->number, 1);
}

TEST(DocumentSet, AtMost99DocumentsAreOpen) {
    testing::TempDir dir;
    const std::string path = savedSample(dir, "a.KDO");
    DocumentSet set;
    for (int i = 0; i < kMaxOpenDocuments; ++i)
        ASSERT_NE(set.newDocument(), nullptr);
    EXPECT_EQ(set.newDocument(), nullptr);
    const OpenResult r = set.open(path);
    EXPECT_EQ(r.status, OpenStatus::TooManyDocuments);
    EXPECT_EQ(set.count(), kMaxOpenDocuments);
}

TEST(DocumentSet, OpeningReadsRecomputesAndSetsTheViewFromTheScreen) {
    testing::TempDir dir;
    Document src;
    src.viewLeft = -100;
    src.viewTop = 50;
    Element* a = testing::addPoint(src.construction, 0, 0);
    Element* b = testing::addPoint(src.construction, 80, 20);
    testing::add(src.construction, Kind::Midpoint, a, b);
    const std::string path = dir.file("mid.KDO");
    ASSERT_TRUE(writeDocumentFile(src, path));

    DocumentSet set;
    set.environment = environment();
    const OpenResult r = set.open(path);
    ASSERT_EQ(r.status, OpenStatus::Opened);
    EXPECT_TRUE(r.addToRecentFiles);
    Document& d = *r.document;
    EXPECT_EQ(set.current(), &d);
    EXPECT_EQ(d.fileName, path);
    EXPECT_EQ(d.modified, 0);
    EXPECT_EQ(d.undoAvailable, 0);
    EXPECT_EQ(d.viewLeft, -100);
    EXPECT_EQ(d.viewRight, -100 + 1280);
    EXPECT_EQ(d.viewBottom, 50 - 1024);
    Element* mid = d.construction.lastElement;
    EXPECT_EQ(mid->x1, 40);
    EXPECT_EQ(mid->y1, 10);
    EXPECT_EQ(bareFileName(d.fileName), "mid.KDO");
}

TEST(DocumentSet, OpeningAnOpenPathSwitchesToIt) {
    testing::TempDir dir;
    const std::string path = savedSample(dir, "a.KDO");
    DocumentSet set;
    Document* first = set.open(path).document;
    set.newDocument();
    const OpenResult again = set.open(path);
    EXPECT_EQ(again.status, OpenStatus::AlreadyOpen);
    EXPECT_EQ(again.document, first);
    EXPECT_EQ(set.current(), first);
    EXPECT_EQ(set.count(), 2);
}

TEST(DocumentSet, InvalidFileChangesNothing) {
    testing::TempDir dir;
    const std::string good = savedSample(dir, "good.KDO");
    auto bytes = testing::readBytes(good);
    bytes.resize(bytes.size() - 3);
    const std::string bad = dir.file("bad.KDO");
    testing::writeBytes(bad, bytes);
    testing::writeBytes(dir.file("junk.KDO"), {'h', 'o', 'l', 'a', ' ', 'q', 'u', 'e'});

    DocumentSet set;
    Document* keep = set.newDocument();
    EXPECT_EQ(set.open(bad).status, OpenStatus::NotValid);
    EXPECT_EQ(set.open(dir.file("junk.KDO")).status, OpenStatus::NotValid);
    EXPECT_EQ(set.open(dir.file("missing.KDO")).status, OpenStatus::NotValid);
    EXPECT_EQ(set.count(), 1);
    EXPECT_EQ(set.current(), keep);
}

TEST(DocumentSet, MacroFilesGoIntoTheCurrentDocument) {
    testing::TempDir dir;
    Document sample = testing::sampleDocument();
    const std::string mac = dir.file("m.MAC");
    ASSERT_TRUE(writeMacroFile(sample.macros[0], mac));
    const std::string doc = savedSample(dir, "d.KDO");

    DocumentSet set;
    // With no document open a new one is made for it.
    OpenResult r = set.open(mac);
    ASSERT_EQ(r.status, OpenStatus::MacroLoaded);
    EXPECT_EQ(set.count(), 1);
    EXPECT_EQ(r.document->macros.size(), 1u);
    EXPECT_EQ(r.document->modified, 1);
    EXPECT_TRUE(set.loadMacroFile(*r.document, mac));
    EXPECT_EQ(r.document->macros.size(), 2u);
    EXPECT_FALSE(set.loadMacroFile(*r.document, doc)); // "Cargar macros" takes only macros

    for (int i = 2; i < document::kMaxMacros; ++i)
        ASSERT_TRUE(set.loadMacroFile(*r.document, mac));
    EXPECT_FALSE(set.loadMacroFile(*r.document, mac));
    EXPECT_EQ(set.open(mac).status, OpenStatus::NotValid);
    EXPECT_EQ(r.document->macros.size(), 100u);
}

TEST(DocumentSet, SavingWithoutAPathAsksForOne) {
    testing::TempDir dir;
    DocumentSet set;
    Document& d = *set.newDocument();
    testing::addPoint(d.construction, 1, 1);
    d.modified = 1;
    EXPECT_EQ(set.save(d), SaveStatus::NeedsName);
    EXPECT_EQ(d.modified, 1);
    const std::string path = dir.file("uno.KDO");
    EXPECT_EQ(set.saveAs(d, path), SaveStatus::Saved);
    EXPECT_EQ(d.fileName, path);
    EXPECT_EQ(d.modified, 0);
    d.modified = 1;
    EXPECT_EQ(set.save(d), SaveStatus::Saved);
    EXPECT_EQ(d.modified, 0);
    EXPECT_EQ(set.findByPath(path), &d);
    EXPECT_EQ(set.findByPath(dir.file("UNO.KDO")), nullptr); // exact comparison
}

TEST(DocumentSet, OpenedDocumentHasNoHistoryOrSelection) {
    testing::TempDir dir;
    Document src;
    testing::addPoint(src.construction, 0, 0)->selected = 1;
    checkpoint(src);
    const std::string path = dir.file("s.KDO");
    ASSERT_TRUE(writeDocumentFile(src, path));
    DocumentSet set;
    Document& d = *set.open(path).document;
    EXPECT_EQ(d.construction.elements->selected, 0);
    EXPECT_EQ(d.undoAvailable, 0);
    EXPECT_TRUE(d.undoList.empty());
}

} // namespace
} // namespace zeva::document
