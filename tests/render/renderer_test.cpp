#include "render_fixture.h"

#include "geometry/recompute.h"
#include "tests/support/edits.h"
#include "model/construction.h"
#include "edit/factory.h"
#include "model/units.h"
#include "render/draw_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zeva::render {
namespace {

using model::Kind;
using testing::Scene;

bool has(const std::vector<CanvasCall>& calls, const std::string& s) {
    return std::any_of(calls.begin(), calls.end(),
                       [&](const CanvasCall& c) { return c.str() == s; });
}

size_t indexOf(const std::vector<CanvasCall>& calls, const std::string& s) {
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].str() == s) return i;
    return calls.size();
}

TEST(Points, ShapesBySizeCode) {
    Scene s;
    model::Element* p = s.point(10, 20); // screen (522, 364)
    auto calls = s.draw(p, 255, 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].str(), "rectangle(521,363,524,366)"); // the 3 x 3 square
    EXPECT_EQ(calls[0].brush.color, 255);
    EXPECT_EQ(calls[0].brush.style, BrushStyle::Solid);
    EXPECT_EQ(s.draw(p, 255, 2)[0].str(), "ellipse(520,362,525,367)");
    calls = s.draw(p, 255, 3); // a ring: the disc filled with the background
    EXPECT_EQ(calls[0].brush.color, 0);
    EXPECT_EQ(s.ops(s.draw(p, 255, 4)),
              (std::vector<std::string>{"moveTo(520,362)", "lineTo(525,367)", "moveTo(520,366)",
                                        "lineTo(525,361)"}));
    EXPECT_EQ(s.draw(p, 255, -1)[0].str(), "ellipse(519,361,526,368)"); // the 7-pixel halo
    EXPECT_TRUE(s.draw(p, 255, 7).empty());
    // Out of view: nothing.
    model::Element* far = s.point(600, 0);
    EXPECT_TRUE(s.draw(far, 255, 1).empty());
}

TEST(Points, OnThePrinterSizedByItsResolution) {
    Scene s;
    RecordingCanvas printer(CanvasRole::Printer, 1024, 768, 600); // r = 8
    model::Element* p = s.point(0, 0);
    drawElement(s.ctx, printer, *p, 0xFFFFFF, 1);
    ASSERT_EQ(printer.calls.size(), 1u);
    EXPECT_EQ(printer.calls[0].str(), "rectangle(505,377,520,392)");
    EXPECT_EQ(printer.calls[0].brush.color, 0); // white prints black
    printer.clear();
    drawElement(s.ctx, printer, *p, 0x123456, -1); // no halo on paper
    EXPECT_TRUE(printer.calls.empty());
}

