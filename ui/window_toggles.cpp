// The window's toggles ("Ver lo oculto", the two tool bars, the status bar, full screen) and the
// options applied at start: the window's rectangle and state, the bars, "Ver lo oculto".
#include "ui/main_window.h"

#include "settings/options.h"
#include "render/render_options.h"
#include "settings/text_table.h"
#include "ui/document_view.h"
#include "ui/drawing_area.h"
#include "ui/hit_test.h"
#include "ui/tool_bars.h"
#include "ui/tool_selection.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

namespace zeva::ui {

namespace {

QRect availableScreen() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

QRect rectangleAfterFullScreen(const QRect& stored, const QRect& screen) {
    QRect r = stored;
    if (!screen.contains(r.topLeft())) r.moveCenter(screen.center());
    return r;
}

void MainWindow::applyStartOptions() {
    const settings::Options& o = settings::options();
    const QRect screen = availableScreen();
    // The stored rectangle, when it still meets the screen; otherwise the default size stays.
    const QRect stored(o.windowLeft, o.windowTop, o.windowWidth, o.windowHeight);
    if (stored.width() >= 200 && stored.height() >= 150 && screen.intersects(stored))
        setGeometry(stored);
    if (o.windowState == 2) setWindowState(windowState() | Qt::WindowMaximized);
    mainBar_->setHidden(!o.showMainButtons);
    editBar_->setHidden(!o.showEditButtons);
    statusBar()->setHidden(!o.showStatusBar);
    session().showHidden = o.showHidden != 0;
    takeOptions();
    if (QToolButton* b = button("B_todoelem")) b->setChecked(session().showHidden);
    if (o.fullScreen) setFullScreen(true);
}

void MainWindow::takeOptions() {
    render::RenderContext& ctx = view_->renderContext();
    ctx.options = render::renderOptionsFrom(settings::options(), settings::texts());
    ctx.options.showHidden = session().showHidden;
    // A new plane size (general options, original options) moves the plane's edges at once:
    // the free points' clamp, the screen moving and the scroll bars' range follow it.
    if (view_->transform().planeSize != settings::options().planeSize) {
        view_->setPlaneSize(settings::options().planeSize);
        syncScrollBars();
    }
}

void MainWindow::setShowMainButtons(bool on) {
    settings::options().showMainButtons = on ? 1 : 0;
    mainBar_->setHidden(!on || noDocument_);
    refreshToggleItems();
    layOut();
}

void MainWindow::setShowEditButtons(bool on) {
    settings::options().showEditButtons = on ? 1 : 0;
    editBar_->setHidden(!on || noDocument_);
    refreshToggleItems();
    layOut();
}

void MainWindow::setShowStatusBar(bool on) {
    settings::options().showStatusBar = on ? 1 : 0;
    statusBar()->setHidden(!on || noDocument_);
    refreshToggleItems();
    layOut();
}

// "Ver lo oculto": hidden elements are drawn (in their colour for hidden elements) and can be
// picked; B_todoelem stays down while it is on.
void MainWindow::setShowHidden(bool on) {
    session().showHidden = on;
    settings::options().showHidden = on ? 1 : 0;
    takeOptions();
    if (QToolButton* b = button("B_todoelem")) b->setChecked(on);
    refreshToggleItems();
    clearHover(session());
    redraw(false);
    hitTestAtCursor(session());
}

// "Pantalla Completa": the tool goes back to "Mover, editar"; entering keeps the window's
// rectangle and state and drops the border; leaving gives them back, re-centred when the old
// top-left corner is no longer on the screen.
void MainWindow::setFullScreen(bool on) {
    if (editor_ && documents_.current()) editor_->selectTool(tool::Move);
    if (on == fullScreen_) return;
    fullScreen_ = on;
    settings::options().fullScreen = on ? 1 : 0;
    if (on) {
        stateBeforeFullScreen_ = windowState() & ~Qt::WindowFullScreen;
        normalRect_ = stateBeforeFullScreen_.testFlag(Qt::WindowMaximized) ? normalGeometry()
                                                                          : geometry();
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(stateBeforeFullScreen_);
        if (!stateBeforeFullScreen_.testFlag(Qt::WindowMaximized) && normalRect_.isValid()) {
            setGeometry(rectangleAfterFullScreen(normalRect_, availableScreen()));
        }
    }
    if (QToolButton* b = button("B_pancom")) b->setChecked(on);
    refreshToggleItems();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The window manager may end full screen on its own (a key of its own): follow it.
    if (event->type() == QEvent::WindowStateChange && fullScreen_ &&
        !windowState().testFlag(Qt::WindowFullScreen) && isVisible()) {
        fullScreen_ = false;
        settings::options().fullScreen = 0;
        if (QToolButton* b = button("B_pancom")) b->setChecked(false);
    }
}

} // namespace zeva::ui
