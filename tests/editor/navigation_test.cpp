#include "geometry/primitives.h"
#include "model/construction.h"
#include "model/units.h"
#include "settings/options.h"
#include "tests/editor/drag_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::Kind;

const render::ViewTransform& viewOf(DragFigure& f) {
    return f.host.fakeView.transformValue;
}

// ---- moving the screen -----------------------------------------------------------------------

TEST(ScreenMove, TheRightButtonMovesTheViewButNeverBeyondThePlane) {
    DragFigure f;
    const double h = settings::options().planeSize / 2;
    f.doc().modified = 0;
    f.press({0, 0}, {}, MouseButton::Right);
    EXPECT_TRUE(f.host.mouseCaptured);
    EXPECT_EQ(f.host.cursorNumber, cursor::MoveScreen);
    // The figure follows the mouse: moving it 100 right and 50 down shows what was left and up.
    f.editor.mouseMove(f.event({100, -50}, MouseButton::None));
    EXPECT_DOUBLE_EQ(viewOf(f).viewLeft, -512 - 100);
    EXPECT_DOUBLE_EQ(viewOf(f).viewTop, 384 + 50);
    EXPECT_EQ(f.doc().viewLeft, -612);
    EXPECT_EQ(f.doc().modified, 1);
    EXPECT_GT(f.host.viewMoves, 0);
    // Far beyond every edge: the view stops where the plane ends.
    f.editor.mouseMove(f.event({10000, -10000}, MouseButton::None));
    EXPECT_DOUBLE_EQ(viewOf(f).viewLeft, -h);
    EXPECT_DOUBLE_EQ(viewOf(f).viewTop, h);
    f.editor.mouseMove(f.event({-10000, 10000}, MouseButton::None));
    EXPECT_DOUBLE_EQ(viewOf(f).viewLeft + viewOf(f).clientWidth, h);
    EXPECT_DOUBLE_EQ(viewOf(f).viewTop - viewOf(f).clientHeight, -h);
    f.release({-10000, 10000}, {}, MouseButton::Right);
    EXPECT_FALSE(f.host.mouseCaptured);
    EXPECT_FALSE(f.session().navigation.movingScreen);
}

TEST(ScreenMove, ARightPressOnAnElementDoesNotMoveTheScreen) {
    DragFigure f;
    f.point(0, 0);
    f.press({2, 2}, {}, MouseButton::Right);
    EXPECT_FALSE(f.session().navigation.movingScreen);
    f.editor.mouseMove(f.event({200, 200}, MouseButton::None));
    EXPECT_DOUBLE_EQ(viewOf(f).viewLeft, -512);
    EXPECT_EQ(f.host.opened, std::vector<std::string>{"editor"}); // its editor opens instead
}

TEST(ScreenMove, TheWheelScrollsLikeTheScrollBars) {
    DragFigure f;
    const double h = settings::options().planeSize / 2;
    f.editor.wheel({120, {}});
    EXPECT_GT(viewOf(f).viewTop, 384); // away from the user: what is above comes into view
    EXPECT_DOUBLE_EQ(viewOf(f).viewLeft, -512);
    f.editor.wheel({-120, Modifiers{.shift = true}});
    EXPECT_GT(viewOf(f).viewLeft, -512); // with Shift: sideways
    for (int i = 0; i < 200; ++i)
        f.editor.wheel({120, {}});
    EXPECT_DOUBLE_EQ(viewOf(f).viewTop, h);
}

// ---- keys ------------------------------------------------------------------------------------

TEST(Keys, PlusOnASelectedLocusAddsFivePointsAKeyAndOneUndoStepARun) {
    DragFigure f;
    Element* c = f.make(Kind::CircleByCentreAndPoint, f.point(0, 0), f.point(100, 0));
    Element* p = f.make(Kind::PointOnElement, c);
    Element* m = f.make(Kind::Midpoint, p, f.point(200, 0));
    Element* locus = f.make(Kind::Locus, m, p);
    const int before = locus->samples().capacity;
    f.doc().modified = 0;
    const std::string dumpBefore = f.dump();
    locus->selected = 1;
    KeyEvent plus{Key::Plus, {}, false};
    f.editor.keyDown(plus);
    plus.autoRepeat = true; // the key repeats while held
    f.editor.keyUp(plus);
    f.editor.keyDown(plus);
    f.editor.keyUp(plus);
    f.editor.keyDown(plus);
    plus.autoRepeat = false;
    f.editor.keyUp(plus);
    EXPECT_EQ(locus->samples().capacity, before + 15);
    EXPECT_EQ(locus->samples().sampleCount, before + 15);
    EXPECT_EQ(locus->selected, 1);
    f.editor.undo();
    EXPECT_EQ(f.dump(), dumpBefore); // one step undoes the whole run
    // Minus stops at ten points; a locus that is not selected keeps its points.
    locus = nullptr; // undo exchanged the construction with its copy
    for (Element* e : f.doc().construction)
        if (e->kind == Kind::Locus) locus = e;
    ASSERT_NE(locus, nullptr);
    locus->selected = 1;
    for (int i = 0; i < 30; ++i)
        f.editor.keyDown({Key::Minus, {}, true});
    EXPECT_EQ(locus->samples().capacity, 10);
}