TEST(Lines, CoincidentDefiningPointsDrawAVerticalLine) {
    Scene s;
    model::Element* a = s.point(10, 10);
    model::Element* line = s.add(Kind::LineThroughTwoPoints, 10, 10, 10, 10, a, a);
    const auto calls = s.draw(line, 0x808080, 1);
    const auto moves = s.canvas.callsOf("moveTo");
    const auto lines = s.canvas.callsOf("lineTo");
    ASSERT_EQ(moves.size(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(moves[0].args[0], 522);
    EXPECT_EQ(lines[0].args[0], 522);
    EXPECT_EQ(std::abs(moves[0].args[1] - lines[0].args[1]), 768);
}

TEST(Lines, ClippedToTheViewAndFinishedWithTheLastPixel) {
    Scene s;
    model::Element* line = s.add(Kind::LineThroughTwoPoints, 0, 0, 100, 100);
    const auto ops = s.ops(s.draw(line, 0x808080, 2));
    // Bottom edge first (y = -384), then the top edge (y = 384).
    EXPECT_EQ(ops, (std::vector<std::string>{"moveTo(128,768)", "lineTo(896,0)",
                                             "setPixel(896,0,8421504)"}));
    EXPECT_EQ(s.canvas.calls[1].pen.width, 3);
    EXPECT_EQ(s.canvas.calls[1].brush.style, BrushStyle::Clear);
    // Dotted and dash-dot codes, and a code that draws nothing.
    s.draw(line, 0, 3);
    EXPECT_EQ(s.canvas.calls[1].pen.style, PenStyle::Dot);
    s.draw(line, 0, 4);
    EXPECT_EQ(s.canvas.calls[1].pen.style, PenStyle::DashDot);
    EXPECT_TRUE(s.draw(line, 0, 0).empty());
    // A line that misses the view entirely.
    model::Element* away = s.add(Kind::LineThroughTwoPoints, 0, 1000, 10, 1000);
    EXPECT_TRUE(s.draw(away, 0, 1).empty());
}

TEST(Rays, FromTheEdgeBackToAnOriginInside) {
    Scene s;
    model::Element* ray = s.add(Kind::RayThroughTwoPoints, 0, 0, 10, 0);
    EXPECT_EQ(
        s.ops(s.draw(ray, 1, 1)),
        (std::vector<std::string>{"moveTo(1024,384)", "lineTo(512,384)", "setPixel(512,384,1)"}));
    // Pointing away from a view it starts outside of: nothing.
    model::Element* away = s.add(Kind::RayThroughTwoPoints, 600, 0, 700, 0);
    EXPECT_TRUE(s.draw(away, 1, 1).empty());
}

TEST(Segments, EndsBeyondThePlaneArePulledOntoItsEdge) {
    Scene s;
    model::Element* seg = s.add(Kind::Segment, 0, 0, 1e6, 0);
    const auto ops = s.ops(s.draw(seg, 1, 1));
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[1], "lineTo(2012,384)"); // x = 1500, the plane's right edge
    // A segment crossing the view with both ends outside it is still drawn.
    model::Element* across = s.add(Kind::Segment, -600, 0, 600, 0);
    EXPECT_EQ(s.draw(across, 1, 1).size(), 3u);
    model::Element* outside = s.add(Kind::Segment, -700, 500, 700, 500);
    EXPECT_TRUE(s.draw(outside, 1, 1).empty());
}

TEST(Circles, RadiusThatRoundsToZeroPaintsOnePixel) {
    Scene s;
    model::Element* c = s.add(Kind::CircleByCentre, 0, 0, 0.4, 0);
    EXPECT_EQ(s.ops(s.draw(c, 0xFF0000, 1)),
              (std::vector<std::string>{"setPixel(512,384,16711680)"}));
}

TEST(Circles, BoxFillAndCulling) {
    Scene s;
    model::Element* c = s.add(Kind::CircleByCentre, 0, 0, 30, 0);
    auto calls = s.draw(c, 0xFF0000, 2);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].str(), "ellipse(482,354,543,415)");
    EXPECT_EQ(calls[0].brush.style, BrushStyle::Clear);
    EXPECT_EQ(calls[0].pen.width, 3);
    calls = s.draw(c, 0xFF0000, 2, 0x00FF00); // a fill forces the plain outline
    EXPECT_EQ(calls[0].brush.color, 0x00FF00);
    EXPECT_EQ(calls[0].brush.style, BrushStyle::Solid);
    EXPECT_EQ(calls[0].pen.width, 1);
    model::Element* far = s.add(Kind::CircleByCentre, 5000, 0, 5010, 0);
    EXPECT_TRUE(s.draw(far, 1, 1).empty());
}

TEST(Circles, LargeOnesBecomeChordsInsideTheView) {
    Scene s;
    // Radius 5000 through the view's centre: only the arc near the view is drawn.
    model::Element* c = s.add(Kind::CircleByCentre, 0, -5000, 0, 0);
    const auto calls = s.draw(c, 1, 1);
    EXPECT_TRUE(s.canvas.callsOf("ellipse").empty());
    ASSERT_GT(s.canvas.callsOf("lineTo").size(), 3u);
    for (const CanvasCall& l : s.canvas.callsOf("lineTo")) {
        EXPECT_GT(l.args[0], -1000);
        EXPECT_LT(l.args[0], 2000);
    }
    // Thick ones switch earlier (above 1999 units).
    model::Element* thick = s.add(Kind::CircleByCentre, 0, -2500, 0, 0);
    s.draw(thick, 1, 2);
    EXPECT_TRUE(s.canvas.callsOf("ellipse").empty());
    s.draw(thick, 1, 1);
    EXPECT_EQ(s.canvas.callsOf("ellipse").size(), 1u);
}

