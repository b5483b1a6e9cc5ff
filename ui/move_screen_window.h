#pragma once
// "Mover la pantalla" (TMuePan): the whole plane in miniature with the visible rectangle, which
// the user drags to show another part, and a track bar for the plane's size. "OK" moves the
// view there; "Cancel", Esc and the close box leave it where it was.

#include "ui/move_screen_logic.h"

#include <QDialog>

class QSlider;

namespace zeva::ui {

class MiniatureView;

class MoveScreenWindow : public QDialog {
    Q_OBJECT
  public:
    MoveScreenWindow(Session& session, QWidget* mainWindow);

    MoveScreenLogic& logic() { return logic_; }
    QWidget* miniature() const;
    QSlider* trackBar() const { return track_; }

  private:
    Session& session_;
    MoveScreenLogic logic_;
    MiniatureView* miniature_ = nullptr;
    QSlider* track_ = nullptr;
};

// Opens the window over `mainWindow` and returns at once (modal to the main window; it deletes
// itself when closed).
MoveScreenWindow* openMoveScreenWindow(QWidget* mainWindow, Session& s);

} // namespace zeva::ui
