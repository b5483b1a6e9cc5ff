#include "ui/drawing_area.h"

#include "ui/editor.h"
#include "ui/ui_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

namespace zeva::ui {

namespace {

Modifiers modifiersOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
            m.testFlag(Qt::AltModifier)};
}

MouseButton buttonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::None;
    }
}

MouseEvent mouseEventOf(const QMouseEvent* e, bool withButton) {
    MouseEvent m;
    const QPoint p = e->position().toPoint();
    m.x = p.x();
    m.y = p.y();
    m.button = withButton ? buttonOf(e->button()) : MouseButton::None;
    m.modifiers = modifiersOf(e->modifiers());
    m.leftHeld = e->buttons().testFlag(Qt::LeftButton);
    return m;
}

KeyEvent keyEventOf(const QKeyEvent* e) {
    KeyEvent k;
    switch (e->key()) {
    case Qt::Key_Escape:
        k.key = Key::Escape;
        break;
    case Qt::Key_Plus:
        k.key = Key::Plus;
        break;
    case Qt::Key_Minus:
        k.key = Key::Minus;
        break;
    case Qt::Key_Control:
        k.key = Key::Control;
        break;
    case Qt::Key_Shift:
        k.key = Key::Shift;
        break;
    default:
        k.key = Key::Other;
        break;
    }
    k.modifiers = modifiersOf(e->modifiers());
    k.autoRepeat = e->isAutoRepeat();
    return k;
}

} // namespace

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    // Everything is painted from the bitmap: no background erase, so no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void DrawingArea::setCursorLabel(const CursorLabel& label, const QFont& font) {
    const bool changed = label.text != label_.text || label.position != label_.position ||
                         label.color != label_.color;
    label_ = label;
    labelFont_ = font;
    if (changed) update();
}

void DrawingArea::setEmpty(bool empty) {
    if (empty_ == empty) return;
    empty_ = empty;
    update();
}

void DrawingArea::paintEvent(QPaintEvent*) {
    paint();
    if (onPainted) onPainted();
}

void DrawingArea::paint() {
    QPainter p(this);
    if (!source_ || empty_) {
        p.fillRect(rect(), empty_ ? palette().color(QPalette::Dark) : QColor(Qt::black));
        return;
    }
    const QImage& picture = source_();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), picture, QRect(0, 0, width(), height()));
    // Beyond the bitmap (a window larger than the screen) the area stays black.
    if (width() > picture.width()) p.fillRect(picture.width(), 0, width(), height(), Qt::black);
    if (height() > picture.height()) p.fillRect(0, picture.height(), width(), height(), Qt::black);
    if (label_.text.empty()) return;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(labelFont_);
    p.setPen(qtColour(label_.color));
    const QFontMetrics metrics(labelFont_);
    p.drawText(QPoint(label_.position.x, label_.position.y + metrics.ascent()),
               qtText(label_.text));
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (onPress) onPress();
    if (editor_) editor_->mouseDown(mouseEventOf(event, true));
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    if (editor_) editor_->mouseMove(mouseEventOf(event, false));
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
    if (editor_) editor_->mouseUp(mouseEventOf(event, true));
}

// A double click is the second press: the logic hears the double click, then the press.
void DrawingArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!editor_) return;
    const MouseEvent e = mouseEventOf(event, true);
    if (e.button == MouseButton::Left) editor_->doubleClick(e);
    editor_->mouseDown(e);
}

void DrawingArea::wheelEvent(QWheelEvent* event) {
    if (!editor_) return;
    WheelEvent w;
    const QPoint d = event->angleDelta();
    w.delta = d.y() != 0 ? d.y() : d.x();
    w.modifiers = modifiersOf(event->modifiers());
    if (d.y() == 0 && d.x() != 0) w.modifiers.shift = true; // a sideways turn scrolls sideways
    editor_->wheel(w);
    event->accept();
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
    if (!editor_) return QWidget::keyPressEvent(event);
    editor_->keyDown(keyEventOf(event));
}

void DrawingArea::keyReleaseEvent(QKeyEvent* event) {
    if (!editor_) return QWidget::keyReleaseEvent(event);
    editor_->keyUp(keyEventOf(event));
}

} // namespace zeva::ui
