#include "ui/recovery_keeper.h"

#include "settings/text_table.h"
#include "ui/recovery_dialog.h"
#include "ui/ui_text.h"

namespace zeva::ui {

RecoveryKeeper::RecoveryKeeper(document::DocumentSet& documents, QObject* parent, int intervalMs,
                               std::filesystem::path folder)
    : QObject(parent), documents_(documents),
      store_(std::make_shared<document::RecoveryStore>(std::move(folder))) {
    documents_.changesSettled = [weak = std::weak_ptr(store_)](const document::Document& d) {
        if (const auto store = weak.lock()) store->forget(d);
    };
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { writeNow(); });
    timer_.start();
}

RecoveryKeeper::~RecoveryKeeper() {
    store_->endCleanly();
}

int RecoveryKeeper::writeNow() {
    const document::RecoveryStore::WriteReport r = store_->writeChanged(documents_);
    if (r.failed == 0) {
        failureShown_ = false;
    } else if (!failureShown_) {
        failureShown_ = true;
        emit writeFailed(qtText(settings::texts().byKey(2067))
                             .arg(QString::fromStdString(store_->folder().string())));
    }
    return r.written;
}

std::vector<document::Document*> RecoveryKeeper::offerRestore(QWidget* parent) {
    document::ReadSettings settings;
    settings.textFont = documents_.environment.textFont;
    std::vector<document::RecoveryCopy> copies = store_->leftovers(settings);
    std::vector<document::Document*> restored;
    if (copies.empty()) return restored;
    RecoveryDialog dialog(copies, parent);
    const int choice = dialog.exec();
    if (choice == RecoveryDialog::Later) return restored;
    std::vector<const document::RecoveryCopy*> done;
    for (document::RecoveryCopy& c : copies) {
        if (!c.contents) continue; // reported in the dialog, left in its folder
        if (choice == RecoveryDialog::Restore) {
            document::Document* d = documents_.restore(std::move(*c.contents), c.originalPath);
            if (!d) break; // 99 documents open: the rest stay for the next start
            restored.push_back(d);
        }
        done.push_back(&c);
    }
    // The restored documents get copies of this run before the old ones go: a crash in
    // between loses nothing either.
    if (!restored.empty()) writeNow();
    for (const document::RecoveryCopy* c : done) store_->removeLeftover(*c);
    return restored;
}

} // namespace zeva::ui
