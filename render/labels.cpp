#include "render/labels.h"

#include "document/document.h"
#include "expr/shown_text.h"
#include "expr/value_text.h"
#include "render/draw_shapes.h"
#include "render/renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zeva::render {

namespace {

using model::Element;
using model::Kind;

constexpr std::string_view kOperandLetters = "ABCDEFGHIJKLMNOPQSTUVZ";
constexpr size_t kMaxFontName = 31;

const model::ElementFont& fontOf(const Element& e) {
    static const model::ElementFont fallback;
    return e.font ? *e.font : fallback;
}

// Device pixels of a length on the canvas, back to world units.
double toWorld(const RenderContext& ctx, int pixels) {
    return pixels / ctx.view->drawScale;
}

expr::ValueTexts valueTextsFor(const RenderContext& ctx) {
    expr::ValueTexts t;
    t.noValue = ctx.options.noValueText;
    return t;
}

// Text colour of tables and buttons: the font's colour, unless the element is drawn in a
// colour of its own moment (hidden, inverse video).
Color textColorOf(const Element& e, Color color) {
    return color == e.color && e.font ? e.font->color : color;
}

std::string tableCellText(const Element& e, int element, int value) {
    const auto& t = e.table();
    const size_t index = static_cast<size_t>(element) * model::kTableMaxColumns + value;
    if (index >= t.cells.size()) return " -";
    const double v = t.cells[index];
    if (v == std::numeric_limits<double>::infinity()) return " -";
    return expr::fixedText(v, e.decimals);
}

void drawTable(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color, int style) {
    const Color textColor = textColorOf(e, color);
    const model::ElementFont& font = fontOf(e);
    const TableLayout l = tableLayout(ctx, canvas, e, textColor);
    const Point o = l.corner;

    if (style >= 0 && l.columns > 0 && l.rows > 0) {
        canvas.setPen({textColor, PenStyle::Clear, 1});
        canvas.setBrush({style, BrushStyle::Solid});
        const IPoint a = worldToScreen(*ctx.view, o);
        const IPoint b = worldToScreen(*ctx.view, o.x + l.width, o.y - l.height);
        canvas.rectangle(a.x, a.y, b.x + 1, b.y + 1);
    }
    if (l.columns > 0) {
        for (int r = 0; r <= l.rows; ++r)
            drawSegment(ctx, canvas, {o.x, o.y - r * l.rowH}, {o.x + l.width, o.y - r * l.rowH},
                        color, 1);
        for (int c = 0; c <= l.columns; ++c)
            drawSegment(ctx, canvas, {o.x + c * l.cellW, o.y}, {o.x + c * l.cellW, o.y - l.height},
                        color, 1);
    }
    const int elements = static_cast<int>(l.headers.size());
    for (int i = 0; i < elements; ++i) {
        if (l.swapped) {
            const double w = toWorld(ctx, canvas.textExtent(l.headers[i]).width);
            outputText(ctx, canvas, font, textColor, -1, true, {o.x - 5 - w, o.y - i * l.rowH},
                       l.headers[i]);
            for (int j = 0; j < l.values; ++j)
                outputText(ctx, canvas, font, textColor, -1, true,
                           {o.x + j * l.cellW + 3, o.y - i * l.rowH}, tableCellText(e, i, j));
        } else {
            outputText(ctx, canvas, font, textColor, -1, true, {o.x + i * l.cellW + 3, o.y},
                       l.headers[i]);
            for (int j = 0; j < l.values; ++j)
                outputText(ctx, canvas, font, textColor, -1, true,
                           {o.x + i * l.cellW + 3, o.y - (j + 1) * l.rowH}, tableCellText(e, i, j));
        }
    }
}

void drawButton(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color) {
    const std::string caption = buttonCaption(ctx, e);
    const model::ElementFont& font = fontOf(e);
    canvas.setFont(canvasFont(ctx, font, color));
    const TextSize size = canvas.textExtent(caption);
    const IPoint p = worldToScreen(*ctx.view, e.secondPoint());
    if (canvas.role() == CanvasRole::Miniature) {
        canvas.setPen({e.style, PenStyle::Solid, 1});
        canvas.setBrush({e.style, BrushStyle::Solid});
        const int w = toDevice(std::trunc(size.width * ctx.view->drawScale));
        const int h = toDevice(std::trunc(size.height * ctx.view->drawScale));
        canvas.rectangle(p.x, p.y, p.x + w + 1, p.y + h + 1);
        return;
    }
    const bool raised = e.param2 != 0;
    const int l = p.x - 2;
    const int t = p.y - 2;
    const int r = p.x + size.width + 1;
    const int bt = p.y + size.height + 4;
    canvas.setPen({kSilver, PenStyle::Solid, 1});
    canvas.setBrush({raised ? e.style : kGray, BrushStyle::Solid});
    canvas.rectangle(l, t, r, bt);
    const Color light = raised ? kWhite : kBlack;
    const Color shade = raised ? kBlack : kWhite;
    canvas.setPen({light, PenStyle::Solid, 1});
    canvas.moveTo(l + 1, bt - 2);
    canvas.lineTo(l + 1, t + 1);
    canvas.lineTo(r - 1, t + 1);
    canvas.setPen({shade, PenStyle::Solid, 1});
    canvas.moveTo(r - 2, t + 1);
    canvas.lineTo(r - 2, bt - 2);
    canvas.lineTo(l, bt - 2);
    const Color captionColor = raised ? color : kSilver;
    canvas.setFont(canvasFont(ctx, font, captionColor));
    canvas.setBackgroundMode(BackgroundMode::Transparent);
    canvas.textOut(raised ? p.x - 1 : p.x, raised ? p.y - 1 : p.y, caption);
}

void drawFreeText(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color,
                  int style) {
    const auto& t = e.text();
    canvas.setFont(canvasFont(ctx, t.textFont, color));
    const double lineH = toWorld(ctx, canvas.textExtent("Wg").height);
    const Point o = e.point();
    for (size_t i = 0; i < t.lines.size(); ++i) {
        const Point at{o.x, o.y - static_cast<double>(i) * lineH};
        if (canvas.role() == CanvasRole::Miniature) {
            // One stroke per line stands for the text on the miniature.
            const double w = toWorld(ctx, canvas.textExtent(t.lines[i]).width);
            const IPoint a = worldToScreen(*ctx.view, at);
            const IPoint b = worldToScreen(*ctx.view, at.x + w, at.y);
            canvas.setPen({color, PenStyle::Solid, 1});
            canvas.moveTo(a.x, a.y);
            canvas.lineTo(b.x, b.y);
            continue;
        }
        outputText(ctx, canvas, t.textFont, color, style, false, at, t.lines[i]);
    }
}

std::string textOfClass(const RenderContext& ctx, const Element& e) {
    const document::Document* d = ctx.document;
    const model::DocumentUnits units = d ? d->units : model::DocumentUnits{};
    return expr::shownText(e, units.lengthUnit, units.angleUnit, valueTextsFor(ctx));
}

} // namespace

