// The tools' edge cases, the edit tools, the windows' answers, blinking and previews.
#include "tests/support/edits.h"
#include "document/undo.h"
#include "geometry/intersections.h"
#include "tests/editor/tool_script.h"
#include "ui/regular_polygon_sides.h"

#include <gtest/gtest.h>

namespace zeva::ui::testing {
namespace {

using model::Kind;

const render::IPoint kA{512, 384}, kB{612, 384}, kC{512, 284};

struct Figured : ::testing::Test {
    EditorFixture f;
    Figure fig = buildFigure(f);
    void press(render::IPoint px, const std::string& on = {}) { pressAt(f, fig, px, on); }
    std::vector<model::Element*> made() { return madeAfter(f, fig); }
};

TEST_F(Figured, ThePointToolNearACrossingMakesTheIntersection) {
    f.editor.selectTool(tool::Point);
    // Near B, where AB and BC cross: the hit test offers the crossing itself.
    MouseEvent e;
    e.x = 615;
    e.y = 386;
    f.host.cursor = render::IPoint{e.x, e.y};
    f.editor.mouseMove(e);
    const HoverState& h = f.session().hover;
    ASSERT_TRUE(h.single);
    ASSERT_EQ(h.hits.front()->kind, Kind::IntersectionCandidate);
    e.button = MouseButton::Left;
    f.editor.mouseDown(e);
    ASSERT_EQ(made().size(), 1u);
    const model::Element* p = made()[0];
    EXPECT_EQ(p->kind, Kind::Intersection);
    EXPECT_EQ(p->param2, 0); // the candidate's mark is not kept
    EXPECT_NEAR(p->x1, 100, 1e-9);
    EXPECT_NEAR(p->y1, 0, 1e-9);
}

TEST_F(Figured, AbandoningALineRemovesThePointItsFirstClickMade) {
    f.editor.selectTool(tool::Line);
    press({700, 200});
    ASSERT_EQ(made().size(), 1u);
    f.editor.selectTool(tool::Move); // what Esc does
    EXPECT_TRUE(made().empty());
    EXPECT_EQ(f.doc().construction.countOf(), fig.count);
}

TEST_F(Figured, AConstructionWithAuxiliaryPointsIsOneUndoStep) {
    f.doc().modified = 0;
    f.editor.selectTool(tool::Segment);
    press({300, 300});
    press({350, 350});
    ASSERT_EQ(made().size(), 3u);
    EXPECT_EQ(f.doc().modified, 1);
    document::undo(f.doc());
    EXPECT_EQ(f.doc().construction.countOf(), fig.count);
    EXPECT_EQ(f.doc().modified, 0);
}

TEST_F(Figured, ARefusedDisplacementKeepsItsPicksAndTheToolStartsAgain) {
    f.editor.selectTool(tool::Displacement);
    press(kA, "A");
    press({512, 484}, "c");
    press({118, 90}, "n");
    EXPECT_TRUE(made().empty());
    EXPECT_EQ(f.session().tool.step, 0);
    EXPECT_EQ(f.session().tool.acceptCounts, acceptRowOf(tool::Displacement));
}

TEST_F(Figured, APolygonClosesOnADoubleClick) {
    f.editor.selectTool(tool::Polygon);
    press({300, 300});
    press({350, 300});
    press({320, 250});
    MouseEvent e;
    e.x = 320;
    e.y = 250;
    f.editor.doubleClick(e);
    ASSERT_EQ(made().size(), 4u);
    EXPECT_EQ(made()[3]->kind, Kind::Polygon);
    EXPECT_EQ(made()[3]->polygon().sides.size(), 3u);
}

TEST_F(Figured, AnIntersectionWithALocusShowsTheWaitCursorWhileItsCrossingsAreMade) {
    f.editor.selectTool(tool::Locus);
    press({532, 344}, "M");
    press({452, 304}, "P");
    ASSERT_EQ(made().size(), 1u);
    model::Element* locus = made()[0];
    f.editor.selectTool(tool::Intersection);
    pressOn(f, {515, 401}, locus);
    press({700, 384}, "AB");
    EXPECT_EQ(f.host.waitCursorShown, 1);
    EXPECT_EQ(f.host.waitCursorOn, 0);
    // The midpoint of B and a point running round c crosses y = 0 twice.
    const auto points = made();
    ASSERT_EQ(points.size(), 3u);
    for (size_t i = 1; i < points.size(); ++i) {
        EXPECT_EQ(points[i]->kind, Kind::Intersection);
        EXPECT_EQ(points[i]->param1, geometry::kLocusCrossing);
    }
}

// ---- the edit tools ----------------------------------------------------------------------

struct EditCase {
    const char* name;
    ToolCode tool;
    render::IPoint px;
    const char* on;
    std::function<void(const Figure&, EditorFixture&)> check;
};

std::ostream& operator<<(std::ostream& os, const EditCase& c) {
    return os << c.name;
}

const EditCase kEditCases[] = {
    {"HideAPointAndItsName", tool::HideShow, {512, 284}, "C",
     [](const Figure& fig, EditorFixture&) { EXPECT_EQ(fig["C"]->visible, 0); }},
    {"DeleteWithDependents", tool::DeleteElement, {612, 384}, "B",
     [](const Figure& fig, EditorFixture& f) {
         // Gone: B, the lines AB and BC, the circle c with P and M on it, the angle BAC.
         int left = 0;
         for (const model::Element* e : f.doc().construction) {
             ++left;
             for (const char* gone : {"B", "AB", "BC", "c", "P", "M", "ang"})
                 EXPECT_NE(e, fig[gone]) << gone;
         }
         EXPECT_EQ(left, fig.count - 7);
         EXPECT_TRUE(f.session().hover.hits.empty());
     }},
    {"ColourFromTheColourPanel", tool::Colour, {700, 384}, "AB",
     [](const Figure& fig, EditorFixture& f) {
         EXPECT_EQ(fig["AB"]->color, 255);
         EXPECT_TRUE(f.session().tool.useCurrentColor);
     }},
    {"FillColour", tool::FillColour, {512, 484}, "c",
     [](const Figure& fig, EditorFixture&) { EXPECT_EQ(fig["c"]->param1, 255); }},
    {"PointShapeCross", tool::PointShapeNormal + 1, {512, 384}, "A",
     [](const Figure& fig, EditorFixture&) { EXPECT_EQ(fig["A"]->style, 4); }},
    {"LineShapeDotted", tool::LineShapeNormal + 1, {700, 384}, "AB",
     [](const Figure& fig, EditorFixture&) { EXPECT_EQ(fig["AB"]->style, 3); }},
    {"AngleShapeTwo", tool::AngleShapeOne + 1, {521, 375}, "ang",
     [](const Figure& fig, EditorFixture&) { EXPECT_EQ(fig["ang"]->style, 2); }},
};

class EditTool : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditTool, ChangesTheClickedElementAsOneUndoStep) {
    const EditCase& c = GetParam();
    EditorFixture f;
    Figure fig = buildFigure(f);
    f.doc().modified = 0;
    f.editor.selectTool(c.tool);
    pressAt(f, fig, c.px, c.on);
    c.check(fig, f);
    EXPECT_EQ(f.doc().modified, 1);
    ASSERT_TRUE(document::undo(f.doc()));
    EXPECT_EQ(f.doc().construction.countOf(), fig.count);
    EXPECT_EQ(f.doc().modified, 0);
}

INSTANTIATE_TEST_SUITE_P(Each, EditTool, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Figured, TheFontToolAsksAndStoresTheFontKeepingAColourThatWouldVanish) {
    model::Element* n = fig["n"];
    n->color = 0x00FFFF;
    f.editor.selectTool(tool::Font);
    press({118, 90}, "n");
    ASSERT_TRUE(f.host.fontRequest);
    EXPECT_EQ(f.host.fontRequest->color, 0x00FFFF);
    model::ElementFont chosen = *f.host.fontRequest;
    chosen.size = 20;
    chosen.color = f.doc().units.backgroundColor; // would make the value invisible
    f.editor.fontDialogClosed(chosen);
    EXPECT_EQ(n->font->size, 20);
    EXPECT_EQ(n->font->color, 0x00FFFF);
    EXPECT_EQ(n->color, 0x00FFFF);
}

// ---- windows and their answers -------------------------------------------------------------

TEST_F(Figured, EditingATextHidesItWhileTheDialogIsOpenAndEmptyLinesDeleteIt) {
    f.editor.selectTool(tool::Text);
    press({700, 200});
    f.editor.textDialogClosed({true, {"hola"}, settings::options().textFont});
    ASSERT_EQ(made().size(), 1u);
    model::Element* text = made()[0];

    f.editor.selectTool(tool::EditElement);
    pressOn(f, {705, 205}, text);
    EXPECT_EQ(text->visible, 0);
    ASSERT_TRUE(f.host.textRequest);
    EXPECT_EQ(f.host.textRequest->lines, std::vector<std::string>{"hola"});
    f.editor.textDialogClosed({true, {"adiós", "mundo"}, f.host.textRequest->font});
    EXPECT_EQ(text->visible, 1);
    EXPECT_EQ(text->text().lines, (std::vector<std::string>{"adiós", "mundo"}));
    EXPECT_EQ(text->param1, 2);

    pressOn(f, {705, 205}, text);
    f.editor.textDialogClosed({true, {"", ""}, f.host.textRequest->font});
    EXPECT_TRUE(made().empty());
    document::undo(f.doc()); // the snapshot taken when the dialog opened
    ASSERT_EQ(made().size(), 1u);
    EXPECT_EQ(made()[0]->text().lines, (std::vector<std::string>{"adiós", "mundo"}));
}

TEST_F(Figured, ACancelledTextMakesNothing) {
    f.editor.selectTool(tool::Text);
    press({700, 200});
    f.editor.textDialogClosed({false, {"hola"}, settings::options().textFont});
    EXPECT_TRUE(made().empty());
    EXPECT_EQ(f.session().tool.active, tool::Move);
}

TEST_F(Figured, APictureThatDoesNotLoadShowsTheMessageAndMakesNothing) {
    f.editor.selectTool(tool::InsertBitmap);
    press({700, 200});
    PictureAnswer a;
    a.outcome = PictureAnswer::Outcome::Unreadable;
    f.editor.pictureDialogClosed(a);
    EXPECT_TRUE(made().empty());
    ASSERT_EQ(f.host.notices.size(), 1u);
    EXPECT_EQ(f.host.notices[0].first, MessageIcon::Warning);
    EXPECT_EQ(f.host.notices[0].second, settings::texts().message(settings::kMsgPictureNotLoaded));
    EXPECT_FALSE(f.host.notices[0].second.empty());
}

TEST_F(Figured, ParametricColoursTakeTheWindowsModeNegatedForTheFill) {
    for (ToolCode t : {tool::ParametricColour, tool::ParametricFillColour}) {
        f.editor.selectTool(t);
        press({512, 484}, "c");
        EXPECT_EQ(f.session().tool.acceptCounts[model::toInt(model::ElementClass::Number)], 1);
        EXPECT_EQ(f.session().tool.acceptCounts[model::toInt(model::ElementClass::Circle)], 0);
        press({118, 90}, "n");
        f.editor.parametricColourClosed(3);
        EXPECT_EQ(fig["c"]->colorSource, fig["n"]);
        EXPECT_EQ(fig["c"]->colorMode, t == tool::ParametricColour ? 3 : -3);
        EXPECT_EQ(f.session().tool.step, 0);
    }
}

TEST_F(Figured, PicksForOtherWindowsAreHandedOver) {
    f.editor.selectTool(tool::Calculate);
    press({118, 90}, "n");
    f.editor.selectTool(tool::Animation);
    press({452, 304}, "P");
    f.doc().animatedElements()[0].playing = 0;
    press({452, 304}, "P"); // already listed: not twice, but playing again
    EXPECT_EQ(f.host.handedOver, (std::vector<model::Element*>{fig["n"], fig["P"], fig["P"]}));
    ASSERT_EQ(f.doc().animatedElements().size(), 1u);
    EXPECT_EQ(f.doc().animatedElements()[0].element, fig["P"]);
    EXPECT_EQ(f.doc().animatedElements()[0].playing, 1);
    // With a single axes element, plotting points opens its window at once.
    f.editor.selectTool(tool::PlotPoints);
    EXPECT_EQ(f.host.opened.back(), "point by coordinates");
    EXPECT_EQ(f.session().tool.active, tool::Animation);
}

// ---- blinking and previews -----------------------------------------------------------------

TEST_F(Figured, PendingInputsBlinkInTheSelectionColourThenInTheirOwn) {
    f.editor.selectTool(tool::Midpoint);
    press(kA, "A");
    ASSERT_TRUE(f.host.timerRunning(TimerId::Blink));
    auto& base = f.host.fakeView.base;
    base.clear();
    f.fire(TimerId::Blink);
    const auto on = base.calls;
    ASSERT_FALSE(on.empty());
    EXPECT_EQ(on.back().pen.color, settings::options().selectionColor);
    base.clear();
    f.fire(TimerId::Blink);
    ASSERT_FALSE(base.calls.empty());
    EXPECT_EQ(base.calls.back().brush.color, fig["A"]->color);
}

TEST_F(Figured, APreviewIsDrawnOverACopyOfTheBitmapWithoutRedrawingTheFigure) {
    f.editor.selectTool(tool::Segment);
    press(kA, "A");
    const int redraws = f.host.fakeView.redraws;
    const int previews = f.host.fakeView.previews;
    MouseEvent move;
    for (int x = 600; x < 610; ++x) {
        move.x = x;
        move.y = 200;
        f.editor.mouseMove(move);
    }
    EXPECT_EQ(f.host.fakeView.redraws, redraws);
    EXPECT_EQ(f.host.fakeView.previews, previews + 10);
    const auto lines = f.host.fakeView.preview.callsOf("lineTo");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().pen.color, settings::options().colorOf(model::ElementClass::Segment));

