// Whatever the renderer draws, the hit test finds where it is drawn: for every element of the
// gallery (an element of every class), a pixel its drawing touches is taken from a recording
// canvas, and the passes over the construction must report the element there.

#include "geometry/recompute.h"
#include "model/construction.h"
#include "render/recording_canvas.h"
#include "render/renderer.h"
#include "tests/editor/drawn_pixel.h"
#include "tests/editor/fake_host.h"
#include "tests/render/gallery.h"
#include "ui/hit_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::ElementClass;

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
