#include "ui/hit_test.h"

#include "model/construction.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "ui/element_description.h"
#include "ui/hit_search.h"
#include "ui/hover_feedback.h"

#include <algorithm>

namespace zeva::ui {

namespace {

using model::Element;

// Whether e is (still) an element of the construction or one of their sub-elements: the
// chooser answers after the window's menu closed, and the figure may have changed meanwhile.
bool belongsTo(const model::Construction& c, const Element* e) {
    for (Element* x : c) {
        if (x == e) return true;
        bool found = false;
        model::forEachSubElement(*x, [&](Element& sub) { found = found || &sub == e; });
        if (found) return true;
    }
    return false;
}

} // namespace

HitSearch beginSearch(Session& s, document::Document& d, Point world) {
    View& view = s.view();
    const render::ViewTransform& transform = view.transform();
    const double scale = transform.drawScale > 0 ? transform.drawScale : 1.0;
    return HitSearch{s,
                     d,
                     s.tool.active,
                     s.tool.selectableMask,
                     Reach{world, settings::options().detectionDistance / scale},
                     render::worldToScreen(transform, world),
                     transform,
                     view.renderContext(),
                     view.baseCanvas(),
                     view.recomputeContext(),
                     {},
                     {},
                     {}};
}

int hitTest(Session& s, Point world) {
    document::Document* d = s.document();
    if (!d) {
        clearHover(s);
        return 0;
    }
    HitSearch h = beginSearch(s, *d, world);
    h.hits.reserve(16);
    collectCandidates(h);
    s.hover.unitMark = h.unitMark; // the move tool's choice among points reads it
    rankCandidates(h);
    s.hover.hits = std::move(h.hits);
    s.hover.polygonSides = std::move(h.polygonSides);
    showHoverFeedback(s, h.pixel);
    return static_cast<int>(s.hover.hits.size());
}

int hitTestAtCursor(Session& s) {
    const std::optional<render::IPoint> at = s.host.cursorPosition();
    if (!at || !s.document()) return 0;
    return hitTest(s, render::screenToWorld(s.view().transform(), at->x, at->y));
}

void clearHover(Session& s) {
    HoverState& h = s.hover;
    const bool labelWasShown = h.labelShown;
    h.single = h.ambiguous = false;
    h.hits.clear();
    hideCursorLabel(s);
    if (labelWasShown) s.host.repaint();
    if (labelWasShown || h.cursorShown >= 0)
        s.host.setCursor(s.document() ? cursorOf(s.tool.active) : cursor::Arrow);
    h.cursorShown = -1;
}

void openChooser(Session& s, render::IPoint at) {
    HoverState& h = s.hover;
    hideCursorLabel(s);
    s.host.repaint();
    std::vector<std::string> items;
    items.reserve(h.hits.size());
    for (const Element* e : h.hits)
        items.push_back(elementDescription(*e));
    h.chooserCandidates = std::move(h.hits);
    h.hits.clear();
    h.single = h.ambiguous = false;
    s.host.setCursor(cursorOf(s.tool.active));
    h.cursorShown = -1;
    s.host.openChooser(items, at);
}

std::optional<MouseEvent> chooserClosed(Session& s, int index) {
    HoverState& h = s.hover;
    const std::vector<Element*> candidates = std::move(h.chooserCandidates);
    h.chooserCandidates.clear();
    document::Document* d = s.document();
    if (!d || index < 0 || index >= static_cast<int>(candidates.size())) return std::nullopt;
    Element* chosen = candidates[static_cast<size_t>(index)];
    if (!belongsTo(d->construction, chosen)) return std::nullopt;
    h.hits.assign(1, chosen);
    h.element = chosen;
    h.single = true;
    h.ambiguous = false;
    if (s.tool.active != tool::Move) {
        MouseEvent press;
        press.x = s.tool.lastPress.x;
        press.y = s.tool.lastPress.y;
        press.button = MouseButton::Left;
        press.modifiers = s.tool.lastPressModifiers;
        return press;
    }
    // Selection is no change of the construction: no undo step.
    chosen->selected = chosen->selected ? 0 : 1;
    if (chosen->label && chosen->label->param1 != 1) chosen->label->selected = chosen->selected;
    s.view().redraw();
    s.host.repaint();
    return std::nullopt;
}

} // namespace zeva::ui
