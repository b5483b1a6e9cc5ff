#pragma once
// Builds figures for the animation tests through the element factory, as the tools make them,
// each element in an edit of its own, recomputed at its commit.

#include "document/document.h"
#include "edit/factory.h"
#include "expr/calculator.h"
#include "expr/function_graph.h"
#include "geometry/recompute.h"

#include <vector>

namespace zeva::edit::testing {

using model::Element;
using model::Kind;

struct FigureMaker {
    document::Document& d;
    CreationRequest r{};

    geometry::RecomputeContext ctx() { return document::contextFor(d); }

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr, Element* p3 = nullptr,
                  const CreationInputs& in = {}) {
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        Edit change(d, ctx(), UndoStep::Continue);
        return createElement(change, r, in);
    }
    Element* point(double x, double y) {
        r.x1 = x;
        r.y1 = y;
        return make(Kind::FreePoint);
    }
    // A point on `host` at parameter t.
    Element* pointOn(Element* host, double t) {
        r.y2 = t;
        return make(Kind::PointOnElement, host);
    }
    Element* polygon(const std::vector<Element*>& vertices) {
        CreationInputs in;
        in.picked = vertices;
        return make(Kind::Polygon, nullptr, nullptr, nullptr, in);
    }
    Element* conic(const std::vector<Element*>& five) {
        CreationInputs in;
        in.picked = five;
        return make(Kind::Conic, nullptr, nullptr, nullptr, in);
    }
    Element* parameter(double value, double minimum, double maximum) {
        CreationInputs in;
        in.parameterValue = value;
        Element* p = make(Kind::Parameter, nullptr, nullptr, nullptr, in);
        p->parameter().minimum = minimum;
        p->parameter().maximum = maximum;
        return p;
    }
    // The graph of y = f(x) on axes at `origin`, over x in [start, end] axis units.
    Element* graph(const char* formula, Element* axes, double start, double end) {
        auto compiled = expr::compileCalculatorInput({formula, {}, {}, 1});
        if (!compiled) return nullptr;
        CreationInputs in;
        in.formula = compiled->text;
        in.code = compiled->code;
        in.constants = compiled->valueTable;
        in.formulaDimension = compiled->dimension;
        r.param1 = 1;
        Element* f = make(Kind::Function, nullptr, nullptr, nullptr, in);
        Element* g = make(Kind::FunctionGraph, f, axes);
        g->y1 = start;
        g->x2 = end;
        geometry::recomputeElement(*g, ctx());
        return g;
    }
    void recomputeAll() { geometry::recomputeAll(d.construction, ctx()); }
};

} // namespace zeva::edit::testing
