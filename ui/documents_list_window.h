#pragma once
// "Lista documentos...": the open documents by caption (the modified ones in bold), to switch
// to, step through, save or close. Cancel goes back to the document that was current when the
// window opened; OK keeps the one chosen.

#include "ui/documents_logic.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;

namespace zeva::ui {

class DocumentsListWindow : public QDialog {
    Q_OBJECT
  public:
    // `shown` is called whenever the current document changed or one was closed or saved, so
    // the main window shows it.
    DocumentsListWindow(DocumentsLogic& documents, std::function<void()> shown,
                        QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* saveButton() const { return save_; }

    void previous();
    void next();
    void closeCurrent();
    void saveCurrent();
    void reject() override;

  private:
    void refill();
    void chosen(int row);

    DocumentsLogic& documents_;
    std::function<void()> shown_;
    const document::Document* openedOn_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* save_ = nullptr;
    bool filling_ = false;
};

} // namespace zeva::ui
