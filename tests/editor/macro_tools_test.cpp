// The macro tools driven by clicks: choosing initial and final elements (picks toggle and
// blink, a final element must be determined), making the macro, and applying it one input at a
// time (empty space makes a point where one is expected, classes must match, one undo step per
// application, texts at the last click).

#include "fake_host.h"

#include "edit/factory.h"
#include "settings/text_table.h"
#include "tests/support/edits.h"
#include "ui/macro_logic.h"

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

struct MacroScript : testing::EditorFixture, ::testing::Test {
    MacroTools tools{session()};

    MacroScript() {
        host.onMacroInput = [this](Element* hit, Point world) { tools.inputClicked(hit, world); };
        host.onMacroPick = [this](int tool, Element& e) { tools.elementPicked(tool, e); };
    }
    Element* make(Kind kind, double x, double y, Element* p1 = nullptr, Element* p2 = nullptr,
                  std::vector<Element*> picked = {}) {
        edit::CreationRequest r;
        r.kind = kind;
        r.x1 = x;
        r.y1 = y;
        r.parent1 = p1;
        r.parent2 = p2;
        edit::CreationInputs in;
        in.picked = std::move(picked);
        return zeva::testing::create(doc(), r, in);
    }
    Element* point(double x, double y) { return make(Kind::FreePoint, x, y); }
    std::string lastNotice() const { return host.notices.empty() ? "" : host.notices.back().second; }
    std::string word(model::ElementClass c) const { return settings::texts().classWord(c); }
};

TEST_F(MacroScript, ChoosingElementsMakingTheMacroAndApplyingItByClicks) {
    Element* a = point(0, 0);
    Element* b = point(100, 0);
    Element* m = make(Kind::Midpoint, 0, 0, a, b);
    Element* c = point(50, 80);
    point(-150, -150); // a free point: nothing determines it

    tools.chooseInitial();
    EXPECT_EQ(session().tool.active, tool::MacroInitial);
    click(0, 0);
    click(100, 0);
    EXPECT_EQ(tools.initialElements(), (std::vector<Element*>{a, b}));
    EXPECT_EQ(session().tool.pendingInputs, (std::vector<Element*>{a, b})); // they blink
    EXPECT_TRUE(host.timerRunning(TimerId::Blink));
    click(100, 0); // a second pick takes it out again
    EXPECT_EQ(tools.initialElements(), (std::vector<Element*>{a}));
    click(100, 0);

    tools.chooseFinal();
    EXPECT_TRUE(session().tool.pendingInputs.empty());
    click(-150, -150);
    EXPECT_EQ(lastNotice(), settings::texts().message(9)); // "No puede ser un elemento final"
    EXPECT_TRUE(tools.finalElements().empty());
    click(50, 0);
    EXPECT_EQ(tools.finalElements(), (std::vector<Element*>{m}));

    const MacroDialogState state = tools.dialogOpened();
    EXPECT_TRUE(state.initialEnabled && state.finalEnabled && state.completeEnabled);
    EXPECT_EQ(session().tool.active, tool::ApplyMacro);
    EXPECT_FALSE(host.timerRunning(TimerId::Blink));
    EXPECT_EQ(tools.complete("  "), -1);
    EXPECT_EQ(lastNotice(), settings::texts().message(16)); // "Debe tener un nombre"
    ASSERT_EQ(tools.complete("Medio"), 0);
    EXPECT_TRUE(tools.initialElements().empty() && tools.finalElements().empty());
    EXPECT_FALSE(tools.dialogState().completeEnabled);

    // Applying: a click on empty space makes the first point, the existing point c the second.
    ASSERT_TRUE(tools.startApplying(doc().macros[0]));
    EXPECT_EQ(host.status, "Medio -> " + word(model::ElementClass::Point));
    const int before = doc().construction.countOf();
    click(-200, 100);
    ASSERT_EQ(session().tool.pendingInputs.size(), 1u);
    Element* made = session().tool.pendingInputs[0];
    EXPECT_EQ(made->kind, Kind::FreePoint);
    EXPECT_TRUE(host.timerRunning(TimerId::Blink));
    click(50, 80);
    ASSERT_EQ(doc().construction.countOf(), before + 2);
    Element* mid = doc().construction.lastElement;
    EXPECT_EQ(mid->kind, Kind::Midpoint);
    EXPECT_EQ(mid->parent1, made);
    EXPECT_EQ(mid->parent2, c);
    EXPECT_EQ(mid->visible, 1);
    EXPECT_EQ(mid->point(), (Point{-75, 90}));
    EXPECT_TRUE(session().tool.pendingInputs.empty());
    EXPECT_FALSE(host.timerRunning(TimerId::Blink));
    EXPECT_EQ(session().tool.active, tool::ApplyMacro); // ready for the next set
    EXPECT_EQ(session().tool.toolMessage, "Medio -> " + word(model::ElementClass::Point));

    // The point made by the click and the midpoint are one undo step.
    editor.undo();
    EXPECT_EQ(doc().construction.countOf(), before);
}

TEST_F(MacroScript, EachInputMustHaveTheExpectedClassAndTextsLandAtTheLastClick) {
    Element* p = point(0, 0);
    Element* q = point(60, 0);
    Element* s = make(Kind::Segment, 0, 0, p, q);
    Element* length = make(Kind::SegmentLength, 0, 0, s);
    tools.elementPicked(tool::MacroInitial, *s);
    tools.elementPicked(tool::MacroFinal, *length);
    EXPECT_EQ(tools.finalElements(), std::vector<Element*>{length});
    tools.dialogOpened();
    ASSERT_EQ(tools.complete("Longitud"), 0);

    Element* u = point(-200, 100);
    Element* v = point(-100, 100);
    Element* w = point(-150, 200);
    Element* triangle = make(Kind::Polygon, 0, 0, nullptr, nullptr, {u, v, w});
    point(200, -200);
    ASSERT_TRUE(tools.startApplying(doc().macros[0]));
    EXPECT_EQ(host.status, "Longitud -> " + word(model::ElementClass::Segment));
    const int before = doc().construction.countOf();
    click(-300, -300); // empty space: a segment is expected, nothing happens
    click(200, -200);  // a point is not a segment
    EXPECT_TRUE(session().tool.pendingInputs.empty());
    EXPECT_EQ(doc().construction.countOf(), before);

    click(-150, 100); // the triangle's first side serves as a segment
    ASSERT_EQ(doc().construction.countOf(), before + 1);
    Element* measured = doc().construction.lastElement;
    EXPECT_EQ(measured->kind, Kind::SegmentLength);
    EXPECT_EQ(measured->parent1, triangle->polygon().sides[0].get());
    EXPECT_EQ(measured->secondPoint(), (Point{-150, 100}));
}

TEST_F(MacroScript, ADamagedMacroIsNotTakenUp) {
    Element* a = point(0, 0);
    Element* b = point(100, 0);
    Element* m = make(Kind::Midpoint, 0, 0, a, b);
    tools.elementPicked(tool::MacroInitial, *a);
    tools.elementPicked(tool::MacroInitial, *b);
    tools.elementPicked(tool::MacroFinal, *m);
    ASSERT_EQ(tools.complete("m"), 0);
    doc().macros[0].body.elements->parent2Index = 9; // names nothing
    editor.selectTool(tool::Move);
    EXPECT_FALSE(tools.startApplying(doc().macros[0]));
    EXPECT_EQ(lastNotice(), settings::texts().extraMessage(settings::kExtraMacroDamaged));
    EXPECT_EQ(session().tool.active, tool::Move);
    EXPECT_FALSE(tools.applying());
}

} // namespace
} // namespace zeva::ui
