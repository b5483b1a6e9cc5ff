// Every element of the gallery (an element of every class), grabbed where it is drawn and dragged
// with the move tool: the drag recomputes only the dependents it gathered at the press, which
// must leave the figure exactly as a recompute of everything would; one undo brings back the
// figure before the drag and a second one the figure after it.

#include "geometry/recompute.h"
#include "render/recording_canvas.h"
#include "render/renderer.h"
#include "tests/editor/drag_figure.h"
#include "tests/editor/drawn_pixel.h"
#include "tests/render/gallery.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zeva::ui::testing {
namespace {

using model::Element;

// Where each drawable element of the gallery is drawn, in drawing-area pixels.
std::vector<std::pair<std::string, render::IPoint>> grabPoints(DragFigure& f) {
    std::vector<std::pair<std::string, render::IPoint>> grabs;
    render::RenderContext& ctx = f.host.fakeView.renderContext();
    for (Element* e : f.doc().construction) {
        if (!render::isDrawable(ctx, *e) || e->visible != 1) continue;
        if (e->kind == model::Kind::Name && e->param1 != 1) continue;
        render::RecordingCanvas canvas;
        render::drawElement(ctx, canvas, *e, e->color, e->style);
        if (const auto pixel = drawnPixel(canvas, e->elementClass()))
            grabs.emplace_back(std::string(model::kindName(e->kind)), *pixel);
    }
    return grabs;
}

TEST(GalleryDrag, EveryGrabbedElementDragsAsARecomputeOfEverythingWouldLeaveIt) {
    std::vector<std::pair<std::string, render::IPoint>> grabs;
    {
        DragFigure f;
        render::testing::buildGallery(f.doc());
        f.recompute();
        grabs = grabPoints(f);
    }
    ASSERT_GT(grabs.size(), 40u);
    int moved = 0;
    for (const auto& [kind, pixel] : grabs) {
        SCOPED_TRACE(kind + " grabbed at " + std::to_string(pixel.x) + "," +
                     std::to_string(pixel.y));
        DragFigure f;
        render::testing::buildGallery(f.doc());
        f.recompute();
        f.doc().modified = 0;
        const std::string before = f.dump();

        MouseEvent e;
        e.x = pixel.x;
        e.y = pixel.y;
        f.host.cursor = pixel;
        f.editor.mouseMove(e);
        e.button = MouseButton::Left;
        f.editor.mouseDown(e);
        f.fire(TimerId::DragDelay);
        e.button = MouseButton::None;
        e.leftHeld = true;
        for (const auto& [dx, dy] : {std::pair{9, -4}, {17, -11}}) {
            e.x = pixel.x + dx;
            e.y = pixel.y + dy;
            f.host.cursor = render::IPoint{e.x, e.y};
            f.editor.mouseMove(e);
        }
        e.button = MouseButton::Left;
        f.editor.mouseUp(e);
        if (f.session().hover.ambiguous || f.doc().undoAvailable == 0) continue; // a click only
        ++moved;

        const std::string after = f.dump();
        f.recompute();
        EXPECT_EQ(f.dump(), after) << "the drag left something a full recompute changes";
        f.editor.undo();
        EXPECT_EQ(f.dump(), before);
        f.editor.undo();
        EXPECT_EQ(f.dump(), after);
    }
    EXPECT_GT(moved, 20);
}

} // namespace
} // namespace zeva::ui::testing
