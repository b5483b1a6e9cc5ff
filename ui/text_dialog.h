#pragma once
// The text dialog (TVTexto): a memo of lines without word wrap on the document's background,
// in the text's font and colour, a font button, OK and Cancel. Ctrl+Enter confirms, Esc
// cancels; Enter starts a new line.

#include "ui/host.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;

namespace zeva::ui {

class TextDialog : public QDialog {
    Q_OBJECT
  public:
    TextDialog(const TextDialogRequest& request, QWidget* parent = nullptr);

    // The memo's lines and its font (with its colour).
    TextDialogAnswer answer() const;
    QPlainTextEdit* memo() const { return memo_; }
    // Applies a font (and its colour) to the memo, as the font button does.
    void setTextFont(const model::ElementFont& font);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseFont();

    QPlainTextEdit* memo_ = nullptr;
    model::ElementFont font_;
    render::Color background_ = 0;
};

// Opens the dialog window-modal over `parent` with its top-left corner at `globalAt` and
// returns at once; `done` gets the answer when it closes.
void openTextDialog(QWidget* parent, const TextDialogRequest& request, QPoint globalAt,
                    std::function<void(const TextDialogAnswer&)> done);

} // namespace zeva::ui
