#include "ui/drawing_area.h"

#include <QPainter>
#include <QResizeEvent>

namespace zeva::ui {

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    // Everything is painted from the bitmap: no background erase, so no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void DrawingArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!source_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const QImage& picture = source_();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), picture, QRect(0, 0, width(), height()));
    // Beyond the bitmap (a window larger than the screen) the area stays black.
    if (width() > picture.width()) p.fillRect(picture.width(), 0, width(), height(), Qt::black);
    if (height() > picture.height()) p.fillRect(0, picture.height(), width(), height(), Qt::black);
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
}

} // namespace zeva::ui
