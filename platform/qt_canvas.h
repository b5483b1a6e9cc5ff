#pragma once
// The canvas on Qt: QPainter on an off-screen QImage (the window's bitmap, the trace layer) or
// on any other paint device (SVG and PDF export, the printer).

#include "platform/pixel_batch.h"
#include "platform/raster_spans.h"
#include "render/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <memory>
#include <optional>
#include <vector>

namespace zeva::platform {

class QtCanvas : public render::Canvas {
  public:
    // Paints on an image; the image must outlive the canvas.
    QtCanvas(QImage& image, render::CanvasRole role);
    // Paints on a device of the given size in device pixels (vector output, the printer).
    QtCanvas(QPaintDevice& device, render::CanvasRole role, int width, int height,
             int pixelsPerInch);
    ~QtCanvas() override;

    QImage* image() {
        flush();
        return image_;
    }
    QPainter& painter() {
        flush();
        return painter_;
    }

    // Antialiased lines, curves, fills and stretched pictures (off: the exact pixel rules, with
    // thin lines and circles set pixel by pixel). Texts are drawn as the platform draws them.
    void setSmooth(bool on);
    bool smooth() const { return smooth_; }

    int width() const override { return width_; }
    int height() const override { return height_; }
    int pixelsPerInch() const override { return ppi_; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
    void polygon(std::span<const render::IPoint> points) override;
    void textOut(int x, int y, std::string_view utf8) override;
    render::TextSize textExtent(std::string_view utf8) override;
    void setPixel(int x, int y, render::Color c) override;
    void patBlt(int x, int y, int w, int h) override;
    void bitBlt(int x, int y, int w, int h, render::Canvas& source, int sx, int sy,
                render::RasterOp op) override;
    void drawPicture(int x, int y, const model::Picture& picture) override;
    void stretchPicture(int left, int top, int right, int bottom,
                        const model::Picture& picture) override;
    void flush() override;

  protected:
    void penChanged() override;
    void brushChanged() override;
    void fontChanged() override;

  private:
    // The painter's pen and brush are set only when they differ from what it holds.
    void usePen();
    void useNoPen();
    void useBrush();
    void useNoBrush();
    const QImage* pictureImage(const model::Picture& picture);

    // Thin solid lines, circle outlines and plain boxes go straight to the pixels, held back
    // in a batch until something else is drawn.
    bool directLineOk(int x0, int y0, int x1, int y1) const;
    bool thinSolidPen() const;
    // Draws what the painter holds back (lines and their end pixels of one pen).
    void flushPainter();

    // Strokes of whole-pixel coordinates drawn antialiased lie on pixel centres, half a pixel in,
    // so that a one-pixel line stays one pixel wide.
    void toPixelCentres();
    void fromPixelCentres();

    QImage* image_ = nullptr;
    PixelBuffer pixels_;
    bool smooth_ = false;
    QRgb penRgb_ = 0;
    QPainter painter_;
    int width_ = 0;
    int height_ = 0;
    int ppi_ = 96;
    int x_ = 0;
    int y_ = 0;
    enum class PainterPen { Stale, Current, None };
    enum class PainterBrush { Stale, Current, None };
    PainterPen painterPen_ = PainterPen::Stale;
    PainterBrush painterBrush_ = PainterBrush::Stale;
    // Lines (and their end pixels) drawn with one pen are handed to the painter together.
    std::vector<QLine> lines_;
    std::vector<QPoint> dots_;
    PixelBatch batch_;
    QPen qpen_;
    QBrush qbrush_;
    QFont qfont_;
    std::optional<QFontMetrics> metrics_;
    // The last decoded picture, by content, so an unchanged figure does not decode again.
    size_t pictureKey_ = 0;
    size_t pictureSize_ = 0;
    QImage picture_;
};

// Qt colour of a 0x00BBGGRR value.
inline QColor toQColor(render::Color c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

} // namespace zeva::platform