    // With the colour panel's colour chosen for the next tool, the preview takes it.
    f.editor.selectTool(tool::Colour);
    f.editor.selectTool(tool::Circle);
    press(kA, "A");
    f.editor.mouseMove(move);
    const auto arcs = f.host.fakeView.preview.calls;
    ASSERT_FALSE(arcs.empty());
    EXPECT_EQ(arcs.back().pen.color, f.session().tool.currentColor);
}

TEST_F(Figured, TheRegularPolygonFollowsTheCursor) {
    f.editor.selectTool(tool::RegularPolygon);
    press(kA, "A");
    press(kB, "B");
    const ToolState& t = f.session().tool;
    EXPECT_EQ(t.regularSides, 30); // the first preview
    MouseEvent move;
    move.x = 512 + 50;
    move.y = 384 - 86; // a little less than 60 degrees on from B
    f.editor.mouseMove(move);
    EXPECT_EQ(t.regularSides, 6);
    EXPECT_EQ(t.regularTurns, 1);
    EXPECT_NE(f.host.fakeView.preview.log().find("textOut"), std::string::npos);
}

struct ChoiceCase {
    double degrees; // where the cursor is, counterclockwise from the first vertex
    PolygonChoice expected;
};

TEST(RegularPolygonChoice, SideAndTurnCountFollowTheAngle) {
    EXPECT_EQ(kStarPolygons.front(), (PolygonChoice{5, 2}));
    EXPECT_EQ(kStarPolygons[1], (PolygonChoice{7, 2}));
    EXPECT_EQ(kStarPolygons[3], (PolygonChoice{8, 3}));
    EXPECT_EQ(kStarPolygons.back(), (PolygonChoice{30, 13}));
    const ChoiceCase cases[] = {
        {120, {3, 1}},
        {90, {4, 1}},
        {89, {4, 1}},
        {72, {5, 1}},
        {1, {30, 1}},
        {0, {30, 1}},
        {179, {3, 1}},
        {216, {5, 2}}, // 144 degrees clockwise: {5/2}
        {360 - 3 * 360.0 / 7, {7, 3}},
        {360 - 13 * 12.0, {30, 13}},
    };
    for (const ChoiceCase& c : cases) {
        const double a = c.degrees * model::kPi / 180;
        const PolygonChoice got =
            regularPolygonFor({0, 0}, {100, 0}, {100 * std::cos(a), 100 * std::sin(a)});
        EXPECT_EQ(got, c.expected) << c.degrees << " degrees: " << got.sides << "/" << got.turns;
    }
}

} // namespace
} // namespace zeva::ui::testing

