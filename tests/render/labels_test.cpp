#include "render_fixture.h"

#include "geometry/following_label.h"
#include "render/labels.h"

#include <gtest/gtest.h>

namespace zeva::render {
namespace {

using model::Kind;
using testing::Scene;

TEST(Fonts, KeepTheirPixelSizeOnAnyScreen) {
    Scene s;
    model::ElementFont f;
    f.name = std::string(40, 'A');
    f.size = 8;
    f.bold = 1;
    s.ctx.options.screenPixelsPerInch = 120;
    const FontSpec spec = canvasFont(s.ctx, f, 0x123456);
    EXPECT_EQ(spec.size, 6); // 8 * 96 / 120 = 6.4
    EXPECT_EQ(spec.name.size(), 31u);
    EXPECT_TRUE(spec.bold);
    EXPECT_EQ(spec.color, 0x123456);
    s.ctx.options.screenPixelsPerInch = 96;
    EXPECT_EQ(canvasFont(s.ctx, f, 0).size, 8);
}

model::Element* number(Scene& s, Kind kind, double value) {
    model::Element* e = s.add(kind, value, 0, 0, 0);
    e->font = std::make_unique<model::ElementFont>();
    e->param1 = 100;
    e->style = -1;
    e->color = 0xC0C0C0;
    return e;
}

model::Element* nameFor(Scene& s, model::Element* named, const std::string& text, Point at) {
    model::Element* n = s.add(Kind::Name, 0, 0, 0, 0, named);
    n->font = std::make_unique<model::ElementFont>();
    n->param1 = 1;
    n->style = -1;
    n->name().text = text;
    n->name().anchorX = at.x;
    n->name().anchorY = at.y;
    named->label = n;
    return n;
}

TEST(Texts, ValueOpaqueOnItsBackgroundOrTransparent) {
    Scene s;
    model::Element* p = number(s, Kind::Parameter, 2.5);
    p->x2 = 10;
    p->y2 = 20;
    s.draw(p, p->color, 0x00FF00);
    auto texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].str(), "textOut(522,364,\"2.50\")");
    EXPECT_EQ(texts[0].bkMode, BackgroundMode::Opaque);
    EXPECT_EQ(texts[0].bkColor, 0x00FF00);
    s.draw(p, p->color, -1);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].bkMode, BackgroundMode::Transparent);
    p->param1 = -100;
    s.draw(p, p->color, -1);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].text, "no existente");
}

TEST(Texts, NameLabelsOnlyInsideThePlane) {
    Scene s;
    model::Element* pt = s.point(0, 0);
    model::Element* n = nameFor(s, pt, "A", {4, 4});
    s.draw(n, 0x00FF00, -1);
    EXPECT_EQ(s.ops(s.canvas.calls), (std::vector<std::string>{"textOut(516,380,\"A\")"}));
    n->name().anchorX = 1600; // in no view, outside the plane
    EXPECT_TRUE(s.draw(n, 0x00FF00, -1).empty());
    n->name().anchorX = 4;
    n->param1 = 0; // not shown
    EXPECT_TRUE(s.draw(n, 0x00FF00, -1).empty());
}

TEST(Texts, FollowingLabelsAreDrawnWhereTheLayoutPutThem) {
    Scene s;
    model::Element* a = s.point(0, 0);
    model::Element* b = s.point(100, 0);
    model::Element* d = number(s, Kind::DistancePointPoint, 2.5);
    d->parent1 = a;
    d->parent2 = b;
    d->param2 = 100;
    d->y1 = 0.25;
    d->dimension = 1;
    geometry::placeFollowingLabel(*d, document::contextFor(s.document));
    s.draw(d, d->color, -1);
    EXPECT_EQ(s.ops(s.canvas.callsOf("textOut")),
              (std::vector<std::string>{"textOut(537,384,\"2.50 cm\")"}));
    b->x1 = 200; // drawing only reads: the text moves with the next layout
    s.draw(d, d->color, -1);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].args[0], 537);
}

TEST(Texts, CoordinatePairAndWhereItsTwoNumbersStart) {
    Scene s;
    model::Element* pt = s.point(0, 0);
    auto coords = model::makeElement(Kind::Coordinates);
    coords->font = std::make_unique<model::ElementFont>();
    coords->parent1 = pt;
    coords->decimals = 1;
    coords->style = -1;
    coords->x2 = 10;
    coords->y2 = 5;
    auto& parts = coords->coordinates();
    parts.xPart = model::makeElement(Kind::CoordinateX);
    parts.xPart->x1 = 1.25;
    parts.yPart = model::makeElement(Kind::CoordinateY);
    parts.yPart->x1 = -0.01;
    model::Element* c = s.add(std::move(coords));
    s.draw(c, 0xFFFFFF, -1);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].text, "(1.3;-0.0)");
    // Each number starts under its part of the text; the recording canvas measures 8 units per
    // character.
    const auto [x, y] = coordinatePartPositions(s.ctx, s.canvas, *c);
    EXPECT_EQ(x, (Point{10 + 8, 5}));
    EXPECT_EQ(y, (Point{10 + 8 + 8 * 4, 5}));
    EXPECT_EQ(c->coordinates().xPart->x2, 0.0); // drawing moves nothing
}

