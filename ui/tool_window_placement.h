#pragma once
// Where the editor's tool windows appear beside the main window.

class QWidget;

namespace zeva::ui {

// Bottom edge on the main window's status bar (its bottom edge when it has none), centred on
// the main window but at least 8 pixels right of its left edge, then pulled back onto the
// screen. Without a main window the window stays where it is.
void placeOverStatusBar(QWidget& window, const QWidget* mainWindow);

// At the main window's right edge, from below its menu and tool bars down to its status bar,
// at least `minimumHeight` pixels high, then pulled back onto the screen.
void placeAtRightEdge(QWidget& window, const QWidget* mainWindow, int minimumHeight = 300);

} // namespace zeva::ui