TEST(Keys, EscLeavesAnyToolAndCtrlSuppressesDetection) {
    DragFigure f;
    f.point(0, 0);
    f.editor.selectTool(tool::Trace);
    f.editor.keyDown({Key::Escape, {}, false});
    EXPECT_EQ(f.session().tool.active, tool::Move);
    EXPECT_EQ(f.host.toolShown, tool::Move);
    // A segment abandoned after its first click: the point that click made goes with it.
    f.editor.selectTool(tool::Segment);
    f.click(200, 100);
    ASSERT_EQ(f.doc().construction.countOf(), 2);
    f.editor.keyDown({Key::Escape, {}, false});
    EXPECT_EQ(f.session().tool.active, tool::Move);
    EXPECT_EQ(f.doc().construction.countOf(), 1);

    f.hover({1, 1});
    ASSERT_TRUE(f.session().hover.single);
    f.editor.keyDown({Key::Control, Modifiers{.ctrl = true}, false});
    EXPECT_FALSE(f.session().hover.single);
    f.editor.mouseMove(f.event({0, 0}, MouseButton::None, Modifiers{.ctrl = true}));
    EXPECT_TRUE(f.session().hover.hits.empty());
}

// ---- zoom ------------------------------------------------------------------------------------

TEST(Zoom, AMoveOfDUpwardsScalesFreeDistancesFromThePressBy1Plus0003D) {
    DragFigure f;
    Element* a = f.point(100, 50);
    Element* b = f.point(-60, 20);
    Element* c = f.make(Kind::CircleByCentre, a, nullptr, nullptr, {100, 50}, {100, 90});
    f.doc().modified = 0;
    const std::string before = f.dump();
    const Point anchor{10, 10};
    f.editor.selectTool(tool::Zoom);
    f.press(anchor);
    f.moveTo({10, 30}); // 20 up
    f.moveTo({10, 20}); // 10 down
    f.release({10, 20});
    const double k = (1 + 0.003 * 20) * (1 - 0.003 * 10);
    EXPECT_NEAR(a->x1, anchor.x + (100 - anchor.x) * k, 1e-9);
    EXPECT_NEAR(a->y1, anchor.y + (50 - anchor.y) * k, 1e-9);
    EXPECT_NEAR(b->x1, anchor.x + (-60 - anchor.x) * k, 1e-9);
    EXPECT_NEAR(geometry::dist(c->point(), c->secondPoint()), 40 * k, 1e-9);
    EXPECT_DOUBLE_EQ(viewOf(f).viewLeft, -512); // the view does not change
    EXPECT_DOUBLE_EQ(viewOf(f).viewTop, 384);
    f.editor.undo();
    EXPECT_EQ(f.dump(), before); // the whole zoom drag is one step
}

// ---- traces ----------------------------------------------------------------------------------

TEST(Traces, TheToolSwitchesTracesAndRefusesTheHundredAndFirst) {
    DragFigure f;
    std::vector<Element*> points;
    for (int i = 0; i < model::kMaxTraced + 1; ++i)
        points.push_back(f.point(-500 + 10 * i, (i % 2) * 20));
    f.doc().modified = 0;
    const std::string before = f.dump();
    f.editor.selectTool(tool::Trace);
    EXPECT_FALSE(f.host.timerRunning(TimerId::Blink)); // nothing traced yet
    for (Element* p : points)
        f.click(p->x1, p->y1);
    EXPECT_EQ(f.doc().tracedElements().size(), size_t(model::kMaxTraced));
    EXPECT_EQ(f.doc().tracedElements().back(), points[model::kMaxTraced - 1]);
    EXPECT_TRUE(f.host.timerRunning(TimerId::Blink)); // the traced elements blink
    EXPECT_EQ(f.session().tool.pendingInputs, f.doc().tracedElements());
    // A second click stops tracing; the whole session with the tool is one undo step.
    f.click(points[0]->x1, points[0]->y1);
    EXPECT_EQ(f.doc().tracedElements().front(), points[1]);
    f.editor.undo();
    EXPECT_EQ(f.dump(), before);
    f.editor.undo();
    EXPECT_EQ(f.doc().tracedElements().size(), size_t(model::kMaxTraced - 1));

    // "Desactivar trazas" empties the list in one undo step.
    const std::string traced = f.dump();
    f.editor.turnTracesOff();
    EXPECT_TRUE(f.doc().tracedElements().empty());
    f.editor.undo();
    EXPECT_EQ(f.dump(), traced);
}

// ---- undo --------------------------------------------------------------------------------

TEST(Undo, ASecondUndoRedoesAndTheModifiedFlagFollows) {
    DragFigure f;
    EXPECT_FALSE(f.editor.canUndo());
    f.editor.undo(); // nothing to undo: nothing happens
    Element* p = f.point(0, 0);
    f.doc().modified = 0;
    f.drag({0, 0}, {30, 30});
    EXPECT_EQ(f.doc().modified, 1);
    f.editor.undo();
    EXPECT_EQ(f.doc().modified, 0);
    p = f.doc().construction.elements;
    EXPECT_EQ(p->x1, 0);
    f.editor.undo();
    EXPECT_EQ(f.doc().modified, 1);
    EXPECT_EQ(f.doc().construction.elements->x1, 30);
}

} // namespace
} // namespace zeva::ui::testing