TEST(Arcs, SmallOnesUseArcFromTheCounterClockwiseStart) {
    Scene s;
    model::Element* a = s.point(5, 0);
    model::Element* b = s.point(0, 5);
    model::Element* c = s.point(-5, 0);
    model::Element* arc = s.add(Kind::ArcThreePoints, 0, 0, 0, 5, a, b, c);
    auto calls = s.draw(arc, 1, 1);
    ASSERT_EQ(calls.size(), 1u);
    // Counter-clockwise from A through B (above) to C.
    EXPECT_EQ(calls[0].str(), "arc(507,379,518,390,517,384,507,384)");
    model::Element* b2 = s.point(0, -5);
    model::Element* lower = s.add(Kind::ArcThreePoints, 0, 0, 0, -5, a, b2, c);
    EXPECT_EQ(s.draw(lower, 1, 1)[0].str(), "arc(507,379,518,390,507,384,517,384)");
}

TEST(Arcs, LargerOnesAreChordsThatSkipShortSteps) {
    Scene s;
    model::Element* a = s.point(100, 0);
    model::Element* b = s.point(0, 100);
    model::Element* c = s.point(-100, 0);
    model::Element* arc = s.add(Kind::ArcThreePoints, 0, 0, 0, 100, a, b, c);
    s.draw(arc, 1, 1);
    const auto moves = s.canvas.callsOf("moveTo");
    const auto lines = s.canvas.callsOf("lineTo");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].str(), "moveTo(612,384)");
    EXPECT_EQ(lines.back().str(), "lineTo(412,384)");
    EXPECT_EQ(s.canvas.calls.back().str(), "setPixel(412,384,1)");
    // k = 3 units: about 105 sample angles, but only chords longer than 5 units: 314 / 6.
    EXPECT_GT(lines.size(), 45u);
    EXPECT_LT(lines.size(), 60u);
}

TEST(Angles, MarkArcsByStyle) {
    Scene s;
    model::Element* a = s.point(100, 0);
    model::Element* v = s.point(0, 0);
    model::Element* c = s.point(0, 100);
    model::Element* angle = s.add(Kind::Angle, model::kPi / 2, 0.13, 20, 0, a, v, c);
    auto boxes = [&](int style) {
        std::vector<int> r;
        s.draw(angle, 0x00FFFF, style);
        for (const CanvasCall& call : s.canvas.callsOf("arc"))
            r.push_back(513 - call.args[0]);
        return r;
    };
    EXPECT_EQ(boxes(1), (std::vector<int>{20}));
    EXPECT_EQ(boxes(2), (std::vector<int>{22, 19}));
    EXPECT_EQ(boxes(3), (std::vector<int>{20, 23, 17}));
    EXPECT_EQ(boxes(-1), (std::vector<int>{19, 21}));
    EXPECT_TRUE(boxes(4).empty());
    // A vertex closer than 3 units to an arm point, or a vanishing angle: no mark.
    angle->parent1 = s.point(2, 0);
    EXPECT_TRUE(boxes(1).empty());
    angle->parent1 = a;
    angle->x1 = 0.005;
    EXPECT_TRUE(boxes(1).empty());
}

