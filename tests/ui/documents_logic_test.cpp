// The open documents as the File and Document menus drive them: numbering and the empty state,
// Siguiente/Anterior, the save prompt (Cancel stops, a save that does not happen keeps the
// document), a failed open, an open of a path already open; and the recent files with the last
// folder across a restart.

#include "ui/documents_logic.h"

#include "qt_app.h"
#include "ui/documents_list_window.h"

#include "document/document_file.h"
#include "tests/support/temp_dir.h"

#include <QListWidget>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

namespace zeva::ui {
namespace {

using document::Document;

// Answers the prompts from a script and records the messages.
struct ScriptedHost : DocumentsHost {
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> paths;
    std::vector<std::string> asked;    // captions of the documents prompted for
    std::vector<std::string> proposed; // names the save dialog proposed
    std::vector<std::string> messages;

    SaveAnswer askSaveChanges(const Document& d) override {
        asked.push_back(document::captionOf(d));
        const SaveAnswer a = answers.empty() ? SaveAnswer::No : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    std::optional<std::string> askSavePath(const std::string& fileName) override {
        proposed.push_back(fileName);
        if (paths.empty()) return std::nullopt;
        auto p = paths.front();
        paths.pop_front();
        return p;
    }
    void showMessage(MessageIcon, const std::string& text) override { messages.push_back(text); }
    void documentClosing(Document& d) override { closing.push_back(document::captionOf(d)); }
    std::vector<std::string> closing;
};

struct Documents {
    document::DocumentSet set;
    RecentFiles recent;
    ScriptedHost host;
    DocumentsLogic logic{set, recent, host};

