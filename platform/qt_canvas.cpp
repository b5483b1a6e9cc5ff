#include "platform/qt_canvas.h"

#include "platform/picture_codec.h"
#include "render/view_transform.h"

#include <QHashFunctions>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zeva::platform {

using render::BackgroundMode;
using render::BrushStyle;
using render::PenStyle;
using render::RasterOp;

namespace {

// Every coordinate a caller hands in is first held within the renderer's device range, so that
// the sums below (and inside QRect) stay inside int whatever the caller computed.
int held(int v) {
    return std::clamp(v, -render::kDeviceLimit, render::kDeviceLimit);
}

QRect boxOf(int left, int top, int right, int bottom) {
    left = held(left);
    top = held(top);
    right = held(right);
    bottom = held(bottom);
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
    pixels_ = pixelBufferOf(image);
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
    flush();
    if (painter_.isActive()) painter_.end();
}

void QtCanvas::setSmooth(bool on) {
    flush();
    smooth_ = on;
    painter_.setRenderHint(QPainter::Antialiasing, on);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, on);
}

void QtCanvas::toPixelCentres() {
    if (smooth_) painter_.translate(0.5, 0.5);
}

void QtCanvas::fromPixelCentres() {
    if (smooth_) painter_.translate(-0.5, -0.5);
}

void QtCanvas::flush() {
    batch_.drawOn(pixels_);
    flushPainter();
}

void QtCanvas::flushPainter() {
    if (lines_.empty() && dots_.empty()) return;
    usePen();
    toPixelCentres();
    if (!lines_.empty()) painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    if (!dots_.empty()) painter_.drawPoints(dots_.data(), static_cast<int>(dots_.size()));
    fromPixelCentres();
    lines_.clear();
    dots_.clear();
}

void QtCanvas::penChanged() {
    flushPainter(); // the painter's lines were drawn with the previous pen
    const render::Pen& p = pen();
    penRgb_ = toQColor(p.color).rgb();
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
        qpen_.setCosmetic(true);
        qpen_.setCapStyle(Qt::FlatCap);
        qpen_.setJoinStyle(Qt::MiterJoin);
    }
    painterPen_ = PainterPen::Stale;
}

void QtCanvas::brushChanged() {
    const render::Brush& b = brush();
    qbrush_ = b.style == BrushStyle::Solid ? QBrush(toQColor(b.color)) : QBrush(Qt::NoBrush);
    painterBrush_ = PainterBrush::Stale;
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
    if (painterPen_ == PainterPen::Current) return;
    painter_.setPen(qpen_);
    painterPen_ = PainterPen::Current;
}

void QtCanvas::useNoPen() {
    if (painterPen_ == PainterPen::None) return;
    painter_.setPen(Qt::NoPen);
    painterPen_ = PainterPen::None;
}

void QtCanvas::useBrush() {
    if (painterBrush_ == PainterBrush::Current) return;
    painter_.setBrush(qbrush_);
    painterBrush_ = PainterBrush::Current;
}

void QtCanvas::useNoBrush() {
    if (painterBrush_ == PainterBrush::None) return;
    painter_.setBrush(Qt::NoBrush);
    painterBrush_ = PainterBrush::None;
}

bool QtCanvas::thinSolidPen() const {
    return pixels_.bits && pen().style == PenStyle::Solid && pen().width <= 1;
}

bool QtCanvas::directLineOk(int x0, int y0, int x1, int y1) const {
    // Far-reaching lines are left to the painter, which clips before it walks the pixels.
    const long reach = 4L * (pixels_.width + pixels_.height);
    return thinSolidPen() && std::labs(long(x1) - x0) < reach && std::labs(long(y1) - y0) < reach;
}

void QtCanvas::moveTo(int x, int y) {
    x_ = held(x);
    y_ = held(y);
}

void QtCanvas::lineTo(int x, int y) {
    x = held(x);
    y = held(y);
    if (directLineOk(x_, y_, x, y)) {
        flushPainter();
        if (smooth_) {
            batch_.drawOn(pixels_); // blended over what is drawn before it
            smoothLine(pixels_, x_, y_, x, y, penRgb_);
        } else {
            batch_.line(x_, y_, x, y, penRgb_);
        }
    } else if (pen().style != PenStyle::Clear) {
        batch_.drawOn(pixels_); // drawn before the painter's lines
        lines_.emplace_back(x_, y_, x, y);
        if (lines_.size() >= 4096) flush();
    }
    x_ = x;
    y_ = y;
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty()) return;
    const render::Pen& p = pen();
    const bool framed = p.style != PenStyle::Clear;
    if (pixels_.bits && (!framed || thinSolidPen())) {
        flushPainter();
        const int l = r.left(), t = r.top(), rt = r.right() + 1, b = r.bottom() + 1;
        const bool filled = brush().style == BrushStyle::Solid;
        if (filled) batch_.fill(l, t, rt, b, toQColor(brush().color).rgb());
        // A frame in the fill's colour lies on pixels the fill already has (every point).
        if (framed && !(filled && brush().color == p.color)) {
            batch_.fill(l, t, rt, t + 1, penRgb_);
            batch_.fill(l, b - 1, rt, b, penRgb_);
            batch_.fill(l, t, l + 1, b, penRgb_);
            batch_.fill(rt - 1, t, rt, b, penRgb_);
        }
        return;
    }
    flush();
    if (brush().style == BrushStyle::Solid) {
        // A plain frame in the fill's colour is part of the fill (every point's square).
        if (framed && p.width <= 1 && p.style == PenStyle::Solid && p.color == brush().color) {
            painter_.fillRect(r, qbrush_.color());
            return;
        }
        painter_.fillRect(r, qbrush_.color());
    }
    if (framed) {
        usePen();
        useNoBrush();
        toPixelCentres();
        painter_.drawRect(r.adjusted(0, 0, -1, -1));
        fromPixelCentres();
    }
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty()) return;
    // A circle outline with a centre pixel (an odd box): straight to the pixels.
    if (thinSolidPen() && brush().style == BrushStyle::Clear && r.width() == r.height() &&
        r.width() % 2 == 1 && r.width() < 4 * (pixels_.width + pixels_.height)) {
        flushPainter();
        const int radius = r.width() / 2;
        if (smooth_) {
            batch_.drawOn(pixels_);
            smoothCircle(pixels_, r.left() + radius, r.top() + radius, radius, penRgb_);
        } else {
            batch_.circle(r.left() + radius, r.top() + radius, radius, penRgb_);
        }
        return;
    }
    flush();
    if (pen().style == PenStyle::Clear)
        useNoPen();
    else
        usePen();
    useBrush();
    toPixelCentres();
    painter_.drawEllipse(r.adjusted(0, 0, -1, -1));
    fromPixelCentres();
}

void QtCanvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    flush();
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty() || pen().style == PenStyle::Clear) return;
    const double cx = (double(held(left)) + held(right)) / 2.0;
    const double cy = (double(held(top)) + held(bottom)) / 2.0;
    x3 = held(x3);
    y3 = held(y3);
    x4 = held(x4);
    y4 = held(y4);
    // Angles counter-clockwise on the screen, as Qt measures them.
    const double a1 = std::atan2(-(y3 - cy), x3 - cx) * 180.0 / M_PI;
    const double a2 = std::atan2(-(y4 - cy), x4 - cx) * 180.0 / M_PI;
    double span = std::fmod(a2 - a1, 360.0);
    if (span <= 0) span += 360.0;
    usePen();
    useNoBrush();
    toPixelCentres();
    painter_.drawArc(QRectF(r.adjusted(0, 0, -1, -1)), static_cast<int>(std::lround(a1 * 16)),
                     static_cast<int>(std::lround(span * 16)));
    fromPixelCentres();
}

void QtCanvas::polygon(std::span<const render::IPoint> points) {
    flush();
    if (points.empty()) return;
    QPolygon poly(static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i)
        poly.setPoint(static_cast<int>(i), held(points[i].x), held(points[i].y));
    if (pen().style == PenStyle::Clear)
        useNoPen();
    else
        usePen();
    useBrush();
    toPixelCentres();
    // A fill alone is drawn before its outline, which covers its edge: no need to smooth it.
    const bool fillOnly = smooth_ && pen().style == PenStyle::Clear;
    if (fillOnly) painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.drawPolygon(poly, Qt::OddEvenFill);
    if (fillOnly) painter_.setRenderHint(QPainter::Antialiasing, true);
    fromPixelCentres();
}

void QtCanvas::textOut(int x, int y, std::string_view utf8) {
    flush();
    if (utf8.empty()) return;
    x = held(x);
    y = held(y);
    const QString text = fromUtf8(utf8);
    if (backgroundMode() == BackgroundMode::Opaque)
        painter_.fillRect(QRect(x, y, metrics_->horizontalAdvance(text), metrics_->height()),
                          toQColor(backgroundColor()));
    painter_.setPen(toQColor(font().color));
    painterPen_ = PainterPen::Stale;
    painter_.drawText(x, y + metrics_->ascent(), text);
}

render::TextSize QtCanvas::textExtent(std::string_view utf8) {
    const QString text = fromUtf8(utf8);
    return {metrics_->horizontalAdvance(text), metrics_->height()};
}

void QtCanvas::setPixel(int x, int y, render::Color c) {
    x = held(x);
    y = held(y);
    const render::Pen& p = pen();
    if (!lines_.empty() && c == p.color && p.style == PenStyle::Solid && p.width <= 1) {
        dots_.emplace_back(x, y); // the end pixel of a line, in the line's own colour
        return;
    }
    if (pixels_.bits) {
        flushPainter();
        batch_.fill(x, y, x + 1, y + 1, toQColor(c).rgb());
        return;
    }
    flush();
    if (image_) {
        if (x >= 0 && y >= 0 && x < image_->width() && y < image_->height())
            image_->setPixel(x, y, toQColor(c).rgb());
        return;
    }
    painter_.fillRect(QRect(x, y, 1, 1), toQColor(c));
}

void QtCanvas::patBlt(int x, int y, int w, int h) {
    x = held(x);
    y = held(y);
    w = held(w);
    h = held(h);
    if (pixels_.bits) {
        flushPainter();
        batch_.fill(x, y, x + w, y + h, toQColor(brush().color).rgb());
        return;
    }
    flush();
    painter_.fillRect(QRect(x, y, w, h), toQColor(brush().color));
}

void QtCanvas::bitBlt(int x, int y, int w, int h, render::Canvas& source, int sx, int sy,
                      RasterOp op) {
    flush();
    auto* src = dynamic_cast<QtCanvas*>(&source);
    if (!src || !src->image_ || w <= 0 || h <= 0) return;
    x = held(x);
    y = held(y);
    w = held(w);
    h = held(h);
    sx = held(sx);
    sy = held(sy);
    src->flush();
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
    flush();
    if (const QImage* img = pictureImage(picture))
        painter_.drawImage(QPoint(held(x), held(y)), *img);
}

void QtCanvas::stretchPicture(int left, int top, int right, int bottom,
                              const model::Picture& picture) {
    flush();
    const QRect r = boxOf(left, top, right, bottom);
    if (r.isEmpty()) return;
    if (const QImage* img = pictureImage(picture)) painter_.drawImage(r, *img);
}

} // namespace zeva::platform