TEST(Redraw, DrawableElementsAndTheirColours) {
    Scene s;
    model::Element* shown = s.point(0, 0);
    model::Element* hidden = s.point(10, 0);
    hidden->visible = 0;
    model::Element* placeholder = s.point(20, 0);
    placeholder->visible = 100;
    model::Element* missing = s.point(30, 0);
    missing->exists = 0;
    s.redraw();
    auto rects = s.canvas.callsOf("rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].args[0], 511);
    s.ctx.options.showHidden = true;
    s.redraw();
    rects = s.canvas.callsOf("rectangle");
    ASSERT_EQ(rects.size(), 2u); // the hidden one joins, in the hidden colour; never the rest
    EXPECT_EQ(rects[1].args[0], 521);
    EXPECT_EQ(rects[1].brush.color, s.ctx.options.hiddenColor);
    EXPECT_EQ(rects[0].brush.color, 255);
    (void)shown;
}

TEST(Redraw, PassesInOrderFillsLinesThenPoints) {
    Scene s;
    model::Element* p = s.point(0, 0);
    model::Element* q = s.point(50, 0);
    model::Element* circle = s.add(Kind::CircleByCentreAndPoint, 0, 0, 50, 0, p, q);
    circle->param1 = 0x00FF00; // filled
    s.segment(p, q);
    s.redraw();
    const auto& calls = s.canvas.calls;
    EXPECT_EQ(calls[0].op, "patBlt"); // the background first
    ASSERT_EQ(s.canvas.callsOf("ellipse").size(), 2u);
    const size_t fill = indexOf(calls, "ellipse(462,334,563,435)");
    ASSERT_LT(fill, calls.size());
    EXPECT_EQ(calls[fill].brush.color, 0x00FF00);
    // The outline again in the line pass, without its fill.
    size_t outline = fill + 1;
    while (outline < calls.size() && calls[outline].op != "ellipse")
        ++outline;
    ASSERT_LT(outline, calls.size());
    EXPECT_EQ(calls[outline].brush.style, BrushStyle::Clear);
    const size_t segment = indexOf(calls, "lineTo(562,384)");
    const size_t firstPoint = indexOf(calls, "rectangle(511,383,514,386)");
    EXPECT_LT(outline, segment);
    EXPECT_LT(segment, firstPoint); // points lie on top of every line
}

TEST(Redraw, SelectionHalosUnderTheElement) {
    Scene s;
    model::Element* p = s.point(0, 0);
    model::Element* q = s.point(100, 0);
    model::Element* seg = s.segment(p, q);
    seg->style = 2;
    seg->selected = 1;
    p->selected = 1;
    const Color sel = s.ctx.options.selectionColor;
    s.redraw();
    const auto& calls = s.canvas.calls;
    const size_t halo = indexOf(calls, "ellipse(509,381,516,388)");
    const size_t square = indexOf(calls, "rectangle(511,383,514,386)");
    ASSERT_LT(halo, calls.size());
    EXPECT_EQ(calls[halo].brush.color, sel);
    EXPECT_EQ(square, halo + 1);
    const auto lines = s.canvas.callsOf("lineTo");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.color, sel); // a thick line gets the 5-pixel halo
    EXPECT_EQ(lines[0].pen.width, 5);
    EXPECT_EQ(lines[1].pen.width, 3);
    // No halos while dragging, nor on another canvas than the window's bitmap.
    s.ctx.state.dragInProgress = true;
    s.redraw();
    EXPECT_EQ(indexOf(s.canvas.calls, "ellipse(509,381,516,388)"), s.canvas.calls.size());
}

TEST(Redraw, SelectedTextsInInverseVideo) {
    Scene s;
    model::Element* calc = s.add(Kind::Parameter, 3, 0, 0, 0);
    calc->font = std::make_unique<model::ElementFont>();
    calc->param1 = 100;
    calc->style = -1; // normally transparent
    calc->selected = 1;
    s.document.units.backgroundColor = 0x102030;
    s.redraw();
    const auto texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.color, 0x102030);
    EXPECT_EQ(texts[0].bkMode, BackgroundMode::Opaque);
    EXPECT_EQ(texts[0].bkColor, s.ctx.options.selectionColor);
}

TEST(Redraw, TraceLayerCombinedByBackground) {
    Scene s;
    RecordingCanvas trace(CanvasRole::Trace);
    s.ctx.traceCanvas = &trace;
    model::Element* p = s.point(0, 0);
    s.document.tracedElements().push_back(p);
    s.redraw();
    auto blits = s.canvas.callsOf("bitBlt");
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].args.back(), static_cast<int>(RasterOp::Or)); // on black
    EXPECT_TRUE(trace.calls.empty()); // traces are laid down only while something moves
    s.ctx.state.dragInProgress = true;
    s.document.units.backgroundColor = 0xFFFFFF;
    s.redraw();
    EXPECT_EQ(s.canvas.callsOf("bitBlt")[0].args.back(), static_cast<int>(RasterOp::And));
    EXPECT_EQ(trace.callsOf("rectangle").size(), 1u);
    EXPECT_TRUE(s.ctx.state.traceLayerUsed);
    // A pending clear wipes the layer (white under a light background) and resets its flag.
    s.ctx.state.clearTracesPending = true;
    trace.clear();
    s.redraw();
    ASSERT_EQ(trace.callsOf("patBlt").size(), 1u);
    EXPECT_EQ(trace.calls[0].brush.color, 0xFFFFFF);
    EXPECT_FALSE(s.ctx.state.clearTracesPending);
}

