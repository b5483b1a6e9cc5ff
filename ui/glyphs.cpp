#include "ui/glyphs.h"

#include <QColor>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>
#include <QSvgRenderer>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

// The resources live in a static library; nothing else would pull them into the executable.
static void initGlyphResources() {
    Q_INIT_RESOURCE(glyphs);
}

namespace zeva::ui {

namespace {

void ensureResources() {
    static const bool done = (initGlyphResources(), true);
    (void)done;
}

QString resourcePath(std::string_view resource) {
    return QString::fromUtf8(resource.data(), static_cast<qsizetype>(resource.size()));
}

// The greyed picture of a disabled button: the same shapes, without colour and faded.
QPixmap disabledLook(const QPixmap& normal) {
    QImage img = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = line[x];
            const int grey = 128 + qGray(p) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(p) * 2 / 5);
        }
    }
    QPixmap out = QPixmap::fromImage(img);
    out.setDevicePixelRatio(normal.devicePixelRatio());
    return out;
}

// An icon painted on demand at the exact device size asked for. `draw` paints into a logical
// rectangle on a painter already scaled to the device pixel ratio; `aspect` is the picture's
// natural proportion.
class DrawnIconEngine final : public QIconEngine {
  public:
    using Draw = std::function<void(QPainter&, const QRectF&)>;

    DrawnIconEngine(QString id, QSizeF aspect, Draw draw)
        : id_(std::move(id)), aspect_(aspect), draw_(std::move(draw)) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return fitted(size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels, `scale` the device pixel ratio it will be shown at.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QSize device = fitted(size);
        if (device.isEmpty()) return {};
        const bool disabled = mode == QIcon::Disabled;
        const QString key = QStringLiteral("zeva-glyph|%1|%2x%3|%4|%5")
                                .arg(id_)
                                .arg(device.width())
                                .arg(device.height())
                                .arg(scale)
                                .arg(disabled ? 1 : 0);
        QPixmap cached;
        if (QPixmapCache::find(key, &cached)) return cached;
        QImage img(device, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.scale(scale, scale);
            draw_(p, QRectF(0, 0, device.width() / scale, device.height() / scale));
        }
        QPixmap result = QPixmap::fromImage(img);
        if (disabled) result = disabledLook(result);
        QPixmapCache::insert(key, result);
        return result;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QSize device(qRound(rect.width() * dpr), qRound(rect.height() * dpr));
        QPixmap pm = scaledPixmap(device, mode, state, dpr);
        if (pm.isNull()) return;
        pm.setDevicePixelRatio(dpr);
        const QSizeF shown = pm.deviceIndependentSize();
        const QPointF at(rect.x() + (rect.width() - shown.width()) / 2,
                         rect.y() + (rect.height() - shown.height()) / 2);
        painter->drawPixmap(at, pm);
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(id_, aspect_, draw_); }

    QString key() const override { return QStringLiteral("zeva-drawn"); }

  private:
    QSize fitted(const QSize& box) const {
        if (aspect_.isEmpty() || box.isEmpty()) return {};
        return aspect_.scaled(QSizeF(box), Qt::KeepAspectRatio).toSize();
    }

    QString id_;
    QSizeF aspect_;
    Draw draw_;
};

QIcon svgIcon(std::string_view resource) {
    ensureResources();
    const QString path = resourcePath(resource);
    const QSvgRenderer probe(path);
    if (!probe.isValid()) return {};
    const QSizeF aspect = probe.viewBoxF().size();
    auto draw = [path](QPainter& p, const QRectF& box) {
        QSvgRenderer svg(path);
        svg.render(&p, box);
    };
    return QIcon(new DrawnIconEngine(path, aspect, draw));
}

} // namespace

QIcon glyphIcon(std::string_view controlName) {
    for (const GlyphEntry& e : kGlyphTable)
        if (e.control == controlName) return svgIcon(e.resource);
    return {};
}

QIcon applicationIcon() {
    return svgIcon(kApplicationIconResource);
}

QIcon colorSwatchIcon(int colorRef, int size) {
    const QColor color(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
    const int side = std::max(size, 1);
    auto draw = [color, side](QPainter& p, const QRectF& box) {
        // The swatch keeps its own size inside a larger button and shrinks in a smaller one.
        const qreal s = std::min<qreal>(side, std::min(box.width(), box.height()));
        const qreal inset = std::round(side / 8.0) * s / side;
        const QRectF square(box.x() + std::floor((box.width() - s) / 2),
                            box.y() + std::floor((box.height() - s) / 2), s, s);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(square, Qt::black);
        p.fillRect(square.adjusted(inset, inset, -inset, -inset), color);
    };
    const QString id = QStringLiteral("swatch-%1-%2").arg(colorRef).arg(side);
    return QIcon(new DrawnIconEngine(id, QSizeF(1, 1), draw));
}

QCursor toolCursor(int number, qreal devicePixelRatio) {
    ensureResources();
    const auto it = std::find_if(kCursorTable.begin(), kCursorTable.end(),
                                 [number](const CursorEntry& e) { return e.number == number; });
    if (it == kCursorTable.end()) return QCursor(Qt::ArrowCursor);
    QSvgRenderer svg(resourcePath(it->resource));
    if (!svg.isValid()) return QCursor(Qt::ArrowCursor);
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int device = qRound(kCursorGrid * dpr);
    QImage img(device, device, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, device, device));
    }
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(dpr);
    // QCursor takes the hot spot in the pixmap's logical pixels, which are the 32-grid's units;
    // scaling to other logical sizes would go here.
    const qreal toLogical = pm.deviceIndependentSize().width() / kCursorGrid;
    return QCursor(pm, qRound(it->hotX * toLogical), qRound(it->hotY * toLogical));
}

QCursor toolCursor(int number) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return toolCursor(number, screen ? screen->devicePixelRatio() : 1.0);
}

} // namespace zeva::ui
