#include "tests/support/edits.h"
#include "edit/factory.h"
#include "geometry/primitives.h"
#include "model/construction.h"
#include "model/units.h"
#include "settings/options.h"
#include "tests/editor/drag_figure.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::Kind;

constexpr double kTolerance = 1e-9;

void expectAt(const Element& e, Point p, double tolerance = kTolerance) {
    EXPECT_TRUE(zeva::testing::near(e.point(), p, tolerance)) << "kind " << model::toInt(e.kind);
}

// A 24-bit Windows bitmap of w x h pixels, all black.
model::Picture blackPicture(int w, int h) {
    const int row = (w * 3 + 3) / 4 * 4;
    const auto size = static_cast<uint32_t>(54 + row * h);
    std::vector<uint8_t> b(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (size_t i = 0; i < 4; ++i)
            b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    return {b};
}

// ---- single drags: one figure per row, a drag from a point of it, what must hold after ------

struct SingleDragRow {
    const char* what;
    // Builds the figure; answers the check to run after the drag.
    std::function<std::function<void()>(DragFigure&)> build;
    Point from;
    Point to;
};

TEST(Drag, EachKindMovesByItsOwnRule) {
    const std::vector<SingleDragRow> rows = {
        {"a free point goes to the cursor",
         [](DragFigure& f) {
             Element* p = f.point(10, 10);
             return [p] { expectAt(*p, {60, -40}); };
         },
         {10, 10},
         {60, -40}},
        {"a point on a segment slides along it",
         [](DragFigure& f) {
             Element* s = f.make(Kind::Segment, f.point(-100, 0), f.point(100, 0));
             Element* p = f.make(Kind::PointOnElement, s);
             p->y2 = 0.5;
             f.recompute();
             return [p] {
                 EXPECT_DOUBLE_EQ(p->y2, 0.75);
                 expectAt(*p, {50, 0});
             };
         },
         {0, 0},
         {50, 30}},
        {"a segment with free ends moves rigidly",
         [](DragFigure& f) {
             Element* a = f.point(-100, 50);
             Element* b = f.point(100, 50);
             f.make(Kind::Segment, a, b);
             return [a, b] {
                 expectAt(*a, {-90, 80});
                 expectAt(*b, {110, 80});
             };
         },
         {0, 50},
         {10, 80}},
        {"a line through one point turns about it",
         [](DragFigure& f) {
             Element* l = f.make(Kind::LineThroughPoint, f.point(0, 0), nullptr, nullptr, {0, 0},
                                 {100, 0});
             return [l] {
                 EXPECT_NEAR(l->x2, 80, kTolerance);
                 EXPECT_NEAR(l->y2, 80, kTolerance);
             };
         },
         {80, 0},
         {80, 80}},
        {"a line through one point turns on instead of flipping over when the cursor passes "
         "behind its point",
         [](DragFigure& f) {
             Element* l = f.make(Kind::LineThroughPoint, f.point(0, 0), nullptr, nullptr, {0, 0},
                                 {100, 0});
             return [l] { // the direction point is the cursor's mirror image in the point
                 EXPECT_NEAR(l->x2, 50, kTolerance);
                 EXPECT_NEAR(l->y2, -10, kTolerance);
             };
         },
         {80, 0},
         {-50, 10}},
        {"a circle given its centre passes through the cursor",
         [](DragFigure& f) {
             Element* c = f.make(Kind::CircleByCentre, f.point(0, 0), nullptr, nullptr, {0, 0},
                                 {50, 0});
             return [c] { EXPECT_NEAR(geometry::dist(c->point(), c->secondPoint()), 80, 1e-6); };
         },
         {0, 50},
         {0, 80}},
        {"an arc through three free points moves rigidly",
         [](DragFigure& f) {
             Element* a = f.point(100, 0);
             Element* b = f.point(0, 100);
             Element* c = f.point(-100, 0);
             f.make(Kind::ArcThreePoints, a, b, c);
             return [a, b, c] {
                 expectAt(*a, {100, 20});
                 expectAt(*b, {0, 120});
                 expectAt(*c, {-100, 20});
             };
         },
         {70, 71},
         {70, 91}},
        {"an angle's mark follows the cursor's distance from the vertex",
         [](DragFigure& f) {
             Element* a = f.make(Kind::Angle, f.point(100, 0), f.point(0, 0), f.point(0, 100));
             return [a] { EXPECT_NEAR(a->y1, std::hypot(30.0, 30.0) / 100.0, kTolerance); };
         },
         {10, 10},
         {30, 30}},
        {"a tick of the axes changes both units in proportion",
         [](DragFigure& f) {
             Element* o = f.point(0, 0);
             Element* axes = f.make(Kind::Axes, o);
             return [axes, o] {
                 EXPECT_DOUBLE_EQ(axes->axes().unitX, 60.0);
                 EXPECT_DOUBLE_EQ(axes->axes().unitY, 60.0);
                 expectAt(*o, {0, 0});
             };
         },
         {40, 0},
         {60, 3}},
        {"the axes between ticks move with their origin",
         [](DragFigure& f) {
             Element* o = f.point(0, 0);
             Element* axes = f.make(Kind::Axes, o);
             return [axes, o] {
                 EXPECT_DOUBLE_EQ(axes->axes().unitX, 40.0);
                 expectAt(*o, {0, 30});
             };
         },
         {100, 0},
         {100, 30}},
        {"a name stays within the name distance of its point",
         [](DragFigure& f) {
             edit::CreationInputs in;
             in.nameText = "A";
             Element* n = f.make(Kind::Name, f.point(0, 0), nullptr, nullptr, {}, {}, in);
             n->param1 = 1;
             f.recompute();
             return [n] {
                 const double limit = settings::options().nameDistance;
                 EXPECT_NEAR(std::hypot(n->name().dx, n->name().dy), limit, 1e-9);
                 EXPECT_GT(n->name().dx, 49.0); // towards the cursor
             };
         },
         {8, -8},
         {300, -8}},
        {"a text goes with the cursor",
         [](DragFigure& f) {
             edit::CreationInputs in;
             in.textLines = {"uno", "dos"};
             Element* t = f.make(Kind::Text, nullptr, nullptr, nullptr, {-50, 50}, {}, in);
             return [t] { expectAt(*t, {50, 0}); };
         },
         {-40, 45},
         {60, -5}},
        {"a length's text slides along its segment",
         [](DragFigure& f) {
             Element* s = f.make(Kind::Segment, f.point(-100, 0), f.point(100, 0));
             Element* m = f.make(Kind::SegmentLength, s, nullptr, nullptr, {0, 0.5}, {0, 20});
             return [m] {
                 EXPECT_DOUBLE_EQ(m->y1, 0.75);
                 EXPECT_EQ(m->param2, 100); // it still follows its segment
             };
         },
         {4, 15},
         {54, 15}},
        {"a parameter's text goes with the cursor",
         [](DragFigure& f) {
             edit::CreationInputs in;
             in.parameterValue = 3;
             Element* p = f.make(Kind::Parameter, nullptr, nullptr, nullptr, {}, {-100, 100}, in);
             return [p] {
                 EXPECT_DOUBLE_EQ(p->x2, -80);
                 EXPECT_DOUBLE_EQ(p->y2, 90);
             };
         },
         {-96, 95},
         {-76, 85}},
        {"a regular polygon turns and grows about its centre under its vertex",
         [](DragFigure& f) {
             Element* o = f.point(0, 0);
             Element* a = f.point(100, 0);
             edit::CreationRequest r;
             r.kind = static_cast<Kind>(1); // one turn
             r.param1 = 4;
             r.parent1 = o;
             r.parent2 = a;
             zeva::testing::inEdit(f.doc(), [&](edit::Edit& e) { edit::createRegularPolygon(e, r); });
             f.recompute();
             Element* v1 = nullptr;
             for (Element* e : f.doc().construction)
                 if (e->kind == Kind::RegularPolygonVertex && !v1) v1 = e;
             return [v1, a] {
                 expectAt(*v1, {0, 50}, 1e-9);
                 expectAt(*a, {50, 0}, 1e-9);
             };
         },
         {0, 100},
         {0, 50}},
        {"a conic through five free points moves rigidly",
         [](DragFigure& f) {
             edit::CreationInputs in;
             for (Point q :
                  {Point{100, 0}, Point{-100, 0}, Point{0, 50}, Point{0, -50}, Point{60, 40}})
                 in.picked.push_back(f.point(q.x, q.y));
             f.make(Kind::Conic, nullptr, nullptr, nullptr, {}, {}, in);
             return [points = in.picked] {
                 expectAt(*points[0], {100, 10});
                 expectAt(*points[4], {60, 50});
             };
         },
         {-80, 34},
         {-80, 44}},
        {"a picture hanging on a point moves the point",
         [](DragFigure& f) {
             static const model::Picture picture = blackPicture(40, 30);
             edit::CreationInputs in;
             in.picture = &picture;
             Element* p = f.point(-200, 100);
             f.make(Kind::Bitmap, p, nullptr, nullptr, {}, {}, in);
             return [p] { expectAt(*p, {-170, 90}); };
         },
         {-190, 90},
         {-160, 80}},
        {"a point traced by a locus runs the locus's driving point",
         [](DragFigure& f) {
             // The midpoint of (200, 0) and a point on the circle of radius 100 about the
             // origin traces the circle of radius 50 about (100, 0).
             Element* c =
                 f.make(Kind::CircleByCentreAndPoint, f.point(0, 0), f.point(100, 0));
             Element* p = f.make(Kind::PointOnElement, c);
             p->y2 = model::kPi;
             Element* m = f.make(Kind::Midpoint, p, f.point(200, 0));
             f.make(Kind::Locus, m, p);
             return [m] {
                 const Point centre{100, 0};
                 const Point wanted{150, 52};
                 const Point nearest =
                     centre + (wanted - centre) * (50.0 / geometry::dist(centre, wanted));
                 EXPECT_LT(geometry::dist(m->point(), nearest), 0.5);
             };
         },
         {50, 0},
         {150, 52}},
    };
    for (const SingleDragRow& row : rows) {
        SCOPED_TRACE(row.what);
        DragFigure f;
        const std::function<void()> check = row.build(f);
        f.drag(row.from, row.to);
        check();
        EXPECT_EQ(f.doc().modified, 1);
        EXPECT_EQ(f.doc().undoAvailable, 1);
        EXPECT_FALSE(f.session().drag.active);
    }
}

// ---- clicks, Shift, the plane, group drags ---------------------------------------------------

TEST(Drag, APressWithoutMotionSelectsAndChangesNothing) {
    DragFigure f;
    Element* p = f.point(10, 10);
    f.doc().modified = 0;
    f.press({10, 10});
    f.release({10, 10});
    EXPECT_EQ(p->selected, 1);
    f.press({10, 10});
    f.release({10, 10});
    EXPECT_EQ(p->selected, 0);
    // Moves within the drag delay move nothing: the press still selects.
    f.press({10, 10});
    f.moveTo({80, 80});
    f.release({80, 80});
    EXPECT_EQ(p->selected, 1);
    expectAt(*p, {10, 10});
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_EQ(f.doc().undoAvailable, 0); // the previous undo step is kept
}

TEST(Drag, ShiftFreezesTheMotion) {
    DragFigure f;
    Element* p = f.point(10, 10);
    f.press({10, 10});
    f.fire(TimerId::DragDelay);
    f.moveTo({50, 50}, Modifiers{.shift = true});
    expectAt(*p, {10, 10});
    f.moveTo({60, 40});
    expectAt(*p, {60, 40});
    f.release({60, 40});
    EXPECT_EQ(p->selected, 0); // it moved: no toggle
}

TEST(Drag, FreePointsNeverLeaveThePlane) {
    DragFigure f;
    const double h = settings::options().planeSize / 2;
    Element* p = f.point(10, 10);
    f.drag({10, 10}, {h + 4000, -h - 10});
    expectAt(*p, {h, -h});

    // A group keeps its shape at the edge: the displacement stops for all of them.
    Element* a = f.point(100, 100);
    Element* b = f.point(200, 100);
    Element* s = f.make(Kind::Segment, a, f.make(Kind::Midpoint, a, b));
    (void)s;
    f.drag({120, 100}, {120 + 2 * h, 100});
    EXPECT_DOUBLE_EQ(b->x1, h);
    EXPECT_DOUBLE_EQ(b->x1 - a->x1, 100);
}

TEST(Drag, SelectedElementsMoveTheirFreePointsAndValueTextsTogether) {
    DragFigure f;
    Element* a = f.point(0, 0);
    Element* b = f.point(100, 0);
    Element* c = f.point(0, 100);
    Element* d = f.point(100, 100);
    f.make(Kind::Segment, a, b);
    f.make(Kind::Segment, c, d);
    edit::CreationInputs in;
    in.parameterValue = 2;
    Element* parameter = f.make(Kind::Parameter, nullptr, nullptr, nullptr, {}, {-200, 200}, in);
    Element* loose = f.point(-300, -300);
    for (Point click : {Point{50, 0}, Point{50, 100}, Point{-196, 195}}) {
        f.press(click);
        f.release(click);
    }
    ASSERT_EQ(f.doc().construction.selectedCount(), 3);

    f.drag({50, 0}, {50, 30});
    for (const auto& [e, at] : std::vector<std::pair<Element*, Point>>{
             {a, {0, 30}}, {b, {100, 30}}, {c, {0, 130}}, {d, {100, 130}}})
        expectAt(*e, at);
    EXPECT_DOUBLE_EQ(parameter->x2, -200);
    EXPECT_DOUBLE_EQ(parameter->y2, 230);
    expectAt(*loose, {-300, -300});
}

TEST(Drag, AnElementThatCannotMoveByItselfMovesWhatItIsBuiltOn) {
    DragFigure f;
    Element* a = f.point(0, 0);
    Element* b = f.point(100, 0);
    Element* m = f.make(Kind::Midpoint, a, b);
    Element* s = f.make(Kind::Segment, a, m);
    f.drag({25, 0}, {25, 40});
    expectAt(*a, {0, 40});
    expectAt(*b, {100, 40});
    expectAt(*m, {50, 40});
    EXPECT_DOUBLE_EQ(s->y2, 40);
}

TEST(Drag, AnElementBuiltOnNoFreePointDoesNotMove) {
    DragFigure f;
    // A midpoint of two points placed by numbers alone.
    edit::CreationInputs in;
    in.parameterValue = 1;
    Element* x = f.make(Kind::Parameter, nullptr, nullptr, nullptr, {}, {-300, 300}, in);
    Element* p = f.make(Kind::PointByCoordinates, x, x);
    Element* q = f.make(Kind::PointByCoordinates, x, x);
    Element* m = f.make(Kind::Midpoint, p, q);
    m->exists = 1;
    m->x1 = m->y1 = 7;
    const std::string before = f.dump();
    // The press found the midpoint.
    f.session().hover.hits = {m};
    f.session().hover.single = true;
    f.editor.mouseDown(f.event({7, 7}, MouseButton::Left));
    f.fire(TimerId::DragDelay);
    f.moveTo({80, 80});
    f.release({80, 80});
    EXPECT_EQ(f.dump(), before);
    EXPECT_EQ(f.doc().undoAvailable, 0);
}

// ---- undo after each kind of change ----------------------------------------------------------

struct UndoRow {
    const char* what;
    std::function<void(DragFigure&)> build;
    std::function<void(DragFigure&)> change;
};

TEST(Drag, UndoRestoresTheConstructionBeforeEachChangeAndASecondUndoRedoes) {
    const std::vector<UndoRow> rows = {
        {"single drag",
         [](DragFigure& f) { f.make(Kind::Segment, f.point(0, 0), f.point(100, 0)); },
         [](DragFigure& f) { f.drag({0, 0}, {-40, 70}); }},
        {"group drag",
         [](DragFigure& f) {
             Element* a = f.point(0, 0);
             f.make(Kind::Segment, a, f.make(Kind::Midpoint, a, f.point(100, 50)));
         },
         [](DragFigure& f) { f.drag({25, 12}, {25, -60}); }},
        {"name label drag",
         [](DragFigure& f) {
             edit::CreationInputs in;
             in.nameText = "A";
             f.make(Kind::Name, f.point(0, 0), nullptr, nullptr, {}, {}, in)->param1 = 1;
             f.recompute();
         },
         [](DragFigure& f) { f.drag({8, -8}, {20, 30}); }},
        {"segment made by the tool",
         [](DragFigure& f) { f.point(0, 0); },
         [](DragFigure& f) {
             f.editor.selectTool(tool::Segment);
             f.click(0, 0);
             f.click(100, 50);
         }},
        {"hide/show button press",
         [](DragFigure& f) {
             edit::CreationInputs in;
             in.picked = {f.point(100, 100)};
             in.buttonCaption = "Ver";
             Element* b =
                 f.make(Kind::HideShowButton, nullptr, nullptr, nullptr, {}, {-50, 50}, in);
             b->param1 = 1;
         },
         [](DragFigure& f) {
             f.press({-49, 45});
             f.release({-49, 45});
         }},
    };
    for (const UndoRow& row : rows) {
        SCOPED_TRACE(row.what);
        DragFigure f;
        row.build(f);
        f.doc().modified = 0;
        const std::string before = f.dump();
        row.change(f);
        const std::string after = f.dump();
        ASSERT_NE(after, before);
        ASSERT_TRUE(f.editor.canUndo());
        f.editor.undo();
        EXPECT_EQ(f.dump(), before);
        f.editor.undo();
        EXPECT_EQ(f.dump(), after);
    }
}

} // namespace
} // namespace zeva::ui::testing
