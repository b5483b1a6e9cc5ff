#pragma once
// The press-and-hold panels as a widget: a raised frame of panel buttons shown beside the held
// button. It only shows what PopupPanels decides: which panel, and which button is down.

#include "ui/popup_panels_logic.h"

#include <QFrame>

#include <vector>

class QToolButton;

namespace zeva::ui {

class PopupPanelWidget : public QFrame {
    Q_OBJECT
  public:
    explicit PopupPanelWidget(QWidget* parent = nullptr);

    // Shows panel `kind` with its top-left corner at `topLeft` (parent coordinates), buttons of
    // `size` pixels, button `pressed` down.
    void showPanel(PanelKind kind, QPoint topLeft, int size, int pressed);
    // The panel button under a point of the screen, -1 when none.
    int indexAt(QPoint globalPos) const;
    void setPressed(int index);
    PanelKind kind() const { return kind_; }
    const std::vector<QToolButton*>& buttons() const { return buttons_; }

  private:
    void rebuild(PanelKind kind, int size);

    PanelKind kind_ = PanelKind::Colour;
    int size_ = 0;
    std::vector<QToolButton*> buttons_;
};

} // namespace zeva::ui
