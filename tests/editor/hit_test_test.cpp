#include "edit/delete.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "model/construction.h"
#include "model/units.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "tests/editor/fake_host.h"
#include "ui/hit_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::Kind;

// A figure built through the element factory on the fixture's document (world origin at pixel
// (512, 384), one unit per pixel, detection distance 8).
struct Figure : EditorFixture {
    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr, Element* p3 = nullptr,
                  Point a = {}, Point b = {}, const edit::CreationInputs& in = {}) {
        edit::CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        r.x1 = a.x;
        r.y1 = a.y;
        r.x2 = b.x;
        r.y2 = b.y;
        edit::Edit change(doc(), host.fakeView.recomputeContext(), edit::UndoStep::Continue);
        Element* e = edit::createElement(change, r, in);
        change.commit();
        return e;
    }
    Element* point(double x, double y) {
        return make(Kind::FreePoint, nullptr, nullptr, nullptr, {x, y});
    }
    Element* segment(Point a, Point b) {
        return make(Kind::Segment, point(a.x, a.y), point(b.x, b.y));
    }
    Element* name(Element* named, const std::string& text, Point offset) {
        edit::CreationInputs in;
        in.nameText = text;
        Element* n = make(Kind::Name, named, nullptr, nullptr, {}, {}, in);
        n->param1 = 1;
        n->name().dx = offset.x;
        n->name().dy = -offset.y;
        recompute();
        return n;
    }
    void recompute() {
        geometry::recomputeAll(doc().construction, host.fakeView.recomputeContext());
    }
    void tool(ToolCode t) { editor.selectTool(t); }

    // The cursor moved to a world point: the hit list the editor keeps.
    const std::vector<Element*>& hover(double x, double y) {
        MouseEvent e = at(x, y);
        e.button = MouseButton::None;
        host.cursor = render::IPoint{e.x, e.y};
        editor.mouseMove(e);
        return session().hover.hits;
    }
    Kind firstKind() const { return editor.session().hover.hits.front()->kind; }
};

// ---- distances per class: one figure per row, a cursor at a known distance ------------------

struct DistanceRow {
    const char* what;
    std::function<void(Figure&)> build;
    ToolCode tool;
    Point cursor;
    std::optional<Kind> found; // none: nothing under the cursor
};

void circleAt(Figure& f) {
    f.make(Kind::CircleByCentreAndPoint, f.point(0, 0), f.point(100, 0));
}
void upperArc(Figure& f) {
    f.make(Kind::ArcThreePoints, f.point(100, 0), f.point(0, 100), f.point(-100, 0));
}
void rightAngle(Figure& f) { // mark of radius 13 (0.13 of the arms)
    f.make(Kind::Angle, f.point(100, 0), f.point(0, 0), f.point(0, 100));
}
// The midpoint of (200, 0) and a point running on the circle of radius 100 about the origin
// traces the circle of radius 50 about (100, 0).
void midpointLocus(Figure& f) {
    Element* c = f.make(Kind::CircleByCentreAndPoint, f.point(0, 0), f.point(100, 0));
    Element* p = f.make(Kind::PointOnElement, c);
    p->y2 = model::kPi;
    Element* m = f.make(Kind::Midpoint, p, f.point(200, 0));
    f.make(Kind::Locus, m, p);
}
// x²/100² + y²/50² = 1.
void ellipse(Figure& f) {
    edit::CreationInputs in;
    for (Point q : {Point{100, 0}, Point{-100, 0}, Point{0, 50}, Point{0, -50}, Point{60, 40}})
        in.picked.push_back(f.point(q.x, q.y));
    f.make(Kind::Conic, nullptr, nullptr, nullptr, {}, {}, in);
}
void axesAtOrigin(Figure& f) {
    f.make(Kind::Axes, f.point(0, 0));
}
void gridAtOrigin(Figure& f) {
    f.make(Kind::Grid, f.make(Kind::Axes, f.point(0, 0)));
}
// "A" drawn at (40, 20): 8 pixels wide and 14 high on the recording canvas.
void namedPoint(Figure& f) {
    f.name(f.point(0, 0), "A", {40, 20});
}
void button(Figure& f) {
    edit::CreationInputs in;
    in.buttonCaption = "Ver";
    f.make(Kind::HideShowButton, nullptr, nullptr, nullptr, {}, {-50, 50}, in);
}
void text(Figure& f) {
    edit::CreationInputs in;
    in.textLines = {"uno", "dos"};
    f.make(Kind::Text, nullptr, nullptr, nullptr, {-50, 50}, {}, in);
}
// The coordinates of (100, 100) in axes of unit 40 written at (-150, 50): "(+2.50;+2.50)",
// 8 pixels a character: the x value from -142 to -102, the y value from -94 to -54.
void coordinates(Figure& f) {
    Element* c = f.make(Kind::Coordinates, f.point(100, 100), f.make(Kind::Axes, f.point(0, 0)));
    c->param2 = 0; // stays where it is put
    c->x2 = -150;
    c->y2 = 50;
}

