#pragma once
// A canvas that draws nothing and remembers every call with the drawing state of the moment,
// so tests (and anything else that wants to know what would be drawn) can inspect it.

#include "render/canvas.h"

#include <span>
#include <string>
#include <vector>

namespace zeva::render {

struct CanvasCall {
    std::string op;        // "moveTo", "lineTo", "rectangle", "ellipse", "arc", "polygon",
                           // "textOut", "setPixel", "patBlt", "bitBlt", "drawPicture",
                           // "stretchPicture"
    std::vector<int> args; // the integer arguments in call order (polygon: x0, y0, x1, y1...)
    std::string text;      // textOut's text
    Pen pen;
    Brush brush;
    FontSpec font;
    BackgroundMode bkMode = BackgroundMode::Opaque;
    Color bkColor = kWhite;

    // "lineTo(3,4)": the op and its arguments.
    std::string str() const;
    // The arguments that are device positions or sizes: all but a colour, a raster operation
    // or a picture's byte count.
    std::span<const int> coordinates() const;
};

class RecordingCanvas : public Canvas {
  public:
    explicit RecordingCanvas(CanvasRole role = CanvasRole::Main, int width = 1024, int height = 768,
                             int pixelsPerInch = 96);

    std::vector<CanvasCall> calls;

    int width() const override { return width_; }
    int height() const override { return height_; }
    int pixelsPerInch() const override { return ppi_; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
    void polygon(std::span<const IPoint> points) override;
    void textOut(int x, int y, std::string_view utf8) override;
    // Eight pixels per character; the height follows the font size (16 for 12 points).
    TextSize textExtent(std::string_view utf8) override;
    void setPixel(int x, int y, Color c) override;
    void patBlt(int x, int y, int w, int h) override;
    void bitBlt(int x, int y, int w, int h, Canvas& source, int sx, int sy, RasterOp op) override;
    void drawPicture(int x, int y, const model::Picture& picture) override;
    void stretchPicture(int left, int top, int right, int bottom,
                        const model::Picture& picture) override;

    // The calls of one op, and every call as str(), one per line.
    std::vector<CanvasCall> callsOf(std::string_view op) const;
    std::string log() const;
    void clear() { calls.clear(); }

  private:
    void record(std::string op, std::vector<int> args, std::string text = {});
    int width_;
    int height_;
    int ppi_;
};

} // namespace zeva::render
