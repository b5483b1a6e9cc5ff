#pragma once
// The parametric-colour window (TVcolpar): three colour scales from 0.0 to 1.0 -- a rainbow,
// white to black, and one hue chosen with a scroll bar -- of which "OK" answers the chosen mode.

#include "ui/parametric_colour_logic.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QRadioButton;
class QScrollBar;

namespace zeva::ui {

class ColourStrip;

class ParametricColourWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ParametricColourWindow(QWidget* parent = nullptr);

    const ParametricColourChoice& choice() const { return choice_; }
    QRadioButton* scaleButton(int scale) const { return buttons_[static_cast<size_t>(scale - 1)]; }
    QScrollBar* hueBar() const { return hue_; }

  private:
    void showChoice();

    ParametricColourChoice choice_;
    std::array<QRadioButton*, 3> buttons_{};
    std::array<ColourStrip*, 3> strips_{};
    QScrollBar* hue_ = nullptr; // SB1
};

// Opens the window modal to `parent` and returns at once; `done` gets the mode chosen, or none
// when the window is cancelled.
ParametricColourWindow*
openParametricColourWindow(QWidget* parent, std::function<void(std::optional<int32_t>)> done);

} // namespace zeva::ui