TEST(HitTest, DistancesPerClassAreStrictlyBelowTheDetectionDistance) {
    const std::vector<DistanceRow> rows = {
        {"point, 5 away",
         [](Figure& f) { f.point(100, 100); },
         tool::Segment,
         {105, 100},
         Kind::FreePoint},
        {"point, 8 away", [](Figure& f) { f.point(100, 100); }, tool::Segment, {108, 100}, {}},
        {"segment, 7 off its middle",
         [](Figure& f) {
             f.segment({-100, 0}, {100, 0});
         },
         tool::Move,
         {0, 7},
         Kind::Segment},
        {"segment, 8 off its middle",
         [](Figure& f) {
             f.segment({-100, 0}, {100, 0});
         },
         tool::Move,
         {0, 8},
         {}},
        {"segment, 7 beyond its end",
         [](Figure& f) {
             f.segment({-100, 0}, {100, 0});
         },
         tool::Move,
         {110, 0},
         {}},
        {"line, far beyond its points",
         [](Figure& f) { f.make(Kind::LineThroughTwoPoints, f.point(0, 0), f.point(100, 0)); },
         tool::Move,
         {-300, 5},
         Kind::LineThroughTwoPoints},
        {"ray, behind its origin",
         [](Figure& f) { f.make(Kind::RayThroughTwoPoints, f.point(0, 0), f.point(100, 0)); },
         tool::Move,
         {-300, 5},
         {}},
        {"ray, ahead",
         [](Figure& f) { f.make(Kind::RayThroughTwoPoints, f.point(0, 0), f.point(100, 0)); },
         tool::Move,
         {300, 5},
         Kind::RayThroughTwoPoints},
        {"circle, 7 outside", circleAt, tool::Move, {0, 107}, Kind::CircleByCentreAndPoint},
        {"circle, 8 inside", circleAt, tool::Move, {0, 92}, {}},
        {"arc, on its side", upperArc, tool::Move, {70, 75}, Kind::ArcThreePoints},
        {"arc, the other half of its circle", upperArc, tool::Move, {70, -75}, {}},
        {"angle mark, across", rightAngle, tool::Move, {10, 10}, Kind::Angle},
        {"angle mark, the other quadrant", rightAngle, tool::Move, {-10, -10}, {}},
        {"locus, 5 outside its curve", midpointLocus, tool::Move, {155, 0}, Kind::Locus},
        {"locus, 10 inside", midpointLocus, tool::Move, {140, 0}, {}},
        {"conic, by its side", ellipse, tool::Move, {-80, 34}, Kind::Conic},
        {"conic, inside", ellipse, tool::Move, {-80, 15}, {}},
        {"axes, the move tool takes the axes", axesAtOrigin, tool::Move, {200, 3}, Kind::Axes},
        {"axes, a line tool takes the x axis", axesAtOrigin, tool::Line, {200, 3}, Kind::AxisX},
        {"axes, a line tool takes the y axis", axesAtOrigin, tool::Line, {3, -200}, Kind::AxisY},
        {"grid, by a node", gridAtOrigin, tool::Move, {42, 43}, Kind::Grid},
        {"grid, between nodes", gridAtOrigin, tool::Point, {20, 60}, {}},
        {"name, in its box", namedPoint, tool::Move, {45, 15}, Kind::Name},
        {"name, right of its box", namedPoint, tool::Move, {49, 15}, {}},
        {"button, on its face", button, tool::Move, {-49, 51}, Kind::HideShowButton},
        {"text, second line", text, tool::Move, {-40, 30}, Kind::Text},
        {"text, below it", text, tool::Move, {-40, 10}, {}},
        {"coordinates, whole with the move tool",
         coordinates,
         tool::Move,
         {-80, 45},
         Kind::Coordinates},
        {"coordinates, the y value with the calculator",
         coordinates,
         tool::Calculate,
         {-80, 45},
         Kind::CoordinateY},
        {"coordinates, the x value with the calculator",
         coordinates,
         tool::Calculate,
         {-120, 45},
         Kind::CoordinateX},
    };
    for (const DistanceRow& row : rows) {
        SCOPED_TRACE(row.what);
        Figure f;
        row.build(f);
        f.tool(row.tool);
        const auto& hits = f.hover(row.cursor.x, row.cursor.y);
        if (!row.found) {
            EXPECT_TRUE(hits.empty()) << model::kindName(hits.front()->kind);
            continue;
        }
        ASSERT_EQ(hits.size(), 1u);
        EXPECT_EQ(f.firstKind(), *row.found);
    }
}

