#include "render/previews.h"

#include "model/units.h"
#include "render/draw_shapes.h"
#include "render/labels.h"

#include <cmath>
#include <string>
#include <vector>

namespace zeva::render {

void drawPolygonPreview(const RenderContext& ctx, Canvas& canvas, std::span<const Point> vertices,
                        Point cursor, Color color, int style) {
    if (vertices.empty()) return;
    for (size_t i = 1; i < vertices.size(); ++i)
        drawSegment(ctx, canvas, vertices[i - 1], vertices[i], color, style);
    drawSegment(ctx, canvas, cursor, vertices.front(), color, 3);
    drawSegment(ctx, canvas, cursor, vertices.back(), color, style);
    canvas.flush();
}

void drawRegularPolygonPreview(const RenderContext& ctx, Canvas& canvas, Point centre,
                               Point firstVertex, int n, int turns, Color color, int style,
                               Color pointColor, int pointStyle) {
    if (n < 3) return;
    const double step = 2.0 * turns * model::kPi / n;
    const Point d = firstVertex - centre;
    std::vector<Point> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = i * step;
        v[i] = centre +
               Point{d.x * std::cos(a) - d.y * std::sin(a), d.x * std::sin(a) + d.y * std::cos(a)};
    }
    for (int i = 0; i < n; ++i)
        drawSegment(ctx, canvas, v[i], v[(i + 1) % n], color, style);
    for (const Point& p : v)
        drawPoint(ctx, canvas, p, pointColor, pointStyle);
    model::ElementFont font;
    font.name = "MS Sans Serif";
    font.size = 14;
    const std::string text =
        turns == 1 ? std::to_string(n) : std::to_string(n) + "/" + std::to_string(turns);
    outputText(ctx, canvas, font, ctx.options.selectionColor, -1, true, centre, text);
    canvas.flush();
}

} // namespace zeva::render