    std::vector<std::string> captions() const {
        std::vector<std::string> out;
        for (const auto& d : set.documents())
            out.push_back(document::captionOf(*d));
        return out;
    }
};

using Captions = std::vector<std::string>;

TEST(DocumentsLogic, NumberingWrappingAndTheEmptyStateRenumberingFromOne) {
    Documents docs;
    EXPECT_TRUE(docs.logic.noDocumentShown());
    EXPECT_EQ(docs.logic.windowCaption(), "ZEVA");
    for (int i = 0; i < 3; ++i)
        docs.logic.newDocument();
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1", "Documento 2", "Documento 3"}));
    EXPECT_EQ(docs.logic.windowCaption(), "ZEVA - Documento 3");
    docs.set.next();
    EXPECT_EQ(docs.set.currentIndex(), 0) << "Siguiente on the last goes to the first";
    docs.set.previous();
    EXPECT_EQ(docs.set.currentIndex(), 2) << "Anterior on the first goes to the last";
    docs.set.previous();
    EXPECT_EQ(docs.set.currentIndex(), 1);

    ASSERT_TRUE(docs.logic.closeCurrent());
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1", "Documento 3"}));
    EXPECT_EQ(docs.set.currentIndex(), 1) << "the last one left becomes current";
    docs.logic.newDocument();
    EXPECT_EQ(docs.captions().back(), "Documento 4");

    ASSERT_TRUE(docs.logic.closeAll());
    EXPECT_TRUE(docs.logic.noDocumentShown());
    EXPECT_EQ(docs.logic.windowCaption(), "ZEVA");
    docs.logic.newDocument();
    docs.logic.newDocument();
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1", "Documento 2"}));
    EXPECT_TRUE(docs.host.asked.empty()) << "nothing was modified, nothing was asked";

    while (docs.set.count() < document::kMaxOpenDocuments)
        docs.logic.newDocument();
    EXPECT_EQ(docs.logic.newDocument(), nullptr);
    EXPECT_EQ(docs.host.messages, (Captions{"Existen muchos documentos abiertos"}));
}

TEST(DocumentsLogic, CloseAllStopsAtCancelAndAFailedSaveKeepsTheDocumentAndItsChanges) {
    testing::TempDir dir;
    Documents docs;
    for (int i = 0; i < 4; ++i)
        docs.logic.newDocument();
    docs.set.documents()[1]->modified = 1;
    docs.set.documents()[3]->modified = 1;

    // Documento 4 (current, modified): No. Documento 3: closed quietly. Documento 2: Cancel.
    docs.host.answers = {SaveAnswer::No, SaveAnswer::Cancel};
    EXPECT_FALSE(docs.logic.closeAll());
    EXPECT_EQ(docs.host.asked, (Captions{"Documento 4", "Documento 2"}));
    EXPECT_EQ(docs.host.closing, (Captions{"Documento 4", "Documento 3"})) << "only those closed";
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1", "Documento 2"}));

    // Yes, then the save dialog is cancelled: the document stays, modified.
    Document* second = docs.set.documents()[1].get();
    docs.host.answers = {SaveAnswer::Yes};
    EXPECT_FALSE(docs.logic.close(*second));
    EXPECT_EQ(docs.host.proposed, (Captions{"Documento 2"}));
    EXPECT_EQ(docs.set.count(), 2);
    EXPECT_EQ(second->modified, 1);

    // Yes, then the write fails: "error de escritura", the document stays, modified, unnamed.
    docs.host.answers = {SaveAnswer::Yes};
    docs.host.paths = {dir.file("no-such-folder/b.KDO")};
    EXPECT_FALSE(docs.logic.close(*second));
    EXPECT_EQ(docs.host.messages, (Captions{"error de escritura"}));
    EXPECT_EQ(docs.set.count(), 2);
    EXPECT_EQ(second->modified, 1);
    EXPECT_TRUE(second->fileName.empty());

    // Yes and a good name: saved, renamed, in the recent files, closed.
    docs.host.answers = {SaveAnswer::Yes};
    docs.host.paths = {dir.file("b.KDO")};
    EXPECT_TRUE(docs.logic.close(*second));
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1"}));
    EXPECT_EQ(document::probeFileType(dir.file("b.KDO")), document::FileType::Document);
    EXPECT_EQ(docs.recent.paths(), (Captions{dir.file("b.KDO")}));
    EXPECT_EQ(docs.recent.lastFolder(), dir.path().string());
}

TEST(DocumentsLogic, AFailedOpenChangesNothingAndAnOpenPathSwitchesToItsDocument) {
    testing::TempDir dir;
    Documents docs;
    docs.logic.newDocument();
    const std::string saved = dir.file("a.KDO");
    ASSERT_TRUE(document::writeDocumentFile(*docs.set.current(), saved));
    std::ofstream(dir.file("bad.KDO")) << "not a figure at all";

    EXPECT_FALSE(docs.logic.open(dir.file("bad.KDO")));
    EXPECT_FALSE(docs.logic.open(dir.file("missing.KDO")));
    EXPECT_EQ(docs.host.messages,
              (Captions{"no es un archivo válido", "no es un archivo válido"}));
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1"}));
    EXPECT_TRUE(docs.recent.paths().empty());

    ASSERT_TRUE(docs.logic.open(saved));
    docs.logic.newDocument();
    ASSERT_TRUE(docs.logic.open(saved));
    EXPECT_EQ(docs.captions(), (Captions{"Documento 1", "a.KDO", "Documento 2"}));
    EXPECT_EQ(docs.set.currentIndex(), 1);
    EXPECT_EQ(docs.logic.windowCaption(), "ZEVA - a.KDO");
    EXPECT_EQ(docs.recent.paths(), (Captions{saved})) << "one entry per path";
}

TEST(DocumentsListWindow, SwitchesStepsSavesClosesAndCancelGoesBack) {
    testing::qtApp();
    testing::TempDir dir;
    Documents docs;
    for (int i = 0; i < 3; ++i)
        docs.logic.newDocument();
    docs.set.documents()[0]->modified = 1;
    int shown = 0;
    DocumentsListWindow window(docs.logic, [&shown] { ++shown; });
    EXPECT_EQ(window.list()->count(), 3);
    EXPECT_EQ(window.list()->currentRow(), 2);
    EXPECT_FALSE(window.saveButton()->isEnabled());
    EXPECT_TRUE(window.list()->item(0)->font().bold()) << "modified";

    window.list()->setCurrentRow(0);
    EXPECT_EQ(docs.set.currentIndex(), 0);
    EXPECT_TRUE(window.saveButton()->isEnabled());
    window.previous();
    EXPECT_EQ(docs.set.currentIndex(), 2) << "before the first comes the last";
    window.next();
    EXPECT_EQ(window.list()->currentRow(), 0);

    docs.host.paths = {dir.file("one.KDO")};
    window.saveCurrent();
    EXPECT_EQ(window.list()->item(0)->text(), QStringLiteral("one.KDO"));
    EXPECT_FALSE(window.saveButton()->isEnabled());

    window.next();
    window.closeCurrent(); // Documento 2
    EXPECT_EQ(docs.captions(), (Captions{"one.KDO", "Documento 3"}));
    EXPECT_EQ(window.list()->count(), 2);
    window.list()->setCurrentRow(0);
    window.reject(); // back to Documento 3, current when the window opened
    EXPECT_EQ(docs.set.currentIndex(), 1);
    EXPECT_GT(shown, 5);
}

TEST(RecentFiles, TenEntriesMostRecentFirstAndTheLastFolderSurviveARestart) {
    testing::TempDir dir;
    const QString storePath = QString::fromStdString(dir.file("zeva.conf"));
    RecentFiles recent;
    for (int i = 0; i < 11; ++i)
        recent.add("/figures/f" + std::to_string(i) + ".KDO");
    recent.add("/figures/f5.KDO");
    recent.fileChosen("/home/ana/clase/f.KDO");
    ASSERT_EQ(recent.paths().size(), 10u);
    EXPECT_EQ(recent.caption(0), "&0 /figures/f5.KDO");
    EXPECT_EQ(recent.caption(1), "&1 /figures/f10.KDO");
    EXPECT_EQ(recent.caption(9), "&9 /figures/f1.KDO") << "f0 dropped off, f5 moved up";
    {
        QSettings store(storePath, QSettings::IniFormat);
        recent.save(store);
    }
    RecentFiles restarted;
    {
        QSettings store(storePath, QSettings::IniFormat);
        EXPECT_EQ(store.value(QStringLiteral("Recent Files/File0")).toString(),
                  QStringLiteral("/figures/f5.KDO"));
        restarted.load(store);
    }
    EXPECT_EQ(restarted.paths(), recent.paths());
    EXPECT_EQ(restarted.lastFolder(), "/home/ana/clase");

    restarted.clear();
    {
        QSettings store(storePath, QSettings::IniFormat);
        restarted.save(store);
    }
    QSettings store(storePath, QSettings::IniFormat);
    RecentFiles cleared;
    cleared.load(store);
    EXPECT_TRUE(cleared.paths().empty());
    EXPECT_FALSE(store.contains(QStringLiteral("Recent Files/File0")));
    EXPECT_EQ(cleared.lastFolder(), "/home/ana/clase");
}

} // namespace
} // namespace zeva::ui