TEST(HitTest, PolygonsOfferTheirSideToToolsThatTakeStraightElements) {
    Figure f;
    edit::CreationInputs in;
    in.picked = {f.point(-100, -100), f.point(100, -100), f.point(0, 100)};
    Element* triangle = f.make(Kind::Polygon, nullptr, nullptr, nullptr, {}, {}, in);
    // With the area tool the polygon itself, the side remembered for the later steps.
    f.tool(tool::Area);
    ASSERT_EQ(f.hover(0, -104).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], triangle);
    EXPECT_EQ(f.session().hover.sideOf(triangle), 0);
    EXPECT_EQ(triangle->x1, 0.0); // the polygon itself is not written
    // The slope tool takes the side.
    f.tool(tool::Slope);
    ASSERT_EQ(f.hover(-50, 0).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], triangle->polygon().sides[2].get());
}

TEST(HitTest, AxisTickUnderTheCursorIsRecordedAndMakesTheAxesDraggable) {
    Figure f;
    Element* origin = f.point(0, 0);
    Element* axes = f.make(Kind::Axes, origin);
    f.make(Kind::Midpoint, origin, f.point(0, 400)); // the origin stays free
    f.tool(tool::Move);
    f.hover(81, 2); // the tick of 2 on the x axis (one tick every 40 pixels)
    ASSERT_TRUE(f.session().hover.unitMark);
    EXPECT_EQ(f.session().hover.unitMark->axes, axes);
    EXPECT_FALSE(f.session().hover.unitMark->yAxis);
    EXPECT_DOUBLE_EQ(f.session().hover.unitMark->k, 2.0);
    EXPECT_EQ(f.host.label.text, " " + settings::texts().shortText(settings::kWordUnit) + " ");
    f.hover(-121, 2);
    EXPECT_DOUBLE_EQ(f.session().hover.unitMark->k, -3.0);
    f.hover(100, 2); // between ticks
    EXPECT_FALSE(f.session().hover.unitMark);
}

// ---- ranking -------------------------------------------------------------------------------