namespace zeva::ui::testing {
namespace {

TEST_F(Figured, TheStatusShowsThePromptOfTheToolsPresentStep) {
    settings::TextTable& t = settings::texts();
    t.set(3020, "primer punto");
    t.set(3021, "segundo punto");
    f.editor.selectTool(tool::Line);
    const std::string message = t.toolText(tool::Line);
    EXPECT_EQ(f.host.status, message + " - primer punto");
    press({300, 300});
    EXPECT_EQ(f.host.status, message + " - segundo punto");
    press({350, 300}); // the new line is under the cursor and named in the status
    MouseEvent away;
    away.x = 330;
    away.y = 200;
    f.editor.mouseMove(away);
    EXPECT_EQ(f.host.status, message + " - primer punto");
    t.set(3020, "");
    t.set(3021, "");
    // A polygon's later vertices keep the prompt of its last step.
    t.set(3109, "otro vértice");
    EXPECT_EQ(t.stepPrompt(tool::Polygon, 25), "otro vértice");
    t.set(3109, "");
}

} // namespace
} // namespace zeva::ui::testing

namespace zeva::ui::testing {
namespace {

TEST_F(Figured, AfterACheckerTheMoveToolDragsItsResultUntilTheRelease) {
    f.editor.selectTool(tool::CheckEquidistance);
    press(kA, "A");
    press(kB, "B");
    MouseEvent e;
    e.x = kC.x;
    e.y = kC.y;
    f.host.cursor = kC;
    f.editor.mouseMove(e);
    e.button = MouseButton::Left;
    f.editor.mouseDown(e);
    ASSERT_EQ(made().size(), 1u);
    const Session& s = f.session();
    EXPECT_EQ(s.tool.active, tool::Move);
    EXPECT_EQ(s.hover.hits, std::vector<model::Element*>{made()[0]});
    EXPECT_TRUE(s.drag.afterCreation); // its creation is the undo step, not the drag
    EXPECT_TRUE(f.host.timerRunning(TimerId::DragDelay));
    f.editor.mouseUp(e);
    EXPECT_FALSE(s.drag.afterCreation);
}

} // namespace
} // namespace zeva::ui::testing

