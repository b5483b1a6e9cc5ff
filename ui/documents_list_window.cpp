#include "ui/documents_list_window.h"

#include "settings/text_table.h"
#include "ui/ui_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva::ui {

DocumentsListWindow::DocumentsListWindow(DocumentsLogic& documents, std::function<void()> shown,
                                         QWidget* parent)
    : QDialog(parent), documents_(documents), shown_(std::move(shown)),
      openedOn_(documents.set().current()) {
    setObjectName(QStringLiteral("DocumentsListWindow"));
    setWindowTitle(messageText(settings::kMsgDocumentsListTitle));
    list_ = new QListWidget(this);
    list_->setMinimumSize(320, 240);

    Mnemonics mnemonics(QStringLiteral("oc"));
    const auto button = [&](int slot) {
        return new QPushButton(mnemonics.mark(messageText(slot)), this);
    };
    QPushButton* previous = button(settings::kMsgDocumentsListPrevious);
    QPushButton* next = button(settings::kMsgDocumentsListNext);
    QPushButton* close = button(settings::kMsgDocumentsListClose);
    save_ = button(settings::kMsgDocumentsListSave);
    auto* okCancel = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // OK and Cancel keep the first letters the mnemonics left to them.
    okCancel->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&") + messageText(settings::kMsgOk));
    okCancel->button(QDialogButtonBox::Cancel)
        ->setText(QStringLiteral("&") + messageText(settings::kMsgCancel));
    okCancel->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {previous, next, close, save_})
        side->addWidget(b);
    side->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(okCancel);

    connect(list_, &QListWidget::currentRowChanged, this, &DocumentsListWindow::chosen);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(previous, &QPushButton::clicked, this, &DocumentsListWindow::previous);
    connect(next, &QPushButton::clicked, this, &DocumentsListWindow::next);
    connect(close, &QPushButton::clicked, this, &DocumentsListWindow::closeCurrent);
    connect(save_, &QPushButton::clicked, this, &DocumentsListWindow::saveCurrent);
    connect(okCancel, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(okCancel, &QDialogButtonBox::rejected, this, &DocumentsListWindow::reject);
    refill();
    list_->setFocus();
}

void DocumentsListWindow::refill() {
    filling_ = true;
    list_->clear();
    const document::DocumentSet& set = documents_.set();
    for (const auto& d : set.documents()) {
        auto* item = new QListWidgetItem(qtText(document::captionOf(*d)), list_);
        QFont font = item->font();
        font.setBold(d->modified != 0);
        item->setFont(font);
    }
    list_->setCurrentRow(set.currentIndex());
    const document::Document* current = set.current();
    save_->setEnabled(current && current->modified);
    filling_ = false;
}

void DocumentsListWindow::chosen(int row) {
    if (filling_ || row < 0) return;
    documents_.set().setCurrent(row);
    const document::Document* current = documents_.set().current();
    save_->setEnabled(current && current->modified);
    if (shown_) shown_();
}

void DocumentsListWindow::previous() {
    documents_.set().previous();
    refill();
    if (shown_) shown_();
}

void DocumentsListWindow::next() {
    documents_.set().next();
    refill();
    if (shown_) shown_();
}

void DocumentsListWindow::closeCurrent() {
    if (!documents_.closeCurrent()) return;
    if (shown_) shown_();
    if (documents_.noDocumentShown()) {
        accept();
        return;
    }
    refill();
}

void DocumentsListWindow::saveCurrent() {
    if (document::Document* d = documents_.set().current()) documents_.save(*d);
    refill();
    if (shown_) shown_();
}

void DocumentsListWindow::reject() {
    // Back to the document shown when the window opened, if it is still open.
    document::DocumentSet& set = documents_.set();
    const int index = set.indexOf(openedOn_);
    if (index >= 0 && index != set.currentIndex()) {
        set.setCurrent(index);
        if (shown_) shown_();
    }
    QDialog::reject();
}

} // namespace zeva::ui