TEST(HitTest, PointsUnderTheCursorMoveToolTakesTheLastDraggableConstructionToolsKeepAll) {
    Figure f;
    Element* m = f.make(Kind::Midpoint, f.point(0, 0), f.point(20, 0)); // at (10, 0), fixed
    Element* free = f.point(13, 0);
    f.make(Kind::Midpoint, f.point(-100, 0), f.point(124, 0)); // at (12, 0), fixed
    f.tool(tool::Move);
    ASSERT_EQ(f.hover(11, 0).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], free);
    EXPECT_EQ(f.host.cursorNumber, cursor::Draggable);

    // Only fixed points: the first one.
    f.doc().construction.deleteElement(free);
    ASSERT_EQ(f.hover(11, 0).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], m);
    EXPECT_EQ(f.host.cursorNumber, cursor::Select);

    // A construction tool keeps both, and a click asks which.
    f.tool(tool::Segment);
    ASSERT_EQ(f.hover(11, 0).size(), 2u);
    EXPECT_TRUE(f.session().hover.ambiguous);
    EXPECT_EQ(f.host.cursorNumber, cursor::Ambiguous);
    const std::string various = settings::texts().message(settings::kMsgVarious);
    EXPECT_EQ(f.host.label.text, " " + various + " ");
    EXPECT_EQ(f.host.status, "[ " + various + " ]");
    f.editor.mouseDown(f.at(11, 0));
    ASSERT_EQ(f.host.chooserItems.size(), 2u);
    EXPECT_EQ(f.host.chooserItems[0], settings::texts().kindName(Kind::Midpoint));
    EXPECT_FALSE(f.session().hover.ambiguous);
    EXPECT_TRUE(f.session().hover.hits.empty());
    f.editor.chooserClosed(1);
    ASSERT_EQ(f.session().hover.hits.size(), 1u);
    EXPECT_TRUE(f.session().hover.single);
    EXPECT_NE(f.session().hover.hits[0], m);
}

TEST(HitTest, ChooserWithTheMoveToolFlipsTheSelectionWithTheHiddenNameLabel) {
    Figure f;
    Element* a = f.make(Kind::LineThroughTwoPoints, f.point(-100, -100), f.point(100, 100));
    f.make(Kind::LineThroughTwoPoints, f.point(-100, 100), f.point(100, -100));
    Element* label = f.name(a, "r", {200, 0});
    label->param1 = 0;
    f.tool(tool::Move);
    ASSERT_EQ(f.hover(3, 0).size(), 2u); // no snap with the move tool
    f.editor.mouseDown(f.at(3, 0, MouseButton::Right));
    const int redraws = f.host.fakeView.redraws;
    f.editor.chooserClosed(0);
    EXPECT_EQ(a->selected, 1);
    EXPECT_EQ(label->selected, 1);
    EXPECT_GT(f.host.fakeView.redraws, redraws);
    EXPECT_FALSE(f.doc().undoAvailable); // selection is no change of the construction
    // A dismissed menu, or an answer about an element deleted meanwhile, changes nothing.
    a->selected = label->selected = 0;
    ASSERT_EQ(f.hover(3, 0).size(), 2u);
    f.editor.mouseDown(f.at(3, 0));
    {
        edit::Edit change(f.doc(), f.host.fakeView.recomputeContext(), edit::UndoStep::Continue);
        edit::deleteWithDependents(change, *a);
    }
    f.editor.chooserClosed(0);
    EXPECT_FALSE(f.session().hover.single);
}

TEST(HitTest, APointOnALineIsReportedAlone) {
    Figure f;
    Element* line = f.make(Kind::LineThroughTwoPoints, f.point(-100, 0), f.point(100, 0));
    Element* p = f.make(Kind::PointOnElement, line);
    p->y2 = 0.75;
    f.recompute();
    ASSERT_EQ(p->y1, 0.0);
    for (ToolCode t : {tool::Segment, tool::Midpoint, tool::Move}) {
        f.tool(t);
        ASSERT_EQ(f.hover(p->x1 + 2, 2).size(), 1u) << t;
        EXPECT_EQ(f.session().hover.hits[0], p);
    }
}

