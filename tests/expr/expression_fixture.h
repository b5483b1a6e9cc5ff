#pragma once
// Small builders for expression tests: número operands, compiled Cálculo and Función elements,
// axes and graphs, kept alive together.

#include "expr/compiler.h"
#include "expr/tokenizer.h"
#include "model/element.h"

#include <memory>
#include <string>
#include <vector>

namespace zeva::expr::testing {

struct Elements {
    std::vector<std::unique_ptr<model::Element>> owned;

    model::Element* keep(std::unique_ptr<model::Element> e) {
        owned.push_back(std::move(e));
        return owned.back().get();
    }

    // A measurement-like número with a value and a dimension.
    model::Element* number(double value, int dimension = 0,
                           model::Kind kind = model::Kind::Parameter) {
        auto e = model::makeElement(kind);
        e->x1 = value;
        e->param1 = 100;
        e->dimension = dimension;
        return keep(std::move(e));
    }

    // A Cálculo (type 0) or Función (types 1..4) compiled over the given references; the
    // value table holds the constants, the operand slots are filled by recompute.
    model::Element* expression(const std::string& text, std::vector<model::Element*> operands,
                               std::vector<model::Element*> functions = {}, int type = 0) {
        auto e = model::makeElement(type == 0 ? model::Kind::Calculation : model::Kind::Function);
        e->param1 = type == 0 ? 100 : type;
        auto& t = e->expression();
        t.expression = text;
        const int v = static_cast<int>(operands.size());
        const int f = static_cast<int>(functions.size());
        auto code = compileExpression(text, v, f, type);
        if (code) t.code = *code;
        t.constants.assign(static_cast<size_t>(1 + v + f + countConstants(text)), 0.0);
        fillConstants(text, v + f, t.constants);
        for (size_t j = 0; j < operands.size(); ++j)
            t.constants[j + 1] = operands[j]->x1;
        t.measureCount = v;
        t.refs = operands;
        t.refs.insert(t.refs.end(), functions.begin(), functions.end());
        t.refIndices.assign(t.refs.size(), -1);
        return keep(std::move(e));
    }

    // Axes with their origin at `origin` and the given units.
    model::Element* axes(Point origin = {}, double unitX = 40.0, double unitY = 40.0) {
        auto o = model::makeElement(model::Kind::FreePoint);
        o->x1 = origin.x;
        o->y1 = origin.y;
        auto a = model::makeElement(model::Kind::Axes);
        a->parent1 = keep(std::move(o));
        a->axes().unitX = unitX;
        a->axes().unitY = unitY;
        return keep(std::move(a));
    }

    model::Element* graph(model::Element* function, model::Element* axesElement) {
        auto g = model::makeElement(model::Kind::FunctionGraph);
        g->parent1 = function;
        g->parent2 = axesElement;
        return keep(std::move(g));
    }
};

} // namespace zeva::expr::testing
