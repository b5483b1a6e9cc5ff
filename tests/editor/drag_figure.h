#pragma once
// A figure on the editor fixture's document and the mouse gestures of the move tool, in world
// coordinates (x right, y up; world origin at pixel (512, 384), one unit per pixel).

#include "tests/support/edits.h"
#include "document/document_dump.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "tests/editor/fake_host.h"

#include <string>

namespace zeva::ui::testing {

struct DragFigure : EditorFixture {
    model::Element* make(model::Kind kind, model::Element* p1 = nullptr,
                         model::Element* p2 = nullptr, model::Element* p3 = nullptr,
                         Point a = {}, Point b = {}, const edit::CreationInputs& in = {}) {
        edit::CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        r.x1 = a.x;
        r.y1 = a.y;
        r.x2 = b.x;
        r.y2 = b.y;
        model::Element* e = zeva::testing::create(doc(), r, in);
        recompute();
        return e;
    }
    model::Element* point(double x, double y) {
        return make(model::Kind::FreePoint, nullptr, nullptr, nullptr, {x, y});
    }
    void recompute() {
        geometry::recomputeAll(doc().construction, host.fakeView.recomputeContext());
    }
    // The whole construction as `zeva --dump` shows it, with the modified flag and what the
    // dump leaves out: where names and equation texts sit.
    std::string dump() {
        std::string s = document::dumpJson(doc(), document::FileType::Document, 300) +
                        " modified=" + std::to_string(doc().modified);
        for (const model::Element* e : doc().construction) {
            if (e->kind == model::Kind::Name)
                s += " name " + document::jsonNumber(e->name().dx) + " " +
                     document::jsonNumber(e->name().dy);
            if (std::holds_alternative<model::EquationTail>(e->tail))
                s += " equation " + document::jsonNumber(e->equation().labelParam);
        }
        return s;
    }

    MouseEvent event(Point p, MouseButton b, Modifiers m = {}) {
        MouseEvent e = at(p.x, p.y, b);
        e.modifiers = m;
        host.cursor = render::IPoint{e.x, e.y};
        return e;
    }
    // The cursor moves there (hit test and previews), no button held.
    void hover(Point p) { editor.mouseMove(event(p, MouseButton::None)); }
    void press(Point p, Modifiers m = {}, MouseButton b = MouseButton::Left) {
        hover(p);
        editor.mouseDown(event(p, b, m));
    }
    // A move with the button held.
    void moveTo(Point p, Modifiers m = {}) {
        MouseEvent e = event(p, MouseButton::None, m);
        e.leftHeld = true;
        editor.mouseMove(e);
    }
    void release(Point p, Modifiers m = {}, MouseButton b = MouseButton::Left) {
        editor.mouseUp(event(p, b, m));
    }
    // Press at `from`, wait out the drag delay, move to `to` and release there.
    void drag(Point from, Point to, Modifiers m = {}) {
        press(from, m);
        fire(TimerId::DragDelay);
        moveTo(to, m);
        release(to, m);
    }
};

} // namespace zeva::ui::testing
