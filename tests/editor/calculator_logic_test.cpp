// The calculation window's rules without widgets: what its buttons insert, the operand picks,
// evaluating with its messages, placing a new Cálculo, Parámetro or Función, and redefining an
// existing Cálculo in place.
#include "fake_host.h"
#include "tests/support/edits.h"

#include "document/undo.h"
#include "expr/display_text.h"
#include "ui/calculator_logic.h"
#include "ui/dialog_texts.h"

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;
using testing::EditorFixture;

Element* freePoint(document::Document& d, double x, double y) {
    edit::CreationRequest r;
    r.kind = Kind::FreePoint;
    r.x1 = x;
    r.y1 = y;
    return zeva::testing::create(d, r);
}

Element* distance(document::Document& d, Element* a, Element* b) {
    edit::CreationRequest r;
    r.kind = Kind::DistancePointPoint;
    r.parent1 = a;
    r.parent2 = b;
    return zeva::testing::create(d, r);
}

struct Calculator : ::testing::Test {
    EditorFixture f;
    CalculatorLogic logic{f.session()};
    Element* a = nullptr;
    Element* b = nullptr;
    Element* p = nullptr;
    Element* ab = nullptr; // 80 units: 2 cm
    Element* bc = nullptr; // 40 units: 1 cm

    void SetUp() override {
        p = freePoint(f.doc(), 0, 0);
        a = freePoint(f.doc(), 80, 0);
        b = freePoint(f.doc(), 80, 40);
        ab = distance(f.doc(), p, a);
        bc = distance(f.doc(), a, b);
    }
};

TEST(CalculatorText, ButtonsInsertAtTheCaretAndCloseTheirBracket) {
    struct Row {
        const char* text;
        size_t caret;
        const char* inserted;
        const char* after;
        size_t caretAfter;
    };
    const Row rows[] = {
        {"", 0, "sin(", "sin()", 4},         // at the end: the bracket closes
        {"a+b", 1, "sqr(", "asqr(+b", 5},    // before another character: it does not
        {"f1()", 3, "cos(", "f1(cos())", 7}, // before a ")": it closes
        {"a", 1, "+", "a+", 2},
        {"ab", 99, "*", "ab*", 3}, // a caret past the end is the end
    };
    for (const Row& r : rows) {
        const TextInsertion got = insertAtCaret(r.text, r.caret, r.inserted);
        EXPECT_EQ(got.text, r.after) << r.text << " + " << r.inserted;
        EXPECT_EQ(got.caret, r.caretAfter) << r.text << " + " << r.inserted;
    }
    EXPECT_EQ(insertionButtonText("sin", true), "asin(");
    EXPECT_EQ(insertionButtonText("tan", false), "tan(");
    EXPECT_EQ(insertionButtonText("log", true), "log("); // "arc" only turns sin, cos, tan
    EXPECT_EQ(insertionButtonText("pi", true), "pi");
    EXPECT_EQ(insertionButtonText("^", false), "^");
    EXPECT_EQ(operandLetter(0), "a");
    EXPECT_EQ(operandLetter(16), "q");
    EXPECT_EQ(operandLetter(17), "s"); // no "r": it is the polar variable
    EXPECT_EQ(operandLetter(21), "z");
    EXPECT_EQ(CalculatorLogic::functionTypeText(3), "r=f(w)");
}

TEST_F(Calculator, PicksGiveLettersAndCallsAndAFullListIgnoresMore) {
    logic.open(tool::Calculate, nullptr);
    EXPECT_TRUE(f.host.fakeView.ctx.state.calculationDialogVisible);
    EXPECT_EQ(logic.pick(*ab), "a");
    EXPECT_EQ(logic.pick(*bc), "b");
    EXPECT_EQ(logic.pick(*ab), "a");                               // picked again: the same letter
    EXPECT_EQ(logic.pick(*p), std::nullopt);                       // a point has no value
    EXPECT_EQ(f.host.fakeView.ctx.state.pickedNumbers.size(), 2u); // the figure marks both

    std::vector<Element*> more;
    for (int i = 0; i < 21; ++i)
        more.push_back(distance(f.doc(), p, b));
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(logic.pick(*more[static_cast<size_t>(i)]));
    EXPECT_EQ(logic.operands().size(), 22u);
    EXPECT_EQ(logic.pick(*more[20]), std::nullopt); // the 23rd is ignored
    EXPECT_EQ(logic.operands().size(), 22u);

    logic.close();
    EXPECT_FALSE(f.host.fakeView.ctx.state.calculationDialogVisible);
    EXPECT_TRUE(f.host.fakeView.ctx.state.pickedNumbers.empty());
}