TEST(Redraw, PendingSelectionRectangleDotted) {
    Scene s;
    s.ctx.state.pendingRectangle = WorldRect{{0, 0}, {100, -50}};
    s.redraw();
    const auto lines = s.canvas.callsOf("lineTo");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].pen.style, PenStyle::Dot);
    EXPECT_EQ(lines[0].pen.color, s.ctx.options.selectionColor);
    s.ctx.state.clearTracesPending = true; // dropped instead of drawn
    s.redraw();
    EXPECT_TRUE(s.canvas.callsOf("lineTo").empty());
    EXPECT_FALSE(s.ctx.state.pendingRectangle);
}

TEST(Redraw, StopsBeforeTheGivenElement) {
    Scene s;
    s.point(0, 0);
    model::Element* second = s.point(10, 0);
    s.canvas.clear();
    redrawAll(s.ctx, s.canvas, second);
    EXPECT_EQ(s.canvas.callsOf("rectangle").size(), 1u);
}

struct LocusCase {
    const char* name;
    std::vector<Point> samples;
    std::vector<int> colors;
    int closed;
    int chords;
};

class PointLocus : public ::testing::TestWithParam<LocusCase> {};

TEST_P(PointLocus, JoinsOnlyNearValidSamples) {
    Scene s;
    model::Element* traced = s.point(0, 0);
    model::Element* host = s.add(Kind::Segment, -100, 0, 100, 0);
    model::Element* driver = s.add(Kind::PointOnElement, 0, 0, 0, 0, host);
    model::Element* locus = s.add(Kind::Locus, 0, 0, 0, 0, traced, driver);
    auto& t = locus->samples();
    const LocusCase& c = GetParam();
    t.sampleCount = static_cast<int>(c.samples.size());
    for (size_t i = 0; i < c.samples.size(); ++i) {
        t.samples[i] = c.samples[i];
        t.sampleColors[i] = c.colors.empty() ? 0 : c.colors[i];
    }
    locus->param1 = c.closed;
    s.draw(locus, 0xC08000, 1);
    EXPECT_EQ(s.canvas.callsOf("lineTo").size(), static_cast<size_t>(c.chords)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, PointLocus,
    ::testing::Values(
        LocusCase{"near", {{0, 0}, {10, 0}, {20, 0}}, {}, 0, 2},
        LocusCase{"a 200-unit jump breaks", {{0, 0}, {10, 0}, {210, 0}, {220, 0}}, {}, 0, 2},
        LocusCase{"199 units still join", {{0, 0}, {199, 0}}, {}, 0, 1},
        LocusCase{"invalid sample breaks",
                  {{0, 0}, {10, 0}, {20, 0}, {30, 0}},
                  {0, model::kInvalidSample, 0, 0},
                  0,
                  1},
        LocusCase{"closed joins last to first", {{0, 0}, {10, 0}, {10, 10}}, {}, 1, 3}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Loci, FamiliesOfLinesDrawEachInstance) {
    Scene s;
    model::Element* traced = s.add(Kind::Segment, 0, 0, 10, 0);
    model::Element* locus = s.add(Kind::Locus, 0, 0, 0, 0, traced, nullptr);
    auto& t = locus->samples();
    t.sampleCount = 3;
    for (int i = 0; i < 3; ++i) {
        t.samples[i] = {0.0, 10.0 * i};
        t.samples2[i] = {50.0, 10.0 * i};
    }
    s.draw(locus, 1, 1);
    EXPECT_EQ(s.canvas.callsOf("lineTo").size(), 3u);
}

TEST(Conics, LinePairsAsTwoLines) {
    Scene s;
    model::Element* conic = s.add(Kind::Conic);
    auto& t = conic->conic();
    t.conicType = 4;
    t.samples[0] = {-10000, 0};
    t.samples[1] = {10000, 0};
    t.samples[2] = {0, -10000};
    t.samples[3] = {0, 10000};
    s.draw(conic, 1, 1);
    const auto lines = s.canvas.callsOf("lineTo");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(s.canvas.callsOf("moveTo")[0].args[1], 384);
    EXPECT_EQ(lines[1].args[0], 512);
}

TEST(Conics, SamplesJoinedButNotAcrossFarJumps) {
    Scene s;
    model::Element* conic = s.add(Kind::Conic);
    auto& t = conic->conic();
    t.conicType = 2; // an open curve
    for (int i = 0; i < model::kConicSampleCount; ++i)
        t.samples[i] = {i * 2.0 - 120, 0.0};
    t.samples[60] = {9000, 0}; // far away: both chords touching it are dropped
    t.samples[61] = t.samples[60];
    s.draw(conic, 1, 1);
    EXPECT_EQ(s.canvas.callsOf("lineTo").size(), 119u - 3u);
    t.conicType = 1; // a closed one also joins the last sample to the first
    s.draw(conic, 1, 1);
    EXPECT_EQ(s.canvas.callsOf("lineTo").size(), 117u);
}

TEST(Pictures, FrameWhenSelectedStretchWhenAnchored) {
    Scene s;
    model::Element* bmp = s.add(Kind::Bitmap, 0, 100, 50, 60);
    bmp->style = -1;
    bmp->bitmap().picture.bmp = {'B', 'M', 0, 0};
    EXPECT_EQ(s.ops(s.draw(bmp, 0, -1)), (std::vector<std::string>{"drawPicture(512,284,4)"}));
    model::Element* seg = s.add(Kind::Segment, 0, 100, 50, 60);
    bmp->parent1 = seg;
    EXPECT_EQ(s.ops(s.draw(bmp, 0, -1)),
              (std::vector<std::string>{"stretchPicture(512,284,562,324,4)"}));
    // The selection frame: 3 units beyond the first corner, 2 beyond the second, thick.
    s.draw(bmp, 0xFFAAAA, -2);
    const auto moves = s.canvas.callsOf("moveTo");
    ASSERT_EQ(moves.size(), 4u);
    EXPECT_EQ(moves[0].str(), "moveTo(509,281)");
    EXPECT_EQ(moves[2].str(), "moveTo(564,326)");
    EXPECT_EQ(s.canvas.callsOf("lineTo")[0].pen.width, 3);
}

TEST(Axes, LinesTicksAndFirstTickValues) {
    Scene s;
    model::Element* o = s.point(0, 0);
    auto axes = model::makeElement(Kind::Axes);
    axes->parent1 = o;
    axes->color = 0x808080;
    auto& t = axes->axes();
    t.axisX = model::makeElement(Kind::AxisX);
    t.axisX->x2 = 10;
    t.axisY = model::makeElement(Kind::AxisY);
    t.axisY->y2 = 10;
    model::Element* a = s.add(std::move(axes));
    s.draw(a, 0x808080, 1);
    const auto texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_EQ(texts[0].str(), "textOut(550,388,\"1\")"); // at (38, -4)
    EXPECT_EQ(texts[0].font.name, "MS Sans Serif");
    EXPECT_EQ(texts[0].bkMode, BackgroundMode::Transparent);
    // Ticks every 40 pixels, 3 pixels long, none at the origin.
    EXPECT_TRUE(has(s.canvas.calls, "moveTo(552,383)"));
    EXPECT_TRUE(has(s.canvas.calls, "lineTo(552,386)"));
    EXPECT_FALSE(has(s.canvas.calls, "moveTo(512,383)"));
    // On a white background the values are red; on the miniature they are left out.
    s.document.units.backgroundColor = 0xFFFFFF;
    s.draw(a, 0x808080, 1);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].font.color, 255);
    RecordingCanvas mini(CanvasRole::Miniature);
    drawElement(s.ctx, mini, *a, 0x808080, 1);
    EXPECT_TRUE(mini.callsOf("textOut").empty());
}

} // namespace
} // namespace zeva::render

