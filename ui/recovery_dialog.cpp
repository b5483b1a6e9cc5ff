#include "ui/recovery_dialog.h"

#include "document/document.h"
#include "settings/text_table.h"
#include "ui/ui_text.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <chrono>

namespace zeva::ui {

namespace {

enum RecoveryText {
    kTitle = 2060,
    kIntro = 2061,
    kRestore = 2062,
    kDiscard = 2063,
    kLater = 2064,
    kUnreadable = 2065,
    kCopyOf = 2066,
    kRestoredModified = 2068,
};

QString text(int key) {
    return qtText(settings::texts().byKey(key));
}

QLabel* wrappedLabel(const QString& s, QWidget* parent) {
    auto* label = new QLabel(s, parent);
    label->setWordWrap(true);
    return label;
}

QListWidget* listOf(const QStringList& items, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->addItems(items);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    const int rows = std::min<int>(std::max<int>(static_cast<int>(items.size()), 2), 8);
    // As tall as its lines (up to eight, then it scrolls).
    list->setFixedHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth() + 4);
    return list;
}

} // namespace

QString recoveryCopyCaption(const document::RecoveryCopy& copy) {
    const QString name = copy.originalPath.empty()
                             ? qtText(settings::texts().message(12)) // "Documento"
                             : qtText(document::bareFileName(copy.originalPath));
    const auto system = std::chrono::file_clock::to_sys(copy.writtenAt);
    const qint64 ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(system.time_since_epoch()).count();
    const QString when =
        QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat);
    return text(kCopyOf).arg(name, when);
}

RecoveryDialog::RecoveryDialog(const std::vector<document::RecoveryCopy>& copies, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("recoveryDialog"));
    setWindowTitle(text(kTitle));
    QStringList restorable;
    QStringList unreadable;
    for (const document::RecoveryCopy& c : copies) {
        if (c.contents)
            restorable << recoveryCopyCaption(c);
        else
            unreadable << QString::fromStdString(c.file.string());
    }

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(this);
    if (!restorable.isEmpty()) {
        layout->addWidget(wrappedLabel(text(kIntro), this));
        restorable_ = listOf(restorable, this);
        restorable_->setObjectName(QStringLiteral("restorable"));
        layout->addWidget(restorable_);
        layout->addWidget(wrappedLabel(text(kRestoredModified), this));
        QPushButton* restore = buttons->addButton(text(kRestore), QDialogButtonBox::AcceptRole);
        restore->setObjectName(QStringLiteral("restore"));
        restore->setDefault(true);
        QPushButton* discard =
            buttons->addButton(text(kDiscard), QDialogButtonBox::DestructiveRole);
        discard->setObjectName(QStringLiteral("discard"));
        connect(discard, &QPushButton::clicked, this, [this] { done(Discard); });
    }
    if (!unreadable.isEmpty()) {
        layout->addWidget(wrappedLabel(text(kUnreadable), this));
        QListWidget* list = listOf(unreadable, this);
        list->setObjectName(QStringLiteral("unreadable"));
        layout->addWidget(list);
    }
    QPushButton* later = buttons->addButton(text(kLater), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("later"));
    if (restorable.isEmpty()) later->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

} // namespace zeva::ui
