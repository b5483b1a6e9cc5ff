#pragma once
// The drawing surface the renderer paints on: the operations of a classic raster canvas (pen,
// brush, font, MoveTo, LineTo, Rectangle, Ellipse, Arc, Polygon, TextOut, SetPixel, PatBlt,
// BitBlt, pictures) in integer device coordinates, y pointing down. Rectangles and ellipses
// are given by their bounding box, right and bottom edges excluded.

#include "model/element.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zeva::render {

using Color = int32_t; // 0x00BBGGRR

inline constexpr Color kBlack = 0x000000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kGray = 0x808080;
inline constexpr Color kSilver = 0xC0C0C0;

enum class PenStyle { Solid, Dot, DashDot, Clear };
enum class BrushStyle { Solid, Clear };
enum class BackgroundMode { Transparent, Opaque };
enum class RasterOp { Copy, And, Or };

// What a canvas is to the renderer: the window's off-screen bitmap, the trace layer, the
// printer's page or the move-screen miniature. Vector exports count as the main bitmap.
enum class CanvasRole { Main, Trace, Printer, Miniature };

struct Pen {
    Color color = kBlack;
    PenStyle style = PenStyle::Solid;
    int width = 1;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = kWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A font as applied to a canvas: the size is already in points for this canvas.
struct FontSpec {
    std::string name = "Arial";
    Color color = kBlack;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct IPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(IPoint, IPoint) = default;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

class Canvas {
  public:
    explicit Canvas(CanvasRole role) : role_(role) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CanvasRole role() const { return role_; }
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Device pixels per inch across (the printer's resolution sizes points on paper).
    virtual int pixelsPerInch() const { return 96; }

    // ---- drawing state ----
    void setPen(const Pen& p) {
        if (p == pen_) return;
        pen_ = p;
        penChanged();
    }
    void setPenStyle(PenStyle s) { setPen({pen_.color, s, pen_.width}); }
    void setBrush(const Brush& b) {
        if (b == brush_) return;
        brush_ = b;
        brushChanged();
    }
    void setFont(const FontSpec& f) {
        if (f == font_) return;
        font_ = f;
        fontChanged();
    }
    void setBackgroundMode(BackgroundMode m) { bkMode_ = m; }
    void setBackgroundColor(Color c) { bkColor_ = c; }
    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }
    const FontSpec& font() const { return font_; }
    BackgroundMode backgroundMode() const { return bkMode_; }
    Color backgroundColor() const { return bkColor_; }

    // ---- drawing ----
    virtual void moveTo(int x, int y) = 0;
    // Draws from the current position to (x, y), the end pixel excluded; (x, y) becomes current.
    virtual void lineTo(int x, int y) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Counter-clockwise arc of the ellipse in the box, from the ray towards (x3, y3) to the ray
    // towards (x4, y4); equal rays give the whole ellipse.
    virtual void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;
    virtual void polygon(std::span<const IPoint> points) = 0;
    // Text with its top-left corner at (x, y), in the font's colour; an opaque background fills
    // the text's cell with the background colour.
    virtual void textOut(int x, int y, std::string_view utf8) = 0;
    virtual TextSize textExtent(std::string_view utf8) = 0;
    virtual void setPixel(int x, int y, Color c) = 0;
    // Fills the rectangle with the brush colour (pattern copy).
    virtual void patBlt(int x, int y, int w, int h) = 0;
    // Combines w x h pixels of `source` from (sx, sy) into this canvas at (x, y).
    virtual void bitBlt(int x, int y, int w, int h, Canvas& source, int sx, int sy,
                        RasterOp op) = 0;
    // A stored picture at its own size with its top-left corner at (x, y).
    virtual void drawPicture(int x, int y, const model::Picture& picture) = 0;
    // A stored picture stretched into the box.
    virtual void stretchPicture(int left, int top, int right, int bottom,
                                const model::Picture& picture) = 0;
    // Completes drawing the canvas may have held back; the renderer calls it after every pass.
    virtual void flush() {}

  protected:
    virtual void penChanged() {}
    virtual void brushChanged() {}
    virtual void fontChanged() {}

  private:
    CanvasRole role_;
    Pen pen_;
    Brush brush_;
    FontSpec font_;
    BackgroundMode bkMode_ = BackgroundMode::Opaque;
    Color bkColor_ = kWhite;
};

} // namespace zeva::render
