// Redefining a Cálculo or Función through an edit.

#include "edit/redefine.h"

#include "expr/tokens.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

namespace zeva::edit {
namespace {

using model::Kind;

struct Figure {
    document::Document d;
    model::Construction& c = d.construction;

    model::Element* add(std::unique_ptr<model::Element> e) { return c.append(std::move(e)); }
    model::Element* number(double v, int dimension) {
        auto e = model::makeElement(Kind::Parameter);
        e->x1 = v;
        e->param1 = 100;
        e->dimension = dimension;
        return add(std::move(e));
    }
    model::Element* calculation(const std::string& text, std::vector<model::Element*> operands,
                                std::vector<model::Element*> functions = {}, int type = 0) {
        auto compiled = expr::compileCalculatorInput({text, operands, functions, type});
        auto e = model::makeElement(type == 0 ? Kind::Calculation : Kind::Function);
        e->param1 = type == 0 ? 100 : type;
        e->dimension = compiled->dimension;
        auto& t = e->expression();
        t.expression = compiled->text;
        t.code = compiled->code;
        t.constants = compiled->valueTable;
        t.refs = operands;
        t.refs.insert(t.refs.end(), functions.begin(), functions.end());
        return add(std::move(e));
    }
    std::vector<model::Element*> order() const {
        std::vector<model::Element*> out;
        for (model::Element* e : c)
            out.push_back(e);
        return out;
    }
};

// One edit per redefinition, as the calculation dialog makes it.
model::Element* redefine(Figure& fig, model::Element& old, const expr::CompiledExpression& compiled) {
    return testing::inEdit(fig.d, [&](Edit& e) { return redefineExpressionElement(e, old, compiled); });
}

TEST(RedefineTest, DependentsMoveBehindTheNewElementAndReferToIt) {
    Figure fig;
    auto* a = fig.number(2.0, 1);
    auto* b = fig.number(3.0, 1);
    auto* calc = fig.calculation("a+b", {a, b}); // a length
    auto* other = fig.number(1.0, 0);
    auto* twice = fig.calculation("a*2", {calc}); // a length, depends on calc
    auto* point = fig.add(model::makeElement(Kind::PointByCoordinates));
    point->parent1 = twice;
    point->parent2 = other;
    auto name = model::makeElement(Kind::Name);
    name->parent1 = calc;
    name->name().text = "s = ";
    model::Element* label = fig.add(std::move(name));
    calc->label = label;
    calc->color = 0x123456;
    calc->decimals = 4;
    calc->x2 = 17.0;
    fig.c.traced.push_back(point);

    const auto compiled = expr::compileCalculatorInput({"a*b", {a, b}, {}, 0});
    model::Element* fresh = redefine(fig, *calc, *compiled);
    ASSERT_NE(fresh, nullptr);
    // a, b and other stay; the new element comes next, then the dependents in their order
    // (the name label depends on what it names).
    const auto order = fig.order();
    const std::vector<model::Element*> expected{a, b, other, fresh, twice, point, label};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(fig.c.lastElement, label);
    EXPECT_EQ(twice->expression().refs[0], fresh);
    EXPECT_EQ(point->parent1, twice);
    EXPECT_EQ(label->parent1, fresh);
    EXPECT_EQ(fresh->label, label);
    EXPECT_EQ(fresh->color, 0x123456);
    EXPECT_EQ(fresh->decimals, 4);
    EXPECT_EQ(fresh->x2, 17.0);
    EXPECT_EQ(fresh->expression().expression, "a*b");
    // Dimensions inferred again: the new one is an area, and so is twice (area times 2).
    EXPECT_EQ(fresh->dimension, 2);
    EXPECT_EQ(twice->dimension, 2);
    EXPECT_EQ(fig.c.traced.size(), 1u);
    // The commit recomputed the figure and marked the document modified.
    EXPECT_EQ(twice->x1, 12.0);
    EXPECT_EQ(fig.d.modified, 1);
}

TEST(RedefineTest, RefusesAnExpressionOverItselfOrItsDependents) {
    Figure fig;
    auto* a = fig.number(2.0, 1);
    auto* calc = fig.calculation("a", {a});
    auto* dependent = fig.calculation("a+1", {calc});
    const auto before = fig.order();
    fig.d.modified = 0;
    const auto overSelf = expr::compileCalculatorInput({"a", {calc}, {}, 0});
    EXPECT_EQ(redefine(fig, *calc, *overSelf), nullptr);
    const auto overDependent = expr::compileCalculatorInput({"a", {dependent}, {}, 0});
    EXPECT_EQ(redefine(fig, *calc, *overDependent), nullptr);
    const auto asFunction = expr::compileCalculatorInput({"x", {}, {}, expr::kYofX});
    EXPECT_EQ(redefine(fig, *calc, *asFunction), nullptr);
    EXPECT_EQ(fig.order(), before);
    EXPECT_EQ(fig.d.modified, 0); // a refused redefinition reports nothing
}

TEST(RedefineTest, FunctionKeepsItsGraphsAndRenamesItsLabel) {
    Figure fig;
    auto* k = fig.number(3.0, 0);
    auto* f = fig.calculation("x", {}, {}, expr::kYofX);
    auto* graph = fig.add(model::makeElement(Kind::FunctionGraph));
    graph->parent1 = f;
    auto name = model::makeElement(Kind::Name);
    name->parent1 = f;
    f->label = fig.add(std::move(name));
    auto nameK = model::makeElement(Kind::Name);
    nameK->parent1 = k;
    nameK->name().text = "k";
    k->label = fig.add(std::move(nameK));
    const auto compiled = expr::compileCalculatorInput({"a*r", {k}, {}, expr::kWofR});
    model::Element* fresh = redefine(fig, *f, *compiled);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->param1, expr::kWofR);
    EXPECT_EQ(graph->parent1, fresh);
    const std::vector<model::Element*> expected{k, k->label, fresh, graph, fresh->label};
    EXPECT_EQ(fig.order(), expected);
    EXPECT_EQ(fresh->label->name().text, "f(r)=k\u00b7r");
}

} // namespace
} // namespace zeva::edit
