#pragma once
// What a construction tool shows while it waits for its last input: the polygon drawn so far
// with rubber bands to the cursor, and the regular polygon the next click would make.

#include "model/point.h"
#include "render/canvas.h"
#include "render/render_context.h"

#include <span>

namespace zeva::render {

// Sides between the vertices picked so far, then a dotted band from the cursor to the first
// vertex and a band in the preview style from the cursor to the last.
void drawPolygonPreview(const RenderContext& ctx, Canvas& canvas, std::span<const Point> vertices,
                        Point cursor, Color color, int style);

// The regular polygon of n sides about `centre` from `firstVertex`, turning `turns` times: its
// sides, its vertices as points in the points' colour and shape, and n (or n/turns) at the
// centre in the selection colour.
void drawRegularPolygonPreview(const RenderContext& ctx, Canvas& canvas, Point centre,
                               Point firstVertex, int n, int turns, Color color, int style,
                               Color pointColor, int pointStyle);

} // namespace zeva::render
