#pragma once
// The two tool bars of the main window as widgets: a raised panel holding speed buttons placed
// at fixed positions (the main bar's two rows, the edit bar's column), with grooves between the
// main bar's groups.

#include "ui/tool_buttons.h"

#include <QFrame>

#include <functional>
#include <span>
#include <vector>

class QComboBox;
class QToolButton;

namespace zeva::ui {

struct PlacedButton {
    const ToolButtonEntry* entry;
    QToolButton* button; // none for bevels and the document box
};

class ToolBar : public QFrame {
    Q_OBJECT
  public:
    explicit ToolBar(QWidget* parent = nullptr);

    // Adds a row (horizontal) or column of buttons starting at (x, y), `size` pixels each.
    // Answers the buttons made, in order; the document box is made as a combo box `box`.
    std::vector<PlacedButton> addLine(std::span<const ToolButtonEntry> entries, int x, int y,
                                      int size, bool horizontal, QComboBox** box = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QRect> bevels_;
};

// The width of a button of `entry` in a bar of `size` pixel buttons.
int buttonWidth(const ToolButtonEntry& entry, int size);
// The documents box's width: 152 in the small lay-out, 188 in the large one.
int documentBoxWidth(int size);

} // namespace zeva::ui
