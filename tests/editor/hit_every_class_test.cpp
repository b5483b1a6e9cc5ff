// Whatever the renderer draws, the hit test finds where it is drawn: for every element of the
// gallery (an element of every class), a pixel its drawing touches is taken from a recording
// canvas, and the passes over the construction must report the element there.

#include "geometry/recompute.h"
#include "model/construction.h"
#include "render/recording_canvas.h"
#include "render/renderer.h"
#include "tests/editor/fake_host.h"
#include "tests/render/gallery.h"
#include "ui/hit_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::ElementClass;

bool onSurface(render::IPoint p) {
    return p.x >= 0 && p.x < 1024 && p.y >= 0 && p.y < 768;
}

// A pixel the drawing of an element touches: the middle of a drawn stroke, a point's centre, a
// point on an outline, a spot inside a text or a picture.
std::optional<render::IPoint> drawnPixel(const render::RecordingCanvas& canvas, ElementClass c) {
    const bool pointLike = c == ElementClass::Point || c == ElementClass::Grid;
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

TEST(HitTestEveryClass, EveryDrawnElementIsFoundWhereItIsDrawn) {
    EditorFixture f;
    render::testing::buildGallery(f.doc());
    geometry::recomputeAll(f.doc().construction, f.host.fakeView.recomputeContext());
    f.editor.selectTool(tool::Move);
    render::RenderContext& ctx = f.host.fakeView.renderContext();
    std::set<ElementClass> tested;
    for (Element* e : f.doc().construction) {
        if (!render::isDrawable(ctx, *e) || e->visible != 1) continue;
        if (e->kind == model::Kind::Name && e->param1 != 1) continue; // a name not shown
        render::RecordingCanvas canvas;
        render::drawElement(ctx, canvas, *e, e->color, e->style);
        const std::optional<render::IPoint> pixel = drawnPixel(canvas, e->elementClass());
        if (!pixel) continue; // drawn outside the view
        SCOPED_TRACE(std::string(model::kindName(e->kind)) + " at " + std::to_string(pixel->x) +
                     "," + std::to_string(pixel->y));
        HitSearch h =
            beginSearch(f.session(), f.doc(),
                        render::screenToWorld(f.host.fakeView.transform(), pixel->x, pixel->y));
        collectCandidates(h);
        collectBoxedCandidates(h);
        EXPECT_NE(std::find(h.hits.begin(), h.hits.end(), e), h.hits.end());
        tested.insert(e->elementClass());
    }
    // Every class a figure draws was tried (intersection candidates are never drawn).
    EXPECT_EQ(tested.size(), static_cast<size_t>(model::kClassCount - 1));
}

} // namespace
} // namespace zeva::ui::testing
