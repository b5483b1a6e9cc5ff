// One scripted construction per tool: presses at drawing-area pixels on the known figure, and
// the elements the tool made (kind, parents, position) or what it changed.
#include "tests/editor/tool_script.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>

namespace zeva::ui::testing {
namespace {

using model::Kind;

struct Press {
    int px = 0;
    int py = 0;
    const char* on = ""; // the figure element under the cursor; "" empty space
};

// One element the script makes: its kind, its parents (figure names, "#i" for the i-th element
// made, "" none) and, when given, its position.
struct Made {
    Kind kind;
    std::array<const char*, 3> parents{"", "", ""};
    std::optional<Point> at{};
};

using Check = std::function<void(EditorFixture&, const Figure&)>;

struct Script {
    const char* name;
    ToolCode tool;
    std::vector<Press> presses;
    std::vector<Made> made;
    Check after{};           // answers dialogs, then checks what is not an element made
    ToolCode toolAfter = -1; // the tool active afterwards; -1: the same tool
};

std::ostream& operator<<(std::ostream& os, const Script& s) {
    return os << s.name;
}

// Figure pixels: A (512,384), B (612,384), C (512,284), Q (512,334).
const Script kScripts[] = {
    {"PointOnEmptySpace", tool::Point, {{700, 500}}, {{Kind::FreePoint, {}, Point{188, -116}}}},
    {"PointOnALine",
     tool::Point,
     {{700, 384, "AB"}},
     {{Kind::PointOnElement, {"AB"}, Point{188, 0}}}},
    {"LineThroughTwoPoints",
     tool::Line,
     {{512, 384, "A"}, {612, 384, "B"}},
     {{Kind::LineThroughTwoPoints, {"A", "B"}}}},
    {"LineWhoseSecondClickIsOnEmptySpace",
     tool::Line,
     {{512, 384, "A"}, {700, 200}},
     {{Kind::LineThroughPoint, {"A"}, Point{0, 0}}}},
    {"LineWhoseSecondClickIsOnACircle",
     tool::Line,
     {{512, 384, "A"}, {512, 484, "c"}},
     {{Kind::PointOnElement, {"c"}, Point{0, -100}}, {Kind::LineThroughTwoPoints, {"A", "#0"}}}},
    {"RayFromEmptySpace",
     tool::Ray,
     {{450, 450}, {400, 400}},
     {{Kind::FreePoint, {}, Point{-62, -66}}, {Kind::RayFromPoint, {"#0"}}}},
    {"ConicThroughFiveClicks",
     tool::Conic,
     {{300, 560}, {350, 590}, {420, 600}, {480, 590}, {500, 560}},
     {{Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::FreePoint, {}, Point{-12, -176}},
      {Kind::Conic}}},
    {"CircleThroughAPoint",
     tool::Circle,
     {{512, 384, "A"}, {612, 384, "B"}},
     {{Kind::CircleByCentreAndPoint, {"A", "B"}}}},
    {"CircleGivenItsCentreOnly",
     tool::Circle,
     {{512, 384, "A"}, {600, 300}},
     {{Kind::CircleByCentre, {"A"}}}},
    {"CircleByRadiusAndCentre",
     tool::CircleByRadius,
     {{512, 384, "A"}, {612, 384, "B"}, {512, 284, "C"}},
     {{Kind::CircleByRadius, {"C", "B", "A"}}}},
    {"ParallelLineAndThenPoint",
     tool::Parallel,
     {{700, 384, "AB"}, {512, 284, "C"}},
     {{Kind::ParallelLine, {"AB", "C"}}}},
    {"PerpendicularPointAndThenLine",
     tool::Perpendicular,
     {{512, 284, "C"}, {700, 384, "AB"}},
     {{Kind::PerpendicularLine, {"AB", "C"}}}},
    {"ParallelToAPolygonSideThroughEmptySpace",
     tool::Parallel,
     {{762, 284, "FG"}, {800, 600}},
     {{Kind::FreePoint, {}, Point{288, -216}}, {Kind::ParallelLine, {"FG", "#0"}}}},
    {"SegmentOfTwoClicks",
     tool::Segment,
     {{300, 300}, {350, 350}},
     {{Kind::FreePoint}, {Kind::FreePoint}, {Kind::Segment, {"#0", "#1"}}}},
    {"PolygonClosedOnItsFirstVertex",
     tool::Polygon,
     {{512, 384, "A"}, {612, 384, "B"}, {512, 284, "C"}, {512, 384, "A"}},
     {{Kind::Polygon}},
     [](EditorFixture& f, const Figure& fig) {
         const auto& sides = madeAfter(f, fig)[0]->polygon().sides;
         ASSERT_EQ(sides.size(), 3u);
         EXPECT_EQ(sides[0]->parent1, fig["A"]);
         EXPECT_EQ(sides[1]->parent1, fig["B"]);
         EXPECT_EQ(sides[2]->parent1, fig["C"]);
         EXPECT_EQ(sides[2]->parent2, fig["A"]);
     }},
    // The third press is at a quarter turn from the first vertex: a square.
    {"RegularPolygonFollowingTheCursor",
     tool::RegularPolygon,
     {{512, 384, "A"}, {612, 384, "B"}, {512, 284}},
     {{Kind::RegularPolygonVertex, {"A", "B"}, Point{0, 100}},
      {Kind::RegularPolygonVertex, {"A", "B"}, Point{-100, 0}},
      {Kind::RegularPolygonVertex, {"A", "B"}, Point{0, -100}},
      {Kind::Polygon}}},
    {"ArcOfThreeEmptyClicks",
     tool::Arc,
     {{300, 600}, {350, 650}, {420, 610}},
     {{Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::ArcThreePoints, {"#0", "#1", "#2"}}}},
    {"AngleOfThreeEmptyClicks",
     tool::Angle,
     {{612, 584}, {512, 584}, {512, 520}},
     {{Kind::FreePoint},
      {Kind::FreePoint, {}, Point{0, -200}},
      {Kind::FreePoint},
      {Kind::Angle, {"#0", "#1", "#2"}}}},
    {"MidpointOfTwoPoints",
     tool::Midpoint,
     {{512, 384, "A"}, {612, 384, "B"}},
     {{Kind::Midpoint, {"A", "B"}, Point{50, 0}}}},
    {"BisectorOfThreeEmptyClicks",
     tool::AngleBisector,
     {{612, 584}, {512, 584}, {512, 520}},
     {{Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::FreePoint},
      {Kind::AngleBisector, {"#0", "#1", "#2"}}}},
    {"PerpendicularBisectorOfTwoPoints",
     tool::PerpendicularBisector,
     {{512, 384, "A"}, {612, 384, "B"}},
     {{Kind::PerpendicularBisector, {"A", "B"}}}},
    {"IntersectionOfTwoLines",
     tool::Intersection,
     {{700, 384, "AB"}, {592, 364, "BC"}},
     {{Kind::Intersection, {"AB", "BC"}, Point{100, 0}}}},
    // B lies on both by construction: only the other crossing is made.
    {"IntersectionOfALineAndACircleThroughOneOfItsPoints",
     tool::Intersection,
     {{700, 384, "AB"}, {512, 484, "c"}},
     {{Kind::Intersection, {"c", "AB"}, Point{-100, 0}}}},
    {"IntersectionOfTwoCircles",
     tool::Intersection,
     {{512, 484, "c"}, {562, 284, "c2"}},
     {{Kind::Intersection, {"c", "c2"}}, {Kind::Intersection, {"c", "c2"}}}},
    {"IntersectionOfAConicAndACircle",
     tool::Intersection,
     {{512, 324, "conic"}, {512, 484, "c"}},
     {{Kind::Intersection, {"conic", "c"}},
      {Kind::Intersection, {"conic", "c"}},
      {Kind::Intersection, {"conic", "c"}},
      {Kind::Intersection, {"conic", "c"}}}},
    {"LocusOfAMidpoint",
     tool::Locus,
     {{532, 344, "M"}, {452, 304, "P"}},
     {{Kind::Locus, {"M", "P"}}}},
    {"LocusRefusedForAPointThatDoesNotMove", tool::Locus, {{512, 284, "C"}, {452, 304, "P"}}, {}},
    {"CentralSymmetryOfASegment",
     tool::CentralSymmetry,
     {{362, 509, "DE"}, {512, 384, "A"}},
     {{Kind::CentralSymmetry, {"D", "A"}, Point{200, 100}},
      {Kind::CentralSymmetry, {"E", "A"}, Point{100, 150}},
      {Kind::Segment, {"#0", "#1"}}}},
    {"AxialSymmetryOfAPoint",
     tool::AxialSymmetry,
     {{512, 284, "C"}, {700, 384, "AB"}},
     {{Kind::AxialSymmetry, {"C", "AB"}, Point{0, -100}}}},
    {"AxialSymmetryInAPolygonSide",
     tool::AxialSymmetry,
     {{512, 384, "A"}, {762, 284, "FG"}},
     {{Kind::AxialSymmetry, {"A", "FG"}, Point{0, 200}}}},
    {"Translation",
     tool::Translation,
     {{512, 284, "C"}, {512, 384, "A"}, {612, 384, "B"}},
     {{Kind::Translation, {"C", "A", "B"}, Point{100, 100}}}},
    {"RotationByANumber",
     tool::Rotation,
     {{512, 284, "C"}, {512, 384, "A"}, {118, 90, "n"}},
     {{Kind::Rotation, {"C", "A", "n"}, Point{-100 * std::sin(2.0), 100 * std::cos(2.0)}}}},
    {"Homothety",
     tool::Homothety,
     {{512, 284, "C"}, {512, 384, "A"}, {118, 90, "n"}},
     {{Kind::Homothety, {"C", "A", "n"}, Point{0, 200}}}},
    {"InversionPointFirst",
     tool::Inversion,
     {{512, 334, "Q"}, {512, 484, "c"}},
     {{Kind::Inversion, {"c", "Q"}, Point{0, 200}}}},
    {"CheckParallel",
     tool::CheckParallel,
     {{700, 384, "AB"}, {362, 509, "DE"}},
     {{Kind::ParallelChecker, {"AB", "DE"}}},
     {},
     tool::Move},
    {"CheckPerpendicular",
     tool::CheckPerpendicular,
     {{700, 384, "AB"}, {562, 334, "BC"}},
     {{Kind::PerpendicularChecker, {"AB", "BC"}}},
     {},
     tool::Move},
    {"CheckMembership",
     tool::CheckMembership,
     {{612, 384, "B"}, {512, 484, "c"}},
     {{Kind::MembershipChecker, {"B", "c"}}},
     {},
     tool::Move},
    {"CheckEquidistance",
     tool::CheckEquidistance,
     {{512, 384, "A"}, {612, 384, "B"}, {512, 284, "C"}},
     {{Kind::EquidistanceChecker, {"A", "B", "C"}}},
     {},
     tool::Move},
    {"CheckCollinearityMakingAFreePointOverALine",
     tool::CheckCollinearity,
     {{512, 384, "A"}, {612, 384, "B"}, {712, 384}},
     {{Kind::FreePoint, {}, Point{200, 0}}, {Kind::CollinearityChecker, {"A", "B", "#0"}}},
     [](EditorFixture& f, const Figure& fig) {
         // The result text is where the last press was.
         const model::Element* checker = madeAfter(f, fig)[1];
         EXPECT_DOUBLE_EQ(checker->x2, 200);
         EXPECT_DOUBLE_EQ(checker->y2, 0);
     },
     tool::Move},
    {"DisplacementAlongALine",
     tool::Displacement,
     {{512, 284, "C"}, {700, 384, "AB"}, {118, 90, "n"}},
     {{Kind::Displacement, {"C", "AB", "n"}, Point{80, 100}}}},
    {"DisplacementRefusedAroundItsOwnCentre",
     tool::Displacement,
     {{512, 384, "A"}, {512, 484, "c"}, {118, 90, "n"}},
     {}},
    {"PointByCoordinatesOnTheOnlyAxes",
     tool::PointByCoordinates,
     {{118, 90, "n"}, {118, 90, "n"}},
     {{Kind::PointByCoordinates, {"n", "n", "axes"}, Point{-320, -170}}}},
    {"LengthOfASegment", tool::LengthDistance, {{362, 509, "DE"}}, {{Kind::SegmentLength, {"DE"}}}},
    {"DistanceOfTwoPoints",
     tool::LengthDistance,
     {{512, 384, "A"}, {612, 384, "B"}},
     {{Kind::DistancePointPoint, {"A", "B"}}}},
    {"DistanceOfAPointToALine",
     tool::LengthDistance,
     {{512, 284, "C"}, {700, 384, "AB"}},
     {{Kind::DistancePointLine, {"C", "AB"}}}},
    {"MeasureOfAnAngleElement",
     tool::MeasureAngle,
     {{521, 375, "ang"}},
     {{Kind::AngleValue, {"B", "A", "C"}}}},
    {"MeasureOfAnAngleOfThreePoints",
     tool::MeasureAngle,
     {{612, 384, "B"}, {512, 384, "A"}, {512, 284, "C"}},
     {{Kind::AngleValue, {"B", "A", "C"}}}},
    {"AreaOfACircle", tool::Area, {{512, 484, "c"}}, {{Kind::CircleArea, {"c"}}}},
    {"AreaOfAPolygon", tool::Area, {{762, 284, "FGH"}}, {{Kind::PolygonArea, {"FGH"}}}},
    {"SlopeOfAPolygonSide", tool::Slope, {{762, 284, "FG"}}, {{Kind::Slope, {"FG"}}}},
    {"AxesOnEmptySpace",
     tool::Axes,
     {{300, 200}},
     {{Kind::FreePoint, {}, Point{-212, 184}}, {Kind::Axes, {"#0"}}}},
    {"EquationOfALineOnTheOnlyAxes",
     tool::EquationCoordinates,
     {{700, 384, "AB"}},
     {{Kind::LineEquation, {"AB", "axes"}}}},
    {"CoordinatesOfAPoint",
     tool::EquationCoordinates,
     {{512, 284, "C"}},
     {{Kind::Coordinates, {"C", "axes"}}}},
    {"Grid", tool::Grid, {{700, 634, "axes"}}, {{Kind::Grid, {"axes"}}}},
    {"GraphOfAFunction",
     tool::PlotFunction,
     {{118, 140, "f"}},
     {{Kind::FunctionGraph, {"f", "axes"}}}},
    {"TableOfAValue",
     tool::Table,
     {{118, 90, "n"}, {800, 100}},
     {{Kind::Table}},
     [](EditorFixture& f, const Figure& fig) {
         const model::Element* table = madeAfter(f, fig)[0];
         EXPECT_EQ(table->table().rows, std::vector<model::Element*>{fig["n"]});
         EXPECT_DOUBLE_EQ(table->table().cell(0, 0), 2.0);
     }},
    {"TextThroughItsDialog",
     tool::Text,
     {{700, 200}},
     {{Kind::Text, {}, Point{188, 184}}},
     [](EditorFixture& f, const Figure& fig) {
         ASSERT_TRUE(f.host.textRequest);
         EXPECT_EQ(f.host.textRequest->font, settings::options().textFont);
         TextDialogAnswer a{true, {"uno", "dos", ""}, settings::options().textFont};
         a.font.color = 0x00FF00;
         f.editor.textDialogClosed(a);
         const model::Element* text = madeAfter(f, fig).at(0);
         EXPECT_EQ(text->text().lines, (std::vector<std::string>{"uno", "dos"}));
         EXPECT_EQ(text->color, 0x00FF00);
     },
     tool::Move},
    {"HideShowButtonOfTheSelection",
     tool::HideShowButton,
     {{512, 384, "A"}, {612, 384, "B"}, {800, 100}},
     {{Kind::HideShowButton}},
     [](EditorFixture& f, const Figure& fig) {
         const model::Element* button = madeAfter(f, fig)[0];
         EXPECT_EQ(button->button().targets, (std::vector<model::Element*>{fig["A"], fig["B"]}));
         EXPECT_EQ(fig["A"]->visible, 0); // a new button is up: its targets are hidden
         EXPECT_EQ(f.doc().construction.selectedCount(), 0);
     }},
    {"PictureHangingOnAPoint",
     tool::InsertBitmap,
     {{512, 284, "C"}},
     {{Kind::Bitmap, {"C"}, Point{0, 100}}},
     [](EditorFixture& f, const Figure&) {
         EXPECT_EQ(f.host.opened.back(), "picture");
         PictureAnswer a;
         a.outcome = PictureAnswer::Outcome::Loaded;
         // A 2 x 1 picture: file header, BITMAPINFOHEADER, one padded row.
         a.picture.bmp = {'B', 'M', 62, 0, 0, 0, 0, 0,  0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0,
                          0,   1,   0,  0, 0, 1, 0, 24, 0, 0, 0,  0, 0, 8, 0,  0, 0, 0, 0, 0, 0,
                          0,   0,   0,  0, 0, 0, 0, 0,  0, 0, 0,  0, 1, 2, 3,  4, 5, 6, 0, 0};
         f.editor.pictureDialogClosed(a);
     }},
};

class ToolScript : public ::testing::TestWithParam<Script> {};

TEST_P(ToolScript, MakesItsElements) {
    const Script& script = GetParam();
    EditorFixture f;
    const Figure fig = buildFigure(f);
    f.editor.selectTool(script.tool);
    for (const Press& p : script.presses)
        pressAt(f, fig, {p.px, p.py}, p.on);
    if (script.after) script.after(f, fig);

    const std::vector<model::Element*> made = madeAfter(f, fig);
    ASSERT_EQ(made.size(), script.made.size());
    auto named = [&](const char* text) -> const model::Element* {
        const std::string name = text ? text : "";
        if (name.empty()) return nullptr;
        if (name[0] == '#') return made.at(std::stoul(name.substr(1)));
        return fig[name];
    };
    for (size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE("element #" + std::to_string(i));
        const Made& want = script.made[i];
        const model::Element& e = *made[i];
        EXPECT_EQ(e.kind, want.kind);
        EXPECT_EQ(e.exists, 1);
        EXPECT_EQ(e.parent1, named(want.parents[0]));
        EXPECT_EQ(e.parent2, named(want.parents[1]));
        EXPECT_EQ(e.parent3, named(want.parents[2]));
        if (want.at) {
            EXPECT_NEAR(e.x1, want.at->x, 1e-6);
            EXPECT_NEAR(e.y1, want.at->y, 1e-6);
        }
    }
    const ToolCode expectedTool = script.toolAfter < 0 ? script.tool : script.toolAfter;
    EXPECT_EQ(f.session().tool.active, expectedTool);
    // Whatever was made, the construction in progress starts again.
    if (expectedTool == script.tool && !script.made.empty()) {
        EXPECT_TRUE(f.session().tool.pendingInputs.empty());
        EXPECT_EQ(f.session().tool.step, 0);
        EXPECT_FALSE(f.host.timerRunning(TimerId::Blink));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolScript, ::testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zeva::ui::testing
