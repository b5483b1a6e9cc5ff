#include "ui/tool_window_placement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace zeva::ui {

namespace {

// The main window's status bar top in global coordinates, or its frame's bottom.
int statusBarTop(const QWidget& main) {
    if (const auto* mw = qobject_cast<const QMainWindow*>(&main)) {
        const QStatusBar* bar = mw->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (bar && bar->isVisible()) return bar->mapToGlobal(QPoint(0, 0)).y();
    }
    return main.frameGeometry().bottom();
}

// Below the menu and tool bars: the top of the central widget, or of the client area.
int clientTop(const QWidget& main) {
    if (const auto* mw = qobject_cast<const QMainWindow*>(&main))
        if (const QWidget* central = mw->centralWidget())
            return central->mapToGlobal(QPoint(0, 0)).y();
    return main.mapToGlobal(QPoint(0, 0)).y();
}

void pullOnScreen(QWidget& window, QRect frame) {
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.move(frame.topLeft());
        return;
    }
    const QRect area = screen->availableGeometry();
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom() - 20));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    window.move(frame.topLeft());
}

} // namespace

void placeOverStatusBar(QWidget& window, const QWidget* mainWindow) {
    if (!mainWindow) return;
    const QRect main = mainWindow->frameGeometry();
    QRect frame = window.frameGeometry();
    const int left = std::max(main.left() + 8, main.left() + (main.width() - frame.width()) / 2);
    frame.moveTopLeft({left, statusBarTop(*mainWindow) - frame.height()});
    pullOnScreen(window, frame);
}

void placeAtRightEdge(QWidget& window, const QWidget* mainWindow, int minimumHeight) {
    if (!mainWindow) return;
    const QRect main = mainWindow->frameGeometry();
    const int top = clientTop(*mainWindow);
    const int height = std::max(minimumHeight, statusBarTop(*mainWindow) - top);
    window.resize(window.width(), height - (window.frameGeometry().height() - window.height()));
    QRect frame = window.frameGeometry();
    frame.moveTopRight({main.right(), top});
    pullOnScreen(window, frame);
}

} // namespace zeva::ui