TEST(Texts, CheckersShowTheirResult) {
    Scene s;
    model::Element* c = s.add(Kind::ParallelChecker);
    c->font = std::make_unique<model::ElementFont>();
    c->checker().trueText = "paralelos";
    c->checker().falseText = "no paralelos";
    c->param1 = 1;
    EXPECT_EQ(displayedText(s.ctx, *c), "paralelos");
    c->param1 = 0;
    EXPECT_EQ(displayedText(s.ctx, *c), "no paralelos");
}

TEST(Texts, FreeTextLinesStepDownByTheirHeight) {
    Scene s;
    model::Element* t = s.add(Kind::Text, 0, 0, 0, 0);
    t->text().lines = {"uno", "dos"};
    t->text().textFont.size = 12; // 16 pixels high on the recording canvas
    s.draw(t, 0xFFFFFF, 0x000080);
    EXPECT_EQ(s.ops(s.canvas.calls),
              (std::vector<std::string>{"textOut(512,384,\"uno\")", "textOut(512,400,\"dos\")"}));
    EXPECT_EQ(s.canvas.calls[1].bkColor, 0x000080);
}

TEST(Tables, HeadersOnlyWithoutRecordedValues) {
    Scene s;
    model::Element* a = number(s, Kind::Parameter, 1);
    nameFor(s, a, "a", {0, 0});
    model::Element* table = s.add(Kind::Table);
    table->font = std::make_unique<model::ElementFont>();
    table->param1 = 100; // one column per element, values below the header
    table->style = -1;
    auto& t = table->table();
    t.rows = {a};
    t.columnCount = 0;
    t.cells.assign(model::kTableMaxColumns, 0.0);
    s.draw(table, 0xC0C0C0, -1);
    auto texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "a");
    t.columnCount = 2;
    t.cells[0] = 1.5;
    t.cells[1] = std::numeric_limits<double>::infinity();
    s.draw(table, 0xC0C0C0, -1);
    texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "1.50");
    EXPECT_EQ(texts[2].text, " -");
    for (const CanvasCall& c : texts)
        EXPECT_EQ(c.bkMode, BackgroundMode::Transparent);
    // Swapped: headers right-aligned 5 units left of the table.
    table->param1 = -100;
    s.draw(table, 0xC0C0C0, -1);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].str(), "textOut(499,384,\"a\")");
}

TEST(Buttons, RaisedAndPressed) {
    Scene s;
    model::Element* b = s.add(Kind::HideShowButton, 0, 0, 0, 0);
    b->font = std::make_unique<model::ElementFont>();
    b->button().caption = "ver";
    b->style = 0xC0C0C0;
    b->param2 = 1;
    s.draw(b, 0, 0xC0C0C0);
    auto rect = s.canvas.callsOf("rectangle");
    ASSERT_EQ(rect.size(), 1u);
    EXPECT_EQ(rect[0].brush.color, 0xC0C0C0);
    EXPECT_EQ(rect[0].pen.color, 0xC0C0C0);
    auto text = s.canvas.callsOf("textOut");
    EXPECT_EQ(text[0].str(), "textOut(511,383,\" ver \")");
    EXPECT_EQ(text[0].bkMode, BackgroundMode::Transparent);
    EXPECT_EQ(s.canvas.callsOf("lineTo")[0].pen.color, 0xFFFFFF); // lit from the top left
    b->param2 = 0;
    s.draw(b, 0, 0xC0C0C0);
    EXPECT_EQ(s.canvas.callsOf("rectangle")[0].brush.color, 0x808080);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].font.color, 0xC0C0C0);
    EXPECT_EQ(s.canvas.callsOf("lineTo")[0].pen.color, 0);
    b->button().caption.clear(); // the default caption
    s.draw(b, 0, 0xC0C0C0);
    EXPECT_EQ(s.canvas.callsOf("textOut")[0].text, " " + s.ctx.options.defaultButtonCaption + " ");
}

TEST(OperandLabels, LetterAndBoxBesideEachPickedNumber) {
    Scene s;
    model::Element* p = number(s, Kind::Parameter, 2);
    p->x2 = 0;
    p->y2 = 0;
    model::Element* q = number(s, Kind::Parameter, 3);
    s.ctx.state.calculationDialogVisible = true;
    s.ctx.state.pickedNumbers = {p, q};
    s.redraw();
    auto texts = s.canvas.callsOf("textOut");
    ASSERT_EQ(texts.size(), 4u);                         // both values, then the letters
    EXPECT_EQ(texts[2].str(), "textOut(548,382,\"a\")"); // 4 beyond "2.00", 2 above
    EXPECT_EQ(texts[3].text, "b");
    EXPECT_EQ(s.canvas.callsOf("lineTo").size(), 8u);
    EXPECT_EQ(s.canvas.callsOf("lineTo")[0].pen.color, s.ctx.options.selectionColor);
}

} // namespace
} // namespace zeva::render
