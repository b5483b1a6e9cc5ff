#pragma once
// The font dialog of the options and of the font tool: family, style, size, underline and
// strikeout (Qt's font chooser) with the text colour beside it.

#include "model/element.h"

#include <QDialog>

#include <optional>

class QFontDialog;
class QToolButton;

namespace zeva::ui {

class FontChooser : public QDialog {
    Q_OBJECT
  public:
    FontChooser(const model::ElementFont& initial, int maxSize, QWidget* parent = nullptr);

    // The font as chosen so far, its size held within 1..maxSize.
    model::ElementFont font() const;
    void setColour(int32_t colorRef);

  private:
    void showColour();

    QFontDialog* fonts_ = nullptr;
    QToolButton* colourButton_ = nullptr;
    int32_t colour_ = 0;
    int maxSize_ = 72;
};

// The chosen font, or none when the dialog was cancelled.
std::optional<model::ElementFont> chooseFont(QWidget* parent, const model::ElementFont& initial,
                                             int maxSize);

// A Qt font for an element font at its point size.
QFont qtFont(const model::ElementFont& f);

} // namespace zeva::ui
