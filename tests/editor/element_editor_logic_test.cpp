// The element editor's rules without widgets: the controls each class shows, names made and
// removed, "Cancel" putting everything back without touching `modified`, "OK" as one undo step
// (or none when nothing changed), and refused fields.
#include "fake_host.h"
#include "tests/support/edits.h"

#include "document/undo.h"
#include "ui/calculator_logic.h"
#include "ui/dialog_texts.h"
#include "ui/element_editor_logic.h"

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;
using testing::EditorFixture;

struct ElementEditor : ::testing::Test {
    EditorFixture f;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                  const std::string& name = {}) {
        edit::CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        edit::CreationInputs in;
        in.nameText = name;
        return zeva::testing::create(f.doc(), r, in);
    }
    Element* point(double x, double y) {
        edit::CreationRequest r;
        r.kind = Kind::FreePoint;
        r.x1 = x;
        r.y1 = y;
        return zeva::testing::create(f.doc(), r);
    }
    void fresh() {
        f.doc().modified = 0;
        document::clearHistory(f.doc());
    }
};

TEST_F(ElementEditor, EachClassShowsItsOwnControls) {
    Element* a = point(0, 0);
    Element* b = point(80, 0);
    Element* c = point(0, 80);
    Element* d = make(Kind::DistancePointPoint, a, b);
    Element* angle = make(Kind::Angle, b, a);
    angle->parent3 = c;
    struct Row {
        Element* e;
        std::optional<ShapeFamily> shapes;
        bool nameToggle, decimals, unit, font;
    };
    const Row rows[] = {
        {a, ShapeFamily::Point, true, false, false, false},
        {make(Kind::Segment, a, b), ShapeFamily::Line, true, false, false, false},
        {angle, ShapeFamily::Angle, true, false, false, false},
        {d, std::nullopt, false, true, true, true},
    };
    for (const Row& r : rows) {
        ElementEditorLogic logic(f.session(), *r.e);
        const EditorLayout& l = logic.layout();
        EXPECT_EQ(l.shapes, r.shapes) << model::toInt(r.e->kind);
        EXPECT_EQ(l.nameToggle, r.nameToggle) << model::toInt(r.e->kind);
        EXPECT_EQ(l.decimals, r.decimals) << model::toInt(r.e->kind);
        EXPECT_EQ(l.unit, r.unit) << model::toInt(r.e->kind);
        EXPECT_EQ(l.font, r.font) << model::toInt(r.e->kind);
        logic.cancel();
    }
    d->decimals = 12;
    ElementEditorLogic logic(f.session(), *d);
    EXPECT_EQ(logic.shownDecimals(), 2); // outside 0..8
    EXPECT_EQ(logic.caption(), "Distancia(punto a punto)");
    EXPECT_FALSE(logic.unitMenu()); // a length toggles its unit
    logic.toggleUnit();
    EXPECT_EQ(d->dimension, 0);
    logic.toggleUnit();
    EXPECT_EQ(d->dimension, 1);
    logic.cancel();
}

TEST_F(ElementEditor, CancelPutsEverythingBackAndLeavesModifiedAlone) {
    Element* a = point(0, 0);
    Element* b = point(80, 0);
    Element* s = make(Kind::Segment, a, b);
    const Element before = [&] {
        Element copy;
        copy.color = s->color;
        copy.style = s->style;
        copy.visible = s->visible;
        return copy;
    }();
    fresh();
    ElementEditorLogic logic(f.session(), *s);
    logic.setColour(0x00FF00);
    logic.setStyle(3);
    logic.toggleVisible();
    EXPECT_EQ(s->color, 0x00FF00); // the figure shows it at once
    EXPECT_EQ(s->visible, 0);
    EXPECT_EQ(f.doc().modified, 0);
    logic.cancel();
    EXPECT_EQ(s->color, before.color);
    EXPECT_EQ(s->style, before.style);
    EXPECT_EQ(s->visible, before.visible);
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_FALSE(f.doc().undoAvailable);

    // "OK" with nothing changed records nothing either.
    ElementEditorLogic again(f.session(), *s);
    EXPECT_EQ(again.accept("", "", "", ""), std::nullopt);
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_FALSE(f.doc().undoAvailable);
}