TEST(HitTest, NearACrossingThePointToolsAreOfferedTheIntersection) {
    Figure f;
    Element* l1 = f.make(Kind::LineThroughTwoPoints, f.point(-100, -100), f.point(100, 100));
    Element* l2 = f.make(Kind::LineThroughTwoPoints, f.point(-100, 100), f.point(100, -100));
    f.tool(tool::Point);
    ASSERT_EQ(f.hover(3, 1).size(), 1u);
    const Element& x = *f.session().hover.hits[0];
    EXPECT_EQ(x.kind, Kind::IntersectionCandidate);
    EXPECT_NEAR(x.x1, 0.0, 1e-9);
    EXPECT_NEAR(x.y1, 0.0, 1e-9);
    EXPECT_TRUE((x.parent1 == l1 && x.parent2 == l2) || (x.parent1 == l2 && x.parent2 == l1));
    EXPECT_EQ(x.param1, 0); // the code of a line-line crossing
    EXPECT_EQ(f.host.label.text,
              " " + settings::texts().classWord(model::ElementClass::Intersection) + " ");
    EXPECT_EQ(f.doc().construction.countOf(), 6); // never part of the construction

    // Along a line, away from the crossing: the line (ready for a point on it).
    ASSERT_EQ(f.hover(30, 31).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], l1);
}

TEST(HitTest, TheNearerOfTwoCrossingsOfALineAndACircle) {
    Figure f;
    f.make(Kind::CircleByCentreAndPoint, f.point(0, 0), f.point(0, 100));
    f.make(Kind::LineThroughTwoPoints, f.point(-300, 1), f.point(300, 1));
    f.tool(tool::Segment);
    const double x = std::sqrt(100.0 * 100.0 - 1.0);
    for (double side : {1.0, -1.0}) {
        ASSERT_EQ(f.hover(side * 101, 3).size(), 1u);
        const Element& e = *f.session().hover.hits[0];
        EXPECT_EQ(e.kind, Kind::IntersectionCandidate);
        EXPECT_NEAR(e.x1, side * x, 1e-9);
        EXPECT_NEAR(e.y1, 1.0, 1e-9);
    }
}

TEST(HitTest, PendingInputsAreNotOfferedAgainButAPolygonClosesOnItsFirstVertex) {
    Figure f;
    Element* a = f.point(0, 0);
    Element* b = f.point(100, 0);
    Element* c = f.point(0, 100);
    f.tool(tool::Segment);
    f.session().tool.pendingInputs = {a};
    EXPECT_TRUE(f.hover(1, 1).empty());
    EXPECT_EQ(f.hover(101, 1).size(), 1u);

    f.tool(tool::Polygon);
    f.session().tool.pendingInputs = {a, b, c};
    ASSERT_EQ(f.hover(1, 1).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], a);
    EXPECT_TRUE(f.hover(101, 1).empty());
    EXPECT_TRUE(f.hover(1, 101).empty());

    // The trace tool toggles what it is given.
    f.tool(tool::Trace);
    f.session().tool.pendingInputs = {a};
    EXPECT_EQ(f.hover(1, 1).size(), 1u);
}

TEST(HitTest, AtMostTheFirstHundredInConstructionOrder) {
    Figure f;
    std::vector<Element*> points;
    for (int i = 0; i < 150; ++i)
        points.push_back(f.point(i % 5, 0));
    f.tool(tool::Segment);
    const auto& hits = f.hover(2, 0);
    ASSERT_EQ(hits.size(), 100u);
    for (size_t i = 0; i < hits.size(); ++i)
        EXPECT_EQ(hits[i], points[i]);
}

