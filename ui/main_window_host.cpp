// The main window as the interaction logic's Host: status text, cursors, the cursor label,
// timers, notices, repainting, mouse capture and the tool buttons following the active tool.
#include "ui/main_window.h"

#include "settings/options.h"
#include "ui/animation_window.h"
#include "ui/calculator_window.h"
#include "ui/drawing_area.h"
#include "ui/element_font_dialog.h"
#include "ui/glyphs.h"
#include "ui/popup_panel_widget.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace zeva::ui {

namespace {

constexpr std::array kTimerIds = {TimerId::Blink, TimerId::DragDelay, TimerId::ColourPanel,
                                  TimerId::ComparisonPanel, TimerId::ShapePanel};

size_t indexOf(TimerId id) {
    return static_cast<size_t>(id);
}

QMessageBox::Icon boxIconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::Information;
}

} // namespace

void MainWindow::buildTimers() {
    for (TimerId id : kTimerIds) {
        auto* t = new QTimer(this);
        // The blink repeats until stopped; the others fire once.
        t->setSingleShot(id != TimerId::Blink);
        connect(t, &QTimer::timeout, this, [this, id] { timerFired(id); });
        timers_[indexOf(id)] = t;
    }
}

void MainWindow::timerFired(TimerId id) {
    if (const std::optional<PanelKind> panel = panels_->timerFired(id)) {
        // The panel opens beside the held button: the colour panel at the drawing area's left
        // edge 2 pixels above the button, the shapes at the button's height, the checkers
        // under their button.
        const QPoint button = heldButton_ ? heldButton_->mapTo(client_, QPoint(0, 0)) : QPoint();
        QPoint at;
        switch (*panel) {
        case PanelKind::Colour:
            at = QPoint(area_->x(), button.y() - 2);
            break;
        case PanelKind::PointShapes:
        case PanelKind::LineShapes:
        case PanelKind::AngleShapes:
            at = QPoint(area_->x(), button.y());
            break;
        case PanelKind::Comparison:
            at = QPoint(button.x(), button.y() + buttonSize());
            break;
        }
        panelWidget_->showPanel(*panel, at, buttonSize(), panels_->pressedIndex(*panel));
        return;
    }
    editor_->timerFired(id);
}

void MainWindow::setStatusText(const std::string& text) {
    statusText_ = text;
    statusPanels_[2]->setText(qtText(text));
}

void MainWindow::setCursor(int cursorNumber) {
    if (cursorNumber <= 0 || cursorNumber >= int(cursors_.size())) {
        area_->setCursor(Qt::ArrowCursor);
        return;
    }
    std::optional<QCursor>& c = cursors_[size_t(cursorNumber)];
    if (!c) c = toolCursor(cursorNumber, devicePixelRatioF());
    area_->setCursor(*c);
}

void MainWindow::showCursorLabel(const CursorLabel& label) {
    area_->setCursorLabel(label, qFontOf(settings::options().cursorFont));
}

void MainWindow::startTimer(TimerId id, int milliseconds) {
    timers_[indexOf(id)]->start(milliseconds);
}

void MainWindow::stopTimer(TimerId id) {
    timers_[indexOf(id)]->stop();
}

bool MainWindow::timerRunning(TimerId id) const {
    return timers_[indexOf(id)]->isActive();
}

void MainWindow::notify(MessageIcon icon, const std::string& text) {
    auto* box = new QMessageBox(boxIconOf(icon), QStringLiteral("ZEVA"), qtText(text),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::repaint() {
    area_->update();
}

void MainWindow::captureMouse(bool on) {
    if (on)
        area_->grabMouse();
    else
        area_->releaseMouse();
}

void MainWindow::viewMoved() {
    syncScrollBars();
    area_->update();
}

std::optional<render::IPoint> MainWindow::cursorPosition() const {
    const QPoint p = area_->mapFromGlobal(QCursor::pos());
    if (!area_->rect().contains(p)) return std::nullopt;
    return render::IPoint{p.x(), p.y()};
}

bool MainWindow::windowActive() const {
    return isActiveWindow();
}

void MainWindow::toolChanged(int tool) {
    // One button down per bar, the one of the tool; Sel and B_vernover may both be up (the tool
    // is on the other bar).
    for (const auto& [entry, b] : buttonEntries_)
        if (b->isCheckable() && !entry->toggle) b->setChecked(buttonShowsTool(*entry, tool));
    refreshHeldGlyphs();
    // The keyboard goes back to the drawing.
    area_->setFocus();
}

void MainWindow::hideToolWindows(bool keepAnimation) {
    hideCalculatorWindow(this);
    if (!keepAnimation && animation_) animation_->stopAndHide();
}

void MainWindow::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// B_color shows the chosen colour (or its own glyph with parametric colour), the shape buttons
// the shape chosen last, the comparison button the checker chosen last, with its hint.
void MainWindow::refreshHeldGlyphs() {
    const ToolState& t = session().tool;
    const int glyph = buttonSize() - 4;
    if (QToolButton* b = button("B_color"))
        b->setIcon(t.parametricColourDown ? glyphIcon("B_color")
                                          : colorSwatchIcon(t.currentColor, glyph));
    if (QToolButton* b = button("B_edit_forma_punto"))
        b->setIcon(glyphIcon(glyphOfShapeTool(t.pointShapeCode)));
    if (QToolButton* b = button("B_edit_forma_linea"))
        b->setIcon(glyphIcon(glyphOfShapeTool(t.lineShapeCode)));
    if (QToolButton* b = button("B_edit_forma_angulo"))
        b->setIcon(glyphIcon(glyphOfShapeTool(t.angleShapeCode)));
    if (QToolButton* b = button("B_comp_1")) {
        b->setIcon(glyphIcon(glyphOfComparisonTool(t.lastComparisonTool)));
        b->setToolTip(qtText(settings::texts().toolText(t.lastComparisonTool)));
    }
}

void MainWindow::heldButtonPressed(HeldButton held, QToolButton* b) {
    heldButton_ = b;
    b->setDown(true);
    panels_->press(held);
}

void MainWindow::heldButtonMoved(const QPoint& globalPos) {
    if (!panelWidget_->isVisible()) return;
    const int index = panelWidget_->indexAt(globalPos);
    if (index < 0) return;
    panels_->hover(index);
    if (const std::optional<PanelKind> k = panels_->openPanel())
        panelWidget_->setPressed(panels_->pressedIndex(*k));
}

void MainWindow::heldButtonReleased() {
    if (heldButton_) heldButton_->setDown(false);
    heldButton_ = nullptr;
    panelWidget_->hide();
    const bool askColour = panels_->release();
    refreshHeldGlyphs();
    if (askColour) askRgbColour();
}

} // namespace zeva::ui