FontSpec canvasFont(const RenderContext& ctx, const model::ElementFont& font, Color color) {
    FontSpec f;
    f.name = font.name.substr(0, kMaxFontName);
    f.color = color;
    const int ppi = ctx.options.screenPixelsPerInch > 0 ? ctx.options.screenPixelsPerInch : 96;
    f.size = roundHalfUp(static_cast<double>(font.size) * 96 / ppi);
    f.bold = font.bold != 0;
    f.italic = font.italic != 0;
    f.underline = font.underline != 0;
    f.strikeout = font.strikeout != 0;
    return f;
}

TableLayout tableLayout(const RenderContext& ctx, Canvas& canvas, const Element& e,
                        Color textColor) {
    const auto& t = e.table();
    const model::ElementFont& font = fontOf(e);
    canvas.setFont(canvasFont(ctx, font, textColor));
    TableLayout l;
    l.swapped = e.param1 == -100;
    const int elements = static_cast<int>(t.rows.size());
    l.values = std::clamp(t.columnCount, 0, model::kTableMaxColumns);
    l.headers.resize(static_cast<size_t>(elements));
    for (int i = 0; i < elements; ++i)
        if (t.rows[i]) l.headers[i] = std::string(expr::labelTextOf(*t.rows[i]));
    int widest = 0;
    for (int i = 0; i < elements; ++i) {
        for (int j = 0; j < l.values; ++j)
            widest = std::max(widest, canvas.textExtent(tableCellText(e, i, j)).width);
        if (!l.swapped) widest = std::max(widest, canvas.textExtent(l.headers[i]).width);
    }
    l.cellW = toWorld(ctx, 7 + widest);
    // Font height in screen pixels, as a font of that size is on a 96 dpi screen.
    const FontSpec applied = canvasFont(ctx, font, textColor);
    l.rowH = 3 + std::round(applied.size * 96.0 / 72.0);
    l.columns = l.swapped ? l.values : elements;
    l.rows = l.swapped ? elements : l.values + 1; // the header row in normal orientation
    l.corner = e.secondPoint();
    l.width = l.columns * l.cellW;
    l.height = l.rows * l.rowH;
    return l;
}

std::string buttonCaption(const RenderContext& ctx, const Element& button) {
    const auto& b = button.button();
    return " " + (b.caption.empty() ? ctx.options.defaultButtonCaption : b.caption) + " ";
}

std::pair<Point, Point> coordinatePartPositions(const RenderContext& ctx, Canvas& canvas,
                                                const Element& coordinates) {
    const Element& e = coordinates;
    canvas.setFont(canvasFont(ctx, fontOf(e), e.color));
    const auto& parts = e.coordinates();
    const std::string label(expr::labelTextOf(e));
    const std::string x = parts.xPart ? expr::signedNumberText(parts.xPart->x1, e.decimals) : "";
    const double xAt = e.x2 + toWorld(ctx, canvas.textExtent(label + "(").width);
    const double yAt = xAt + toWorld(ctx, canvas.textExtent(x + ";").width);
    return {{xAt, e.y2}, {yAt, e.y2}};
}

