// Crash recovery end to end: a run modifies a document, its recovery copy is written, the run is
// killed (SIGKILL, so nothing of it runs afterwards); the next start offers the copy in the
// recovery dialog and restores the exact document, marked modified, with its own path.

#include "document/document_dump.h"
#include "document/document_set.h"
#include "edit/edit.h"
#include "edit/factory.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/dialog_helpers.h"
#include "tests/ui/qt_app.h"
#include "ui/recovery_dialog.h"
#include "ui/recovery_keeper.h"

#include <QAbstractButton>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zeva::ui {
namespace {

namespace fs = std::filesystem;

struct StateHome {
    zeva::testing::TempDir dir;
    StateHome() { ::setenv("XDG_STATE_HOME", dir.path().c_str(), 1); }
};

int copiesUnder(const fs::path& p) {
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(p, ec))
        n += e.path().extension() == ".zrec";
    return n;
}

std::string dumpOf(document::Document& d) {
    return document::dumpJson(d, document::FileType::Document, document::kFileVersion);
}

// The gallery opened from a copy of its file, changed by a new point, its recovery copy written
// as the keeper's timer writes it; then the dump goes to the parent and the child waits to be
// killed.
[[noreturn]] void crashingRun(const std::string& path, int toParent) {
    document::DocumentSet set;
    set.open(path);
    document::Document& d = *set.current();
    edit::Edit change(d, document::contextFor(d), edit::UndoStep::Checkpoint);
    edit::CreationRequest r;
    r.x1 = 123.5;
    r.y1 = -45.25;
    edit::createElement(change, r);
    change.commit();
    document::RecoveryStore store;
    store.writeChanged(set);
    const std::string dump = dumpOf(d);
    const size_t size = dump.size();
    (void)!::write(toParent, &size, sizeof size);
    (void)!::write(toParent, dump.data(), size);
    for (;;) ::pause();
}

std::string readAll(int fd, size_t size) {
    std::string s(size, '\0');
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, s.data() + got, size - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    s.resize(got);
    return s;
}

TEST(CrashRecovery, AKilledRunsDocumentIsOfferedAtTheNextStartAndRestoredExactly) {
    zeva::testing::qtApp();
    StateHome home;
    zeva::testing::TempDir files;
    const std::string path = files.file("gallery.kdo");
    fs::copy_file(ZEVA_SOURCE_DIR "/examples/gallery.kdo", path);

    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipe[0]);
        crashingRun(path, pipe[1]);
    }
    ::close(pipe[1]);
    size_t size = 0;
    ASSERT_EQ(::read(pipe[0], &size, sizeof size), static_cast<ssize_t>(sizeof size));
    const std::string killedDump = readAll(pipe[0], size);
    ::close(pipe[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(copiesUnder(home.dir.path()), 1);

    // The next start.
    document::DocumentSet set;
    RecoveryKeeper keeper(set);
    QStringList offered;
    zeva::testing::onNextModal([&](QWidget* w) {
        if (auto* list = w->findChild<QListWidget*>(QStringLiteral("restorable")))
            for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
        w->findChild<QAbstractButton*>(QStringLiteral("restore"))->click();
    });
    const std::vector<document::Document*> restored = keeper.offerRestore(nullptr);
    ASSERT_EQ(offered.size(), 1);
    EXPECT_TRUE(offered[0].startsWith(QStringLiteral("gallery.kdo"))) << offered[0].toStdString();
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(dumpOf(*restored[0]), killedDump);
    EXPECT_EQ(restored[0]->modified, 1);
    EXPECT_EQ(restored[0]->fileName, path);
    // The old run's copy is gone; the restored document has a copy of this run already.
    EXPECT_EQ(copiesUnder(home.dir.path()), 1);
    EXPECT_TRUE(fs::exists(keeper.store().copyOf(*restored[0])));
    EXPECT_TRUE(keeper.offerRestore(nullptr).empty()) << "nothing left to offer";

    // Saving removes the copy at once.
    ASSERT_EQ(set.save(*restored[0]), document::SaveStatus::Saved);
    EXPECT_EQ(copiesUnder(home.dir.path()), 0);
}

TEST(CrashRecovery, TheTimerWritesChangedDocumentsAndACleanEndLeavesNothing) {
    zeva::testing::qtApp();
    StateHome home;
    document::DocumentSet set;
    fs::path run;
    {
        RecoveryKeeper keeper(set, nullptr, 20);
        document::Document& d = *set.newDocument();
        document::markModified(d);
        ASSERT_TRUE(QTest::qWaitFor([&] { return copiesUnder(home.dir.path()) == 1; }, 5000));
        run = keeper.store().runFolder();
        // "Más tarde" leaves a crashed run's copies for the next start; there are none here.
        EXPECT_TRUE(keeper.offerRestore(nullptr).empty());
    }
    EXPECT_FALSE(fs::exists(run));
    EXPECT_EQ(copiesUnder(home.dir.path()), 0);
}

// The dialog for one restorable copy and one that cannot be read, kept as a screenshot.
TEST(CrashRecovery, TheDialogListsWhatCanBeRestoredAndWhatIsLeftInPlace) {
    zeva::testing::qtApp();
    std::vector<document::RecoveryCopy> copies(2);
    copies[0].originalPath = "/home/ana/geometria/triangulos.KDO";
    copies[0].contents.emplace();
    copies[0].writtenAt = fs::file_time_type::clock::now();
    copies[1].file = "/home/ana/.local/state/zeva/recovery/run-4242-1/2.zrec";
    copies[1].problem = "cut short";
    RecoveryDialog dialog(copies);
    dialog.show();
    const QStringList captions = zeva::testing::captionsOf(&dialog);
    EXPECT_TRUE(captions.contains(QStringLiteral("&Restaurar")));
    EXPECT_TRUE(captions.contains(QStringLiteral("&Descartar")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Más &tarde")));
    auto* restorable = dialog.findChild<QListWidget*>(QStringLiteral("restorable"));
    auto* unreadable = dialog.findChild<QListWidget*>(QStringLiteral("unreadable"));
    ASSERT_TRUE(restorable && unreadable);
    EXPECT_TRUE(restorable->item(0)->text().startsWith(QStringLiteral("triangulos.KDO (copia del ")));
    EXPECT_EQ(unreadable->item(0)->text().toStdString(), copies[1].file.string());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), RecoveryDialog::Later);
    QDir().mkpath(QStringLiteral(ZEVA_BINARY_DIR "/screenshots"));
    dialog.show();
    dialog.grab().save(QStringLiteral(ZEVA_BINARY_DIR "/screenshots/recovery_dialog.png"));
}

} // namespace
} // namespace zeva::ui
