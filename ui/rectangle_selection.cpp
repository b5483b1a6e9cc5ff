#include "ui/rectangle_selection.h"

#include "ui/drag.h"
#include "ui/rectangle_touch.h"

#include <unordered_set>

namespace zeva::ui {

namespace {

using model::Element;

// The renderer draws the rectangle from its own state: dotted while it is dragged out and
// while it stays on the drawing.
void showRectangle(Session& s) {
    render::RenderState& state = s.view().renderContext().state;
    const SelectionRectangle& r = s.rectangle;
    state.rubberBandActive = r.active;
    if (r.active || r.present)
        state.pendingRectangle = render::WorldRect{r.start, r.corner};
    else
        state.pendingRectangle.reset();
}

void labelFollows(Element& e) {
    if (e.label && e.label->param1 != 1) e.label->selected = e.selected;
}

bool selectable(const Session& s, const Element& e) {
    if (e.exists != 1 || e.visible == 100) return false;
    return e.visible == 1 || s.showHidden;
}

} // namespace

void clearRectangle(Session& s) {
    s.rectangle = SelectionRectangle{};
    showRectangle(s);
}

void toggleSelection(Element& e) {
    e.selected = e.selected ? 0 : 1;
    labelFollows(e);
}

void startRectangle(Session& s, Point world, bool keepSelection) {
    document::Document* d = s.document();
    if (!d) return;
    SelectionRectangle r;
    r.start = r.corner = world;
    r.active = true;
    if (keepSelection)
        r.kept = d->construction.selectedList();
    else
        d->construction.setSelectionAll(0);
    s.rectangle = std::move(r);
    showRectangle(s);
}

void rectangleStep(Session& s, Point world) {
    if (!s.document()) return;
    s.rectangle.corner = world;
    showRectangle(s);
    s.view().redraw();
    s.host.repaint();
}

void finishRectangle(Session& s, bool ctrlHeld) {
    document::Document* d = s.document();
    SelectionRectangle& r = s.rectangle;
    const WorldBox box = WorldBox::between(r.start, r.corner);
    const bool largeEnough = box.right - box.left >= kSmallestRectangle &&
                             box.top - box.bottom >= kSmallestRectangle;
    r.active = false;
    r.present = largeEnough;
    if (largeEnough) {
        r.start = {box.left, box.top};
        r.corner = {box.right, box.bottom};
    }
    if (largeEnough && d && !ctrlHeld) {
        View& view = s.view();
        TouchContext touch{view.renderContext(), view.baseCanvas(), view.recomputeContext()};
        const std::unordered_set<const Element*> kept(r.kept.begin(), r.kept.end());
        for (Element* e : d->construction) {
            if (!selectable(s, *e) || kept.count(e)) continue;
            // A name that is not shown by itself takes its element's flag.
            if (e->kind == model::Kind::Name && e->param1 != 1) continue;
            e->selected = touchesRectangle(*e, box, touch) ? 1 : 0;
            labelFollows(*e);
        }
    }
    r.kept.clear();
    showRectangle(s);
}

} // namespace zeva::ui