void outputText(const RenderContext& ctx, Canvas& canvas, const model::ElementFont& font,
                Color color, Color background, bool transparent, Point at, std::string_view text) {
    canvas.setFont(canvasFont(ctx, font, color));
    const IPoint p = worldToScreen(*ctx.view, at);
    if (canvas.role() == CanvasRole::Miniature) {
        const TextSize size = canvas.textExtent(text);
        const double s = ctx.view->drawScale;
        canvas.setPen({color, PenStyle::Solid, 1});
        canvas.setBrush({background, background < 0 ? BrushStyle::Clear : BrushStyle::Solid});
        canvas.rectangle(p.x, p.y, p.x + toDevice(std::trunc(size.width * s)),
                         p.y + toDevice(std::trunc(size.height * s)));
        canvas.setPenStyle(PenStyle::Clear);
        return;
    }
    if (background < 0 || transparent) {
        canvas.setBackgroundMode(BackgroundMode::Transparent);
    } else {
        canvas.setBackgroundMode(BackgroundMode::Opaque);
        canvas.setBackgroundColor(background);
    }
    canvas.textOut(p.x, p.y, text);
}

std::string displayedText(const RenderContext& ctx, const Element& e) {
    return textOfClass(ctx, e);
}

void drawTextElement(const RenderContext& ctx, Canvas& canvas, const Element& e, Color color,
                     int style) {
    switch (model::textFormOf(e.elementClass())) {
    case model::TextForm::Lines:
        drawFreeText(ctx, canvas, e, color, style);
        return;
    case model::TextForm::Table:
        drawTable(ctx, canvas, e, color, style);
        return;
    case model::TextForm::Button:
        drawButton(ctx, canvas, e, color);
        return;
    case model::TextForm::Name: {
        if (e.param1 != 1) return;
        const auto& n = e.name();
        const Point at{n.anchorX, n.anchorY};
        if (!pointInPlane(*ctx.view, at)) return;
        outputText(ctx, canvas, fontOf(e), color, style, false, at, n.text);
        return;
    }
    case model::TextForm::Value:
        outputText(ctx, canvas, fontOf(e), color, style, false, e.secondPoint(),
                   textOfClass(ctx, e));
        return;
    case model::TextForm::None:
        return;
    }
}

void drawOperandLabels(const RenderContext& ctx, Canvas& canvas) {
    const Color boxColor = ctx.options.selectionColor;
    // The window's lists may still name elements an undo or a deletion took away: only elements
    // of the drawn construction are marked.
    std::vector<const Element*> present;
    for (const Element* e : ctx.document->construction) {
        present.push_back(e);
        for (const Element* sub : model::subElementsOf(*e))
            present.push_back(sub);
    }
    const auto isPresent = [&present](const Element* e) {
        return e && std::find(present.begin(), present.end(), e) != present.end();
    };
    auto mark = [&](const Element& e, const std::string& shownText, const std::string& tag) {
        canvas.setFont(canvasFont(ctx, fontOf(e), e.color));
        const double w = toWorld(ctx, canvas.textExtent(shownText).width);
        const double h = toWorld(ctx, canvas.textExtent("Wg").height);
        const Point o = e.secondPoint();
        outputText(ctx, canvas, fontOf(e), displayColor(ctx, e), -1, true, {o.x + w + 4, o.y + 2},
                   tag);
        const Point a{o.x - 1, o.y};
        const Point b{o.x + w, o.y - h};
        drawSegment(ctx, canvas, a, {b.x, a.y}, boxColor, 1);
        drawSegment(ctx, canvas, {b.x, a.y}, b, boxColor, 1);
        drawSegment(ctx, canvas, b, {a.x, b.y}, boxColor, 1);
        drawSegment(ctx, canvas, {a.x, b.y}, a, boxColor, 1);
    };
    for (size_t i = 0; i < ctx.state.pickedNumbers.size() && i < kOperandLetters.size(); ++i) {
        const Element* e = ctx.state.pickedNumbers[i];
        if (!isPresent(e) || !isDrawable(ctx, *e)) continue;
        const char letter = static_cast<char>(kOperandLetters[i] - 'A' + 'a');
        mark(*e, textOfClass(ctx, *e), std::string(1, letter));
    }
    for (size_t i = 0; i < ctx.state.pickedFunctions.size(); ++i) {
        const Element* e = ctx.state.pickedFunctions[i];
        if (!isPresent(e) || !isDrawable(ctx, *e)) continue;
        mark(*e, textOfClass(ctx, *e), "f" + std::to_string(i + 1));
    }
}

} // namespace zeva::render