TEST_F(Calculator, BadExpressionsGiveTheirMessageAndChangeNothing) {
    const int before = f.doc().construction.countOf();
    const int32_t modified = f.doc().modified;
    for (int tool : {tool::Calculate, tool::Parameter, tool::Function}) {
        logic.open(tool, nullptr);
        logic.pick(*ab);
        struct Row {
            std::string text;
            std::optional<int> message;
        };
        const Row rows[] = {
            {"", kMsgExpressionInvalid},
            {"((", kMsgExpressionInvalid},
            {std::string(101, '1'), kMsgExpressionTooLong},
            {"SIN X", kMsgExpressionInvalid},
            {"a+", kMsgExpressionInvalid},
        };
        for (const Row& r : rows) {
            const CalculatorAnswer got = logic.evaluate(r.text);
            EXPECT_EQ(got.messageSlot, r.message) << tool << ": " << r.text;
            EXPECT_FALSE(logic.ready()) << tool << ": " << r.text;
            EXPECT_EQ(logic.place({0, 0}), nullptr);
        }
    }
    // Without value: a Cálculo reads "no existente" and can be placed, a Parámetro is refused.
    logic.open(tool::Calculate, nullptr);
    CalculatorAnswer got = logic.evaluate("1/0");
    EXPECT_EQ(got.resultText, "no existente");
    EXPECT_EQ(got.messageSlot, std::nullopt);
    EXPECT_TRUE(logic.ready());
    logic.open(tool::Parameter, nullptr);
    got = logic.evaluate("1/0");
    EXPECT_EQ(got.messageSlot, kMsgExpressionInvalid);
    EXPECT_FALSE(logic.ready());
    EXPECT_EQ(f.doc().construction.countOf(), before);
    EXPECT_EQ(f.doc().modified, modified);
}

TEST_F(Calculator, APlacedCalculationFollowsItsOperandsAndIsOneUndoStep) {
    f.doc().modified = 0;
    f.editor.selectTool(tool::Calculate);
    logic.open(tool::Calculate, nullptr);
    logic.pick(*ab);
    logic.pick(*bc);
    const CalculatorAnswer got = logic.evaluate("a*b+2");
    EXPECT_EQ(got.resultText, "4.0000");
    ASSERT_TRUE(logic.ready());
    Element* made = logic.place({100, 50});
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->kind, Kind::Calculation);
    EXPECT_DOUBLE_EQ(made->x1, 4.0);
    EXPECT_EQ(made->dimension, 0); // an area plus a pure number: a pure number
    EXPECT_EQ(f.session().tool.active, tool::Move);
    EXPECT_EQ(f.doc().modified, 1);
    EXPECT_FALSE(logic.ready()); // placed once

    // Moving a point: the value follows.
    zeva::testing::inEdit(f.doc(), [&](edit::Edit& e) {
        b->y1 = 80; // bc becomes 2 cm
        e.changed(*b);
    });
    EXPECT_DOUBLE_EQ(made->x1, 6.0);
    EXPECT_EQ(made->param1, 100);

    // One undo takes the calculation away again.
    ASSERT_TRUE(document::undo(f.doc()));
    for (const Element* e : f.doc().construction)
        EXPECT_NE(e->kind, Kind::Calculation);
}

TEST_F(Calculator, AFunctionGetsItsTypeAndANameLabel) {
    logic.open(tool::Function, nullptr);
    logic.setFunctionType(3);
    EXPECT_EQ(logic.variableName(), "w");
    logic.pick(*ab);
    const CalculatorAnswer got = logic.evaluate("a*sin(w)");
    EXPECT_EQ(got.resultText, "f(w)=a*sin(w)");
    Element* made = logic.place({0, 0});
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->kind, Kind::Function);
    EXPECT_EQ(made->param1, 3);
    ASSERT_NE(made->label, nullptr);
    EXPECT_EQ(made->label->kind, Kind::Name);
    EXPECT_EQ(made->label->name().text, expr::functionLabelText(*made));
}

TEST_F(Calculator, RedefiningReplacesTheCalculationAndRefusesItsOwnDependents) {
    logic.open(tool::Calculate, nullptr);
    logic.pick(*ab);
    logic.evaluate("a+1");
    Element* sum = logic.place({0, 0});
    ASSERT_NE(sum, nullptr);
    logic.open(tool::Calculate, nullptr);
    logic.pick(*sum);
    logic.evaluate("a*2");
    Element* twice = logic.place({0, -50});
    ASSERT_NE(twice, nullptr);
    EXPECT_DOUBLE_EQ(twice->x1, 6.0);

    logic.open(tool::Calculate, sum);
    EXPECT_EQ(logic.loadedText(), "a+1");
    EXPECT_EQ(logic.operands(), std::vector<Element*>{ab});
    EXPECT_EQ(logic.pick(*twice), std::nullopt); // built on the element redefined
    EXPECT_EQ(logic.pick(*bc), "b");
    const CalculatorAnswer got = logic.evaluate("a+b");
    EXPECT_TRUE(got.redefined);
    Element* fresh = logic.redefining();
    ASSERT_NE(fresh, nullptr);
    EXPECT_DOUBLE_EQ(fresh->x1, 3.0);
    EXPECT_DOUBLE_EQ(twice->x1, 6.0); // follows the new element
    EXPECT_EQ(twice->expression().refs.front(), fresh);
    bool behind = false;
    for (const Element* e : f.doc().construction) {
        if (e == fresh) behind = true;
        if (e == twice) {
            EXPECT_TRUE(behind) << "the dependent moved behind the new element";
        }
    }
    ASSERT_TRUE(document::undo(f.doc())); // one step back to "a+1"
    // The window's picks belonged to the construction the undo put away: its next use drops
    // them instead of reading freed elements.
    EXPECT_EQ(logic.evaluate("a+b").messageSlot, kMsgExpressionInvalid);
    EXPECT_EQ(logic.redefining(), nullptr);
}

} // namespace
} // namespace zeva::ui
