#include "platform/qt_canvas.h"

#include "platform/picture_codec.h"

#include <QHashFunctions>
#include <QPolygon>

#include <cmath>
#include <vector>

namespace zeva::platform {

using render::BackgroundMode;
using render::BrushStyle;
using render::PenStyle;
using render::RasterOp;

namespace {

QRect boxOf(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

Qt::PenStyle qtPenStyle(PenStyle s) {
    switch (s) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

QString fromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QtCanvas::QtCanvas(QImage& image, render::CanvasRole role)
    : Canvas(role), image_(&image), width_(image.width()), height_(image.height()) {
    painter_.begin(&image);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    penChanged();
    brushChanged();
    fontChanged();
}

QtCanvas::QtCanvas(QPaintDevice& device, render::CanvasRole role, int width, int height,
                   int pixelsPerInch)
    : Canvas(role), width_(width), height_(height), ppi_(pixelsPerInch) {
    painter_.begin(&device);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    penChanged();
    brushChanged();
    fontChanged();
}

QtCanvas::~QtCanvas() {
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::penChanged() {
    const render::Pen& p = pen();
    qpen_ = QPen(toQColor(p.color));
    qpen_.setStyle(qtPenStyle(p.style));
    if (p.width > 1) {
        // Wide pens are geometric, with round ends and joins.
        qpen_.setWidth(p.width);
        qpen_.setCapStyle(Qt::RoundCap);
        qpen_.setJoinStyle(Qt::RoundJoin);
    } else {
        // A one-pixel line leaves its last pixel out, as LineTo does.
        qpen_.setWidth(1);
        qpen_.setCapStyle(Qt::FlatCap);
        qpen_.setJoinStyle(Qt::MiterJoin);
    }
}

void QtCanvas::brushChanged() {
    const render::Brush& b = brush();
    qbrush_ = b.style == BrushStyle::Solid ? QBrush(toQColor(b.color)) : QBrush(Qt::NoBrush);
}

void QtCanvas::fontChanged() {
    const render::FontSpec& f = font();
    qfont_ = QFont(fromUtf8(f.name));
    qfont_.setPointSize(f.size > 0 ? f.size : 1);
    qfont_.setBold(f.bold);
    qfont_.setItalic(f.italic);
    qfont_.setUnderline(f.underline);
    qfont_.setStrikeOut(f.strikeout);
    painter_.setFont(qfont_);
    metrics_.emplace(painter_.fontMetrics());
}

void QtCanvas::usePen() {
    painter_.setPen(qpen_);
}

void QtCanvas::useBrush() {
    painter_.setBrush(qbrush_);
}

void QtCanvas::moveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void QtCanvas::lineTo(int x, int y) {
    if (pen().style != PenStyle::Clear) {
        usePen();
        painter_.drawLine(x_, y_, x, y);
    }
    x_ = x;
    y_ = y;
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty()) return;
    if (brush().style == BrushStyle::Solid) painter_.fillRect(r, qbrush_);
    if (pen().style != PenStyle::Clear) {
        usePen();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty()) return;
    usePen();
    useBrush();
    if (pen().style == PenStyle::Clear) painter_.setPen(Qt::NoPen);
    painter_.drawEllipse(r.adjusted(0, 0, -1, -1));
}

void QtCanvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty() || pen().style == PenStyle::Clear) return;
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    // Angles counter-clockwise on the screen, as Qt measures them.
    const double a1 = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
    const double a2 = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
    double span = std::fmod(a2 - a1, 360.0);
    if (span <= 0) span += 360.0;
    usePen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(QRectF(r.adjusted(0, 0, -1, -1)), static_cast<int>(std::lround(a1 * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::polygon(std::span<const render::IPoint> points) {
    if (points.empty()) return;
    QPolygon poly(static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i)
        poly.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    usePen();
    useBrush();
    if (pen().style == PenStyle::Clear) painter_.setPen(Qt::NoPen);
    painter_.drawPolygon(poly, Qt::OddEvenFill);
}

void QtCanvas::textOut(int x, int y, std::string_view utf8) {
    if (utf8.empty()) return;
    const QString text = fromUtf8(utf8);
    if (backgroundMode() == BackgroundMode::Opaque)
        painter_.fillRect(QRect(x, y, metrics_->horizontalAdvance(text), metrics_->height()),
                          toQColor(backgroundColor()));
    painter_.setPen(toQColor(font().color));
    painter_.drawText(x, y + metrics_->ascent(), text);
}

render::TextSize QtCanvas::textExtent(std::string_view utf8) {
    const QString text = fromUtf8(utf8);
    return {metrics_->horizontalAdvance(text), metrics_->height()};
}

void QtCanvas::setPixel(int x, int y, render::Color c) {
    if (image_) {
        if (x >= 0 && y >= 0 && x < image_->width() && y < image_->height())
            image_->setPixel(x, y, toQColor(c).rgb());
        return;
    }
    painter_.fillRect(QRect(x, y, 1, 1), toQColor(c));
}

void QtCanvas::patBlt(int x, int y, int w, int h) {
    painter_.fillRect(QRect(x, y, w, h), toQColor(brush().color));
}

void QtCanvas::bitBlt(int x, int y, int w, int h, render::Canvas& source, int sx, int sy,
                      RasterOp op) {
    auto* src = dynamic_cast<QtCanvas*>(&source);
    if (!src || !src->image_ || w <= 0 || h <= 0) return;
    switch (op) {
    case RasterOp::Copy:
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case RasterOp::And:
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case RasterOp::Or:
        painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    }
    painter_.drawImage(QRect(x, y, w, h), *src->image_, QRect(sx, sy, w, h));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

const QImage* QtCanvas::pictureImage(const model::Picture& picture) {
    const size_t key = qHashBits(picture.bmp.data(), picture.bmp.size());
    if (picture_.isNull() || key != pictureKey_ || picture.bmp.size() != pictureSize_) {
        picture_ = decodePicture(picture);
        pictureKey_ = key;
        pictureSize_ = picture.bmp.size();
    }
    return picture_.isNull() ? nullptr : &picture_;
}

void QtCanvas::drawPicture(int x, int y, const model::Picture& picture) {
    if (const QImage* img = pictureImage(picture)) painter_.drawImage(QPoint(x, y), *img);
}

void QtCanvas::stretchPicture(int left, int top, int right, int bottom,
                              const model::Picture& picture) {
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty()) return;
    if (const QImage* img = pictureImage(picture)) painter_.drawImage(r, *img);
}

} // namespace zeva::platform
