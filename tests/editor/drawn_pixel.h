#pragma once
// Where an element is drawn: a pixel its drawing touches on a recording canvas of the editor
// fixture's 1024 x 768 surface.

#include "model/kinds.h"
#include "render/recording_canvas.h"

#include <cmath>
#include <optional>

namespace zeva::ui::testing {

inline bool onSurface(render::IPoint p) {
    return p.x >= 0 && p.x < 1024 && p.y >= 0 && p.y < 768;
}

// A pixel the drawing of an element touches: the middle of a drawn stroke, a point's centre, a
// point on an outline, a spot inside a text or a picture.
inline std::optional<render::IPoint> drawnPixel(const render::RecordingCanvas& canvas,
                                               model::ElementClass c) {
    const bool pointLike = c == model::ElementClass::Point || c == model::ElementClass::Grid;
    render::IPoint pen{0, 0};
    for (const render::CanvasCall& call : canvas.calls) {
        const std::vector<int>& a = call.args;
        std::optional<render::IPoint> p;
        if (call.op == "moveTo") {
            pen = {a[0], a[1]};
        } else if (call.op == "lineTo") {
            if (call.pen.style != render::PenStyle::Clear)
                p = render::IPoint{(pen.x + a[0]) / 2, (pen.y + a[1]) / 2};
            pen = {a[0], a[1]};
        } else if (call.op == "rectangle" || call.op == "ellipse") {
            if (pointLike)
                p = render::IPoint{(a[0] + a[2] - 1) / 2, (a[1] + a[3] - 1) / 2};
            else if (call.op == "ellipse")
                p = render::IPoint{a[2] - 1, (a[1] + a[3]) / 2}; // the outline's right end
            else
                p = render::IPoint{a[0] + 3, a[1] + 3}; // inside a table's or button's face
        } else if (call.op == "arc") {
            // The start of the arc: on its circle, towards (x3, y3).
            const double cx = (a[0] + a[2] - 1) / 2.0, cy = (a[1] + a[3] - 1) / 2.0;
            const double r = (a[2] - a[0] - 1) / 2.0;
            const double dx = a[4] - cx, dy = a[5] - cy, d = std::hypot(dx, dy);
            if (d > 0)
                p = render::IPoint{static_cast<int>(std::lround(cx + r * dx / d)),
                                   static_cast<int>(std::lround(cy + r * dy / d))};
        } else if (call.op == "textOut" || call.op == "drawPicture") {
            p = render::IPoint{a[0] + 2, a[1] + 2};
        } else if (call.op == "setPixel") {
            p = render::IPoint{a[0], a[1]};
        }
        if (p && onSurface(*p)) return p;
    }
    return std::nullopt;
}

} // namespace zeva::ui::testing
