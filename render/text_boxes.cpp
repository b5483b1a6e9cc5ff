#include "render/text_boxes.h"

#include "expr/value_text.h"
#include "render/labels.h"
#include "render/view_transform.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace zeva::render {

namespace {

using model::Element;
using model::ElementClass;

const model::ElementFont& fontOf(const Element& e) {
    static const model::ElementFont fallback;
    return e.font ? *e.font : fallback;
}

double toWorld(const RenderContext& ctx, int pixels) {
    return pixels / ctx.view->drawScale;
}


ScreenBox lineBox(const RenderContext& ctx, Canvas& measure, const model::ElementFont& font,
                  Point at, std::string_view text) {
    measure.setFont(canvasFont(ctx, font, font.color));
    const TextSize size = measure.textExtent(text);
    const IPoint p = worldToScreen(*ctx.view, at);
    return {p.x, p.y, p.x + size.width, p.y + size.height};
}

// Where an element's text starts (the top-left corner of what it draws, tables and buttons
// aside); none for a name label that is not drawn.
std::optional<Point> textAnchor(const RenderContext& ctx, const Element& e) {
    const ElementClass c = e.elementClass();
    if (c == ElementClass::Text) return e.point();
    if (c == ElementClass::Name) {
        const Point at{e.name().anchorX, e.name().anchorY};
        if (e.param1 != 1 || !pointInPlane(*ctx.view, at)) return std::nullopt;
        return at;
    }
    return e.secondPoint();
}

bool isOneLine(ElementClass c) {
    return c == ElementClass::Name || c == ElementClass::Number || c == ElementClass::Function ||
           c == ElementClass::Equation || c == ElementClass::Coordinates ||
           c == ElementClass::Property;
}

// Width and height of a stored BMP from its header; none for anything that is not one.
std::optional<TextSize> bmpSize(const model::Picture& picture) {
    const std::vector<uint8_t>& b = picture.bmp;
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    auto int32At = [&](size_t at) {
        return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | (uint32_t{b[at + 1]} << 8) |
                                    (uint32_t{b[at + 2]} << 16) | (uint32_t{b[at + 3]} << 24));
    };
    const int32_t w = int32At(18);
    const int32_t h = int32At(22); // negative for a picture stored top-down
    if (w <= 0 || h == 0 || h == INT32_MIN) return std::nullopt;
    return TextSize{w, h < 0 ? -h : h};
}

} // namespace

std::optional<ScreenBox> pictureBoxOf(const RenderContext& ctx, const Element& bitmap) {
    const ViewTransform& v = *ctx.view;
    const IPoint a = worldToScreen(v, bitmap.point());
    if (bitmap.parent1 && bitmap.parent1->elementClass() == ElementClass::Segment) {
        const IPoint b = worldToScreen(v, bitmap.secondPoint());
        return ScreenBox{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1,
                         std::max(a.y, b.y) + 1};
    }
    const std::optional<TextSize> size = bmpSize(bitmap.bitmap().picture);
    if (!size) return std::nullopt;
    return ScreenBox{a.x, a.y, a.x + size->width, a.y + size->height};
}

std::optional<ScreenBox> textBoxOf(const RenderContext& ctx, Canvas& measure, const Element& e) {
    const std::optional<Point> at = textAnchor(ctx, e);
    if (!at) return std::nullopt;
    const ElementClass c = e.elementClass();
    if (c == ElementClass::Text) {
        const auto& t = e.text();
        measure.setFont(canvasFont(ctx, t.textFont, t.textFont.color));
        const int lineH = measure.textExtent("Wg").height;
        int width = 0;
        for (const std::string& line : t.lines)
            width = std::max(width, measure.textExtent(line).width);
        const IPoint p = worldToScreen(*ctx.view, *at);
        return ScreenBox{p.x, p.y, p.x + width, p.y + lineH * static_cast<int>(t.lines.size())};
    }
    if (c == ElementClass::Table) {
        const TableLayout l = tableLayout(ctx, measure, e, fontOf(e).color);
        if (l.columns <= 0 || l.rows <= 0) return std::nullopt;
        double left = l.corner.x;
        if (l.swapped)
            for (const std::string& h : l.headers)
                left = std::min(left, l.corner.x - 5 - toWorld(ctx, measure.textExtent(h).width));
        const IPoint a = worldToScreen(*ctx.view, left, l.corner.y);
        const IPoint b = worldToScreen(*ctx.view, l.corner.x + l.width, l.corner.y - l.height);
        return ScreenBox{a.x, a.y, b.x + 1, b.y + 1};
    }
    if (c == ElementClass::Button) {
        // The face reaches 2 pixels left of and above the caption, 1 right and 4 below it.
        const ScreenBox text = lineBox(ctx, measure, fontOf(e), *at, buttonCaption(ctx, e));
        return ScreenBox{text.left - 2, text.top - 2, text.right + 1, text.bottom + 4};
    }
    if (isOneLine(c)) return lineBox(ctx, measure, fontOf(e), *at, displayedText(ctx, e));
    return std::nullopt;
}

std::optional<std::array<ScreenBox, 2>>
coordinatePartBoxes(const RenderContext& ctx, Canvas& measure, const Element& coordinates) {
    if (coordinates.kind != model::Kind::Coordinates) return std::nullopt;
    const auto& parts = coordinates.coordinates();
    if (!parts.xPart || !parts.yPart) return std::nullopt;
    const model::ElementFont& font = fontOf(coordinates);
    measure.setFont(canvasFont(ctx, font, font.color));
    const auto [xAt, yAt] = coordinatePartPositions(ctx, measure, coordinates);
    const int decimals = coordinates.decimals;
    return std::array<ScreenBox, 2>{
        lineBox(ctx, measure, font, xAt, expr::signedNumberText(parts.xPart->x1, decimals)),
        lineBox(ctx, measure, font, yAt, expr::signedNumberText(parts.yPart->x1, decimals))};
}

bool textBoxContains(const RenderContext& ctx, Canvas& measure, const Element& e, IPoint p) {
    const std::optional<Point> at = textAnchor(ctx, e);
    if (!at) return false;
    // Nothing but a swapped table's headers lies left of or above the anchor (a button's face
    // by 2 pixels), and one line of text is not much taller than its font size.
    const ElementClass c = e.elementClass();
    const ViewTransform& v = *ctx.view;
    const Point w = screenToWorld(v, p.x, p.y);
    const double slack = 3 / v.drawScale;
    if (c != ElementClass::Table && (w.x < at->x - slack || w.y > at->y + slack)) return false;
    if (isOneLine(c) || c == ElementClass::Button) {
        const int ppi = ctx.options.screenPixelsPerInch > 0 ? ctx.options.screenPixelsPerInch : 96;
        const double size = std::abs(fontOf(e).size) * 96.0 / ppi;
        if (w.y < at->y - (3 * size + 8) / v.drawScale) return false;
    }
    const std::optional<ScreenBox> box = textBoxOf(ctx, measure, e);
    return box && box->contains(p);
}

} // namespace zeva::render
