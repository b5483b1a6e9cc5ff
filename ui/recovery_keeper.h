#pragma once
// Crash recovery for the window: every minute, each open document with unsaved changes that
// changed since its last copy is copied to the run's recovery folder (document/recovery.h);
// saving or closing a document through the document set removes its copy at once; a clean end
// of the program removes them all. At start, the copies a crashed run left are offered back.
//
// How the main window uses it (two lines; nothing else is needed):
//
//     // in the constructor, once documents_ (the window's document::DocumentSet) exists:
//     recovery_ = new ui::RecoveryKeeper(documents_, this); // starts the one-minute timer
//
//     // once the window is shown, before opening the file named on the command line:
//     for (document::Document* d : recovery_->offerRestore(this)) showDocument(d);
//
// offerRestore shows the recovery dialog only when a crashed run left copies; it answers the
// documents restored (already in the set, the last one current, each marked modified with its
// own path), so the window only has to show them. The keeper's destructor is the clean end:
// destroy it with the window (as a child it is), not on a crash path. It never touches the
// document set in its destructor, so the set may be a member of the window.

#include "document/document_set.h"
#include "document/recovery.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <vector>

class QWidget;

namespace zeva::ui {

inline constexpr int kRecoveryIntervalMs = 60 * 1000;

class RecoveryKeeper : public QObject {
    Q_OBJECT
  public:
    // Starts the timer. The folder and the interval are for tests.
    RecoveryKeeper(document::DocumentSet& documents, QObject* parent = nullptr,
                   int intervalMs = kRecoveryIntervalMs,
                   std::filesystem::path folder = document::recoveryFolder());
    // The clean end: this run's copies and folder go.
    ~RecoveryKeeper() override;

    // What the timer does: copies what changed since the last copy. Answers copies written.
    int writeNow();

    // At start: when a run that ended without closing left copies, the recovery dialog lists
    // them and the user restores them, discards them, or leaves them for later (Esc). Copies
    // that cannot be read are listed as such and always left in place.
    std::vector<document::Document*> offerRestore(QWidget* parent);

    document::RecoveryStore& store() { return *store_; }

  signals:
    // Copies could not be written (the folder is full or not writable); said once until a
    // round succeeds again, with the text to show.
    void writeFailed(const QString& message);

  private:
    document::DocumentSet& documents_;
    // Shared with the document set's changesSettled hook, which holds it weakly: the keeper
    // and the set may go in either order (a child QObject goes after the window's members).
    std::shared_ptr<document::RecoveryStore> store_;
    QTimer timer_;
    bool failureShown_ = false;
};

} // namespace zeva::ui