TEST_F(ElementEditor, NamesAreMadeAndRemovedAsOneUndoStep) {
    Element* a = point(0, 0);
    Element* named = point(40, 0);
    make(Kind::Name, named, nullptr, "P");
    ASSERT_NE(named->label, nullptr);
    fresh();

    ElementEditorLogic clear(f.session(), *named);
    EXPECT_EQ(clear.openingText(), "P");
    EXPECT_EQ(clear.accept("  ", "", "", ""), std::nullopt);
    EXPECT_EQ(named->label, nullptr); // cleared: the label goes
    EXPECT_EQ(f.doc().modified, 1);

    ElementEditorLogic name(f.session(), *a);
    EXPECT_EQ(name.openingText(), "");
    name.setColour(0x00FF00);
    EXPECT_EQ(name.accept("A", "", "", ""), std::nullopt);
    ASSERT_NE(a->label, nullptr);
    EXPECT_EQ(a->label->name().text, "A");
    EXPECT_EQ(a->color, 0x00FF00);

    // One undo takes back the name and the colour together.
    ASSERT_TRUE(document::undo(f.doc()));
    const Element* first = *f.doc().construction.begin();
    EXPECT_EQ(first->label, nullptr);
    EXPECT_NE(first->color, 0x00FF00);
}

TEST_F(ElementEditor, AColourButtonOnAParametricColourMakesItPlain) {
    Element* a = point(0, 0);
    Element* b = point(80, 0);
    Element* d = make(Kind::DistancePointPoint, a, b);
    a->colorSource = d;
    a->colorMode = 2;
    ElementEditorLogic logic(f.session(), *a);
    logic.setColour(255);
    EXPECT_EQ(a->colorSource, nullptr);
    EXPECT_EQ(logic.accept("", "", "", ""), std::nullopt);
    EXPECT_EQ(a->colorSource, nullptr);
    EXPECT_EQ(a->color, 255);
}

TEST_F(ElementEditor, RefusedIntervalsAndPointCountsChangeNothing) {
    Element* o = point(0, 0);
    Element* axes = make(Kind::Axes, o);
    CalculatorLogic calc(f.session());
    calc.open(tool::Function, nullptr);
    calc.evaluate("sin(x)");
    Element* function = calc.place({0, 100});
    ASSERT_NE(function, nullptr);
    Element* graph = make(Kind::FunctionGraph, function, axes);
    ASSERT_NE(graph, nullptr);
    const double start = graph->y1;
    const double end = graph->x2;
    fresh();

    ElementEditorLogic logic(f.session(), *graph);
    EXPECT_TRUE(logic.layout().interval);
    EXPECT_EQ(logic.caption(), "Representación de función: sin(x)");
    auto refused = logic.accept("", "", "5", "3");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->field, EditorField::IntervalStart);
    EXPECT_EQ(refused->extraSlot, kTextIntervalOrder);
    const std::string bads[] = {"", "1/0", "((", std::string(101, '1'), "SIN X"};
    for (const std::string& bad : bads) {
        refused = logic.accept("", "", bad, "3");
        ASSERT_TRUE(refused) << bad;
        EXPECT_EQ(refused->field, EditorField::IntervalStart);
        refused = logic.accept("", "", "-3", bad);
        ASSERT_TRUE(refused) << bad;
        EXPECT_EQ(refused->field, EditorField::IntervalEnd);
    }
    EXPECT_DOUBLE_EQ(graph->y1, start);
    EXPECT_DOUBLE_EQ(graph->x2, end);
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_EQ(logic.accept("", "", "-2*pi", "2*pi"), std::nullopt);
    EXPECT_NEAR(graph->y1, -6.283185307, 1e-9);
    EXPECT_NEAR(graph->x2, 6.283185307, 1e-9);
    EXPECT_EQ(f.doc().modified, 1);

    Element* mover = make(Kind::PointOnElement, axes->axes().axisX.get());
    Element* traced = make(Kind::Midpoint, mover, o);
    Element* locus = make(Kind::Locus, traced, mover);
    ASSERT_NE(locus, nullptr);
    ElementEditorLogic locusEditor(f.session(), *locus);
    ASSERT_TRUE(locusEditor.layout().locusPoints);
    for (const char* bad : {"", "1", "abc", "2.5", "123456"}) {
        refused = locusEditor.accept("", bad, "", "");
        ASSERT_TRUE(refused) << bad;
        EXPECT_EQ(refused->field, EditorField::LocusPoints);
    }
    EXPECT_EQ(locusEditor.accept("", "120", "", ""), std::nullopt);
    EXPECT_EQ(locus->samples().capacity, 120);
}

} // namespace
} // namespace zeva::ui