namespace zeva::render {
namespace {

TEST(Loci, FamiliesOfPolygonsAreDrawnInstanceByInstance) {
    Scene s;
    edit::CreationRequest r;
    auto make = [&](Kind k, model::Element* p1 = nullptr, const edit::CreationInputs& in = {}) {
        r.kind = k;
        r.parent1 = p1;
        model::Element* e = zeva::testing::create(s.document, r, in);
        geometry::recomputeElement(*e, document::contextFor(s.document));
        return e;
    };
    r.x1 = -100;
    model::Element* a = make(Kind::FreePoint);
    r.x1 = 100;
    model::Element* b = make(Kind::FreePoint);
    r.kind = Kind::Segment;
    r.parent2 = b;
    model::Element* host = make(Kind::Segment, a);
    r.y2 = 0.5;
    model::Element* driver = make(Kind::PointOnElement, host);
    r.x1 = 0;
    r.y1 = 100;
    model::Element* top = make(Kind::FreePoint);
    r.x1 = 50;
    r.y1 = 150;
    model::Element* side = make(Kind::FreePoint);
    edit::CreationInputs tri;
    tri.picked = {driver, top, side};
    model::Element* triangle = make(Kind::Polygon, nullptr, tri);
    triangle->color = 0x00FF00;
    r.parent2 = driver;
    model::Element* locus = make(Kind::Locus, triangle);
    const int instances = locus->samples().capacity;
    ASSERT_GT(instances, 0);
    s.draw(locus, locus->color, 1);
    const auto lines = s.canvas.callsOf("lineTo");
    EXPECT_EQ(lines.size(), static_cast<size_t>(3 * instances));
    EXPECT_EQ(lines[0].pen.color, 0x00FF00); // the traced polygon's colour
    // The figure is left as it was.
    EXPECT_DOUBLE_EQ(driver->x1, 0);
}

} // namespace
} // namespace zeva::render