TEST(HitTest, HiddenElementsOnlyWithShowHiddenPlaceholdersNever) {
    Figure f;
    Element* hidden = f.point(0, 0);
    hidden->visible = 0;
    Element* placeholder = f.point(50, 0);
    placeholder->visible = 100;
    f.tool(tool::Segment);
    EXPECT_TRUE(f.hover(0, 0).empty());
    f.session().showHidden = true;
    EXPECT_EQ(f.hover(0, 0).size(), 1u);
    EXPECT_TRUE(f.hover(50, 0).empty());
}

TEST(HitTest, LabelsAndSelectedElementsComeBeforeTheCurvesUnderThem) {
    Figure f;
    Element* s1 = f.segment({-100, 20}, {100, 20});
    Element* s2 = f.segment({-100, 24}, {100, 24});
    f.tool(tool::Move);
    EXPECT_EQ(f.hover(0, 22).size(), 2u);
    s2->selected = 1;
    ASSERT_EQ(f.hover(0, 22).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], s2);
    // A name label drawn over the segments wins over both.
    Element* label = f.name(s1, "s", {0, 0});
    label->name().anchorX = -2;
    label->name().anchorY = 26;
    ASSERT_EQ(f.hover(0, 22).size(), 1u);
    EXPECT_EQ(f.session().hover.hits[0], label);
}

// ---- feedback ------------------------------------------------------------------------------

TEST(HitTest, LabelStatusAndCursorFollowWhatIsFound) {
    Figure f;
    Element* a = f.point(0, 0);
    a->color = 0x123456;
    f.name(a, "A", {30, 30});
    f.tool(tool::Move);
    f.hover(2, 1);
    EXPECT_TRUE(f.session().hover.single);
    EXPECT_EQ(f.host.label.text, " " + settings::texts().kindWord(Kind::FreePoint) + " A ");
    EXPECT_EQ(f.host.status, "[ " + settings::texts().kindName(Kind::FreePoint) + " ]");
    EXPECT_EQ(f.host.cursorNumber, cursor::Draggable);
    EXPECT_EQ(f.host.label.color, 0x123456);
    // The move tool's cursor needs the room below the hot spot.
    EXPECT_EQ(f.host.label.position.x, 514);
    EXPECT_EQ(f.host.label.position.y, 383 + 18);

    // A construction tool: the label at the cursor, in the cursor font's colour when asked.
    settings::options().adaptCursorColor = 0;
    f.tool(tool::Segment);
    f.hover(2, 1);
    EXPECT_EQ(f.host.label.position.y, 383);
    EXPECT_EQ(f.host.label.color, settings::options().cursorFont.color);
    settings::options().adaptCursorColor = 1;

    // Nothing: the label goes, the tool's cursor and message come back.
    f.hover(200, 200);
    EXPECT_TRUE(f.host.label.text.empty());
    EXPECT_FALSE(f.session().hover.single);
    EXPECT_EQ(f.host.status, settings::texts().toolText(tool::Segment));

    // Near the right edge the label ends at the edge.
    f.point(505, 0);
    f.hover(505, 0);
    const int width = static_cast<int>(f.host.label.text.size()) * 8;
    EXPECT_EQ(f.host.label.position.x, 1024 - width);

    // Ctrl hides it.
    f.editor.keyDown({Key::Control, {false, true, false}, false});
    EXPECT_TRUE(f.host.label.text.empty());
    EXPECT_FALSE(f.session().hover.single);
}

TEST(HitTest, CalculationsShowTheirExpressionInTheStatusText) {
    Figure f;
    edit::CreationInputs in;
    in.formula = "2+3";
    Element* calc = f.make(Kind::Calculation, nullptr, nullptr, nullptr, {}, {0, 0}, in);
    calc->x2 = 0;
    calc->y2 = 0;
    calc->param2 = 0;
    f.tool(tool::Move);
    ASSERT_EQ(f.hover(2, -2).size(), 1u);
    EXPECT_EQ(f.host.status, "[ " + settings::texts().kindName(Kind::Calculation) + ": 2+3 ]");
}

} // namespace
} // namespace zeva::ui::testing
