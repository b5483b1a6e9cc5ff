#pragma once
// Scripted constructions for the tool tests: a known figure on the fixture's view (world origin
// at pixel (512, 384), one world unit per pixel) and presses at drawing-area pixels.

#include "edit/factory.h"
#include "expr/calculator.h"
#include "geometry/point_on_element.h"
#include "geometry/recompute.h"
#include "model/units.h"
#include "tests/editor/fake_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace zeva::ui::testing {

// Drawing-area pixel of a world point on the fixture's view.
inline render::IPoint pixelOf(double x, double y) {
    return {static_cast<int>(std::lround(512 + x)), static_cast<int>(std::lround(384 - y))};
}

// The figure the scripts work on, by name:
//   A (0,0), B (100,0), C (0,100), Q (0,50) free points; D (-200,-100), E (-100,-150) and the
//   segment DE; the line AB and the line BC; the circle c about A through B and the circle c2
//   about C through Q; the triangle FGH (F (200,100), G (300,100), H (250,200)) with its sides
//   "FG", "GH", "HF"; P a point on c at (-60,80) and M the midpoint of P and B; the angle BAC
//   "ang"; the arc JKL through J (-300,100), K (-250,150), L (-200,100); a conic through five
//   points of the ellipse x²/150² + y²/60² = 1, (0,60) among them; the parameter n = 2 shown at
//   (-400,300); axes on a hidden origin at (-400,-250) with their lines "Ox", "Oy"; the function
//   f(x) = x·x shown at (-400,250).
struct Figure {
    std::map<std::string, model::Element*> named;
    int count = 0; // elements in the construction after building it

    model::Element* operator[](const std::string& name) const { return named.at(name); }
};

inline Figure buildFigure(EditorFixture& f) {
    using model::Kind;
    Figure fig;
    document::Document& d = f.doc();
    // Each element made as a tool makes it: in an edit of its own, recomputed at its commit.
    auto create = [&](edit::CreationRequest& r, const edit::CreationInputs& in = {}) {
        edit::Edit change(d, f.host.fakeView.recomputeContext(), edit::UndoStep::Continue);
        return edit::createElement(change, r, in);
    };
    auto make = [&](const std::string& name, Kind kind, model::Element* p1 = nullptr,
                    model::Element* p2 = nullptr, model::Element* p3 = nullptr,
                    const edit::CreationInputs& in = {}) {
        edit::CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        model::Element* e = create(r, in);
        if (!name.empty()) fig.named[name] = e;
        return e;
    };
    auto point = [&](const std::string& name, double x, double y) {
        edit::CreationRequest r;
        r.x1 = x;
        r.y1 = y;
        model::Element* e = create(r);
        fig.named[name] = e;
        return e;
    };
    model::Element* a = point("A", 0, 0);
    model::Element* b = point("B", 100, 0);
    model::Element* c = point("C", 0, 100);
    model::Element* q = point("Q", 0, 50);
    make("DE", Kind::Segment, point("D", -200, -100), point("E", -100, -150));
    make("AB", Kind::LineThroughTwoPoints, a, b);
    make("BC", Kind::LineThroughTwoPoints, b, c);
    model::Element* circle = make("c", Kind::CircleByCentreAndPoint, a, b);
    make("c2", Kind::CircleByCentreAndPoint, c, q);

    edit::CreationInputs triangle;
    triangle.picked = {point("F", 200, 100), point("G", 300, 100), point("H", 250, 200)};
    model::Element* poly = make("FGH", Kind::Polygon, nullptr, nullptr, nullptr, triangle);
    fig.named["FG"] = poly->polygon().sides[0].get();
    fig.named["GH"] = poly->polygon().sides[1].get();
    fig.named["HF"] = poly->polygon().sides[2].get();

    geometry::recomputeAll(d.construction, f.host.fakeView.recomputeContext());
    edit::CreationRequest on;
    on.kind = Kind::PointOnElement;
    on.parent1 = circle;
    on.y2 = geometry::parameterOf(*circle, {-60, 80}, f.host.fakeView.recomputeContext());
    fig.named["P"] = create(on);
    make("M", Kind::Midpoint, fig["P"], b);
    make("ang", Kind::Angle, b, a, c);
    make("JKL", Kind::ArcThreePoints, point("J", -300, 100), point("K", -250, 150),
         point("L", -200, 100));

    edit::CreationInputs five;
    for (int i = 0; i < 5; ++i) {
        const double t = model::kPi / 2 + i * 2 * model::kPi / 5;
        five.picked.push_back(point("k" + std::to_string(i), 150 * std::cos(t), 60 * std::sin(t)));
    }
    make("conic", Kind::Conic, nullptr, nullptr, nullptr, five);

    edit::CreationInputs two;
    two.parameterValue = 2.0;
    model::Element* n = make("n", Kind::Parameter, nullptr, nullptr, nullptr, two);
    n->x2 = -400;
    n->y2 = 300;
    model::Element* origin = point("O", -400, -250);
    origin->visible = 0;
    model::Element* axes = make("axes", Kind::Axes, origin);
    fig.named["Ox"] = axes->axes().axisX.get();
    fig.named["Oy"] = axes->axes().axisY.get();
    const auto square = expr::compileCalculatorInput({"x*x", {}, {}, 1});
    model::Element* function =
        make("f", Kind::Function, nullptr, nullptr, nullptr, edit::inputsFor(*square, Kind::Function));
    function->x2 = -400;
    function->y2 = 250;

    geometry::recomputeAll(d.construction, f.host.fakeView.recomputeContext());
    f.host.fakeView.redraw();
    fig.count = d.construction.countOf();
    return fig;
}

// A press and release at a drawing-area pixel, after a move there. `on` names the element the
// hit test must find alone under the cursor there (empty: nothing); the press stops the test
// when it finds something else.
inline void pressAt(EditorFixture& f, const Figure& fig, render::IPoint px,
                    const std::string& on = {}) {
    MouseEvent e;
    e.x = px.x;
    e.y = px.y;
    f.host.cursor = px;
    f.editor.mouseMove(e);
    const HoverState& h = f.session().hover;
    if (on.empty()) {
        ASSERT_TRUE(h.hits.empty()) << "something under the cursor at " << px.x << "," << px.y;
    } else {
        std::string found;
        for (const model::Element* c : h.hits) found += " " + std::to_string(model::toInt(c->kind));
        ASSERT_TRUE(h.single) << on << " is not alone under the cursor at " << px.x << ","
                              << px.y << " (kinds" << found << ")";
        ASSERT_EQ(h.hits.front(), fig[on]) << on << " is not under the cursor";
    }
    e.button = MouseButton::Left;
    f.editor.mouseDown(e);
    f.editor.mouseUp(e);
}

// The same with the cursor over an element the script made (not part of the figure).
inline void pressOn(EditorFixture& f, render::IPoint px, model::Element* on) {
    Figure one;
    one.named["x"] = on;
    pressAt(f, one, px, "x");
}

// The elements made after the figure, in construction order.
inline std::vector<model::Element*> madeAfter(EditorFixture& f, const Figure& fig) {
    std::vector<model::Element*> out;
    int i = 0;
    for (model::Element* e : f.doc().construction)
        if (i++ >= fig.count) out.push_back(e);
    return out;
}

} // namespace zeva::ui::testing