#include "render/previews.h"

namespace zeva::render {
namespace {

TEST(Previews, PolygonBandsToTheCursor) {
    Scene s;
    const std::vector<Point> v = {{0, 0}, {100, 0}, {100, 100}};
    drawPolygonPreview(s.ctx, s.canvas, v, {0, 100}, 0xFF0000, 1);
    const auto lines = s.canvas.callsOf("lineTo");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].pen.style, PenStyle::Dot); // back to the first vertex
    EXPECT_EQ(lines[2].str(), "lineTo(512,384)");
    EXPECT_EQ(lines[3].pen.style, PenStyle::Solid);
    EXPECT_EQ(lines[3].str(), "lineTo(612,284)");
}

TEST(Previews, RegularPolygonWithItsCountAtTheCentre) {
    Scene s;
    drawRegularPolygonPreview(s.ctx, s.canvas, {0, 0}, {100, 0}, 5, 2, 0xFF0000, 1, 255, 1);
    EXPECT_EQ(s.canvas.callsOf("lineTo").size(), 5u);
    EXPECT_EQ(s.canvas.callsOf("rectangle").size(), 5u); // the vertices as points
    const auto texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].str(), "textOut(512,384,\"5/2\")");
    EXPECT_EQ(texts[0].font.size, 14);
    EXPECT_EQ(texts[0].font.color, s.ctx.options.selectionColor);
    // A pentagram: the second vertex is two fifths of a turn from the first.
    EXPECT_EQ(s.canvas.callsOf("moveTo")[0].str(), "moveTo(612,384)");
    EXPECT_EQ(
        s.canvas.callsOf("lineTo")[0].str(),
        "lineTo(" +
            std::to_string(512 + roundHalfAwayFromZero(100 * std::cos(4 * model::kPi / 5))) + "," +
            std::to_string(384 - roundHalfAwayFromZero(100 * std::sin(4 * model::kPi / 5))) + ")");
}

} // namespace
} // namespace zeva::render
