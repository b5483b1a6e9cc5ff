#pragma once
// The interaction logic of the main window, without widgets: the window hands it mouse and key
// events in drawing-area pixels, timer ticks and the answers of the windows it opened, and it
// acts on the current document through the edit layer and on the window through Host.

#include "ui/input.h"
#include "ui/session.h"

#include <optional>

namespace zeva::ui {

class Editor {
  public:
    Editor(Host& host, document::DocumentSet& documents);

    Session& session() { return session_; }
    const Session& session() const { return session_; }

    void mouseDown(const MouseEvent& e);
    void mouseMove(const MouseEvent& e);
    void mouseUp(const MouseEvent& e);
    void doubleClick(const MouseEvent& e);
    void wheel(const WheelEvent& e);
    void keyDown(const KeyEvent& e);
    void keyUp(const KeyEvent& e);
    void timerFired(TimerId id);

    // Answers of what the logic opened through Host.
    void chooserClosed(int index);
    void textDialogClosed(const TextDialogAnswer& answer);
    // The font chosen (with its colour); none when the dialog was cancelled.
    void fontDialogClosed(const std::optional<model::ElementFont>& font);
    void pictureDialogClosed(const PictureAnswer& answer);
    // The colour mode chosen in the parametric-colour window; none when it was cancelled.
    void parametricColourClosed(std::optional<int32_t> colorMode);

    // Tool buttons, tool menu items and Esc.
    void selectTool(ToolCode t);

    // "Deshacer" (Ctrl+Z): the menu item is enabled while canUndo() answers true; the command
    // does nothing otherwise, so a shortcut acting on a menu never opened is safe.
    bool canUndo() const;
    void undo();
    // "Desactivar trazas".
    void turnTracesOff();

  private:
    Point worldOf(const MouseEvent& e);

    Session session_;
};

} // namespace zeva::ui
