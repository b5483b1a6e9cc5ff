#include "model/construction.h"
#include "tests/editor/drag_figure.h"
#include "ui/rectangle_touch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::Kind;

struct Expected {
    const char* what;
    Element* element;
    bool selected;
};

// The rectangle from (-30, 30) to (30, -30) and, per class, elements that touch it and elements
// that do not.
struct RectangleFigure : DragFigure {
    std::vector<Expected> expected;

    void expect(const char* what, Element* e, bool selected) {
        expected.push_back({what, e, selected});
    }
    Element* text(Point at) {
        edit::CreationInputs in;
        in.textLines = {"x"};
        return make(Kind::Text, nullptr, nullptr, nullptr, at, {}, in);
    }

    RectangleFigure() {
        expect("point inside", point(10, 10), true);
        expect("point outside", point(200, 200), false);
        expect("segment across", make(Kind::Segment, point(-100, 0), point(100, 0)), true);
        expect("segment above", make(Kind::Segment, point(-100, 100), point(100, 100)), false);
        expect("line through it",
               make(Kind::LineThroughTwoPoints, point(-100, -100), point(-90, -90)), true);
        expect("ray away from it",
               make(Kind::RayThroughTwoPoints, point(100, -100), point(200, -100)), false);
        expect("ray into it", make(Kind::RayThroughTwoPoints, point(-100, -20), point(-90, -20)),
               true);
        Element* centre = point(-400, -300);
        expect("circle around it", make(Kind::CircleByCentreAndPoint, point(0, -5),
                                        point(0, -105)),
               false);
        (void)centre;
        expect("circle across an edge",
               make(Kind::CircleByCentreAndPoint, point(70, 0), point(70, 45)), true);
        expect("arc across an edge",
               make(Kind::ArcThreePoints, point(0, 40), point(40, 0), point(0, -40)), true);
        expect("arc whose circle, not itself, crosses it",
               make(Kind::ArcThreePoints, point(20, 34.64), point(0, 40), point(-20, 34.64)),
               false);
        expect("text overlapping a corner", text({25, 40}), true);
        expect("text far away", text({-300, 300}), false);
    }
};

TEST(RectangleSelection, SelectsWhatTouchesItByClass) {
    RectangleFigure f;
    f.doc().modified = 0;
    f.press({-30, 30});
    EXPECT_TRUE(f.session().rectangle.active);
    f.moveTo({30, -30});
    const render::RenderState& state = f.host.fakeView.ctx.state;
    EXPECT_TRUE(state.rubberBandActive);
    ASSERT_TRUE(state.pendingRectangle);
    f.release({30, -30});
    for (const Expected& e : f.expected)
        EXPECT_EQ(e.element->selected, e.selected ? 1 : 0) << e.what;
    EXPECT_EQ(f.doc().modified, 0); // selecting changes nothing
    const SelectionRectangle& r = f.session().rectangle;
    EXPECT_TRUE(r.present);
    EXPECT_FALSE(r.active);
    EXPECT_FALSE(state.rubberBandActive);
    ASSERT_TRUE(state.pendingRectangle); // left on the drawing for export
}

TEST(RectangleSelection, DrawnFromAnyCornerItIsLeftNormalised) {
    DragFigure f;
    f.press({40, -20});
    f.moveTo({-10, 50});
    f.release({-10, 50});
    const SelectionRectangle& r = f.session().rectangle;
    EXPECT_EQ(r.start.x, -10);
    EXPECT_EQ(r.start.y, 50);
    EXPECT_EQ(r.corner.x, 40);
    EXPECT_EQ(r.corner.y, -20);
}

TEST(RectangleSelection, ShiftAddsCtrlSelectsNothingAndATinyOneChangesNothing) {
    DragFigure f;
    Element* a = f.point(0, 0);
    Element* b = f.point(100, 0);
    f.click(0, 0);
    ASSERT_EQ(a->selected, 1);
    // With Shift the selection is kept and what the rectangle touches is added.
    f.press({90, 10}, Modifiers{.shift = true});
    f.moveTo({110, -10});
    f.release({110, -10});
    EXPECT_EQ(a->selected, 1);
    EXPECT_EQ(b->selected, 1);
    // Without Shift the selection is cleared; with Ctrl at the release nothing is selected.
    f.press({-10, 10});
    f.moveTo({10, -10});
    f.release({10, -10}, Modifiers{.ctrl = true});
    EXPECT_EQ(a->selected, 0);
    EXPECT_EQ(b->selected, 0);
    // Less than 2 units high: nothing selected, no rectangle left for export.
    f.press({-10, 0});
    f.moveTo({10, 1});
    f.release({10, 1});
    EXPECT_EQ(a->selected, 0);
    EXPECT_FALSE(f.session().rectangle.present);
    EXPECT_FALSE(f.host.fakeView.ctx.state.pendingRectangle);
}

TEST(RectangleSelection, AHiddenNameTakesItsElementsFlag) {
    DragFigure f;
    Element* p = f.point(0, 0);
    edit::CreationInputs in;
    in.nameText = "A";
    Element* n = f.make(Kind::Name, p, nullptr, nullptr, {}, {}, in);
    n->param1 = 0; // not shown
    f.press({-10, 10});
    f.moveTo({10, -10});
    f.release({10, -10});
    EXPECT_EQ(p->selected, 1);
    EXPECT_EQ(n->selected, 1);
}

} // namespace
} // namespace zeva::ui::testing
