#pragma once
// The font dialog of the editor: a font with its colour, as elements that show text keep it.
// Qt's font dialog chooses the font; a colour button beside it chooses the colour.

#include "model/element.h"

#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QFontDialog;
class QPushButton;

namespace zeva::ui {

QFont qFontOf(const model::ElementFont& font);
// The font's name, size and style; the colour is given separately.
model::ElementFont elementFontOf(const QFont& font, int32_t color);

class ElementFontDialog : public QDialog {
    Q_OBJECT
  public:
    ElementFontDialog(const model::ElementFont& initial, QWidget* parent = nullptr);

    model::ElementFont chosenFont() const;
    int32_t chosenColor() const { return color_; }
    void setChosenColor(int32_t color);

  private:
    void chooseColor();

    QFontDialog* fonts_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    int32_t color_ = 0;
};

// Opens the dialog window-modal over `parent` and returns at once; `done` gets the font with
// its colour, or none when the dialog is cancelled.
void openElementFontDialog(QWidget* parent, const model::ElementFont& initial,
                           std::function<void(const std::optional<model::ElementFont>&)> done);

} // namespace zeva::ui