namespace zeva::ui::testing {
namespace {

// Axes on the origin with a grid, and a second pair of axes far away.
struct GridFigure : ::testing::Test {
    EditorFixture f;
    model::Element* axes = nullptr;
    model::Element* grid = nullptr;
    model::Element* otherAxes = nullptr;

    void SetUp() override {
        document::Document& d = f.doc();
        auto make = [&](Kind kind, model::Element* parent, double x = 0, double y = 0) {
            edit::CreationRequest r;
            r.kind = kind;
            r.parent1 = parent;
            r.x1 = x;
            r.y1 = y;
            return zeva::testing::create(d, r);
        };
        axes = make(Kind::Axes, make(Kind::FreePoint, nullptr));
        grid = make(Kind::Grid, axes);
        otherAxes = make(Kind::Axes, make(Kind::FreePoint, nullptr, -400, -300));
        geometry::recomputeAll(d.construction, f.host.fakeView.recomputeContext());
    }
};

TEST_F(GridFigure, APointOnAGridSnapsToTheNearestNode) {
    f.editor.selectTool(tool::Point);
    MouseEvent e;
    e.x = 512 + 83; // near the node (2, 2) of axes of unit 40
    e.y = 384 - 78;
    f.host.cursor = render::IPoint{e.x, e.y};
    f.editor.mouseMove(e);
    ASSERT_TRUE(f.session().hover.single);
    ASSERT_EQ(f.session().hover.hits.front(), grid);
    e.button = MouseButton::Left;
    f.editor.mouseDown(e);
    const model::Element* p = f.doc().construction.lastElement;
    EXPECT_EQ(p->kind, Kind::GridPoint);
    EXPECT_EQ(p->parent1, grid);
    EXPECT_NEAR(p->x1, 80, 1e-9);
    EXPECT_NEAR(p->y1, 80, 1e-9);
}

TEST_F(GridFigure, PlottingPointsOnOneOfSeveralAxesOpensItsWindowOnThem) {
    f.editor.selectTool(tool::PlotPoints);
    ASSERT_EQ(f.session().tool.active, tool::PlotPoints);
    MouseEvent e;
    e.x = 512 - 400 + 100; // on the x axis of the second axes
    e.y = 384 + 300;
    f.host.cursor = render::IPoint{e.x, e.y};
    f.editor.mouseMove(e);
    ASSERT_TRUE(f.session().hover.single);
    ASSERT_EQ(f.session().hover.hits.front(), otherAxes);
    e.button = MouseButton::Left;
    f.editor.mouseDown(e);
    EXPECT_EQ(f.host.opened.back(), "point by coordinates");
}

} // namespace
} // namespace zeva::ui::testing
