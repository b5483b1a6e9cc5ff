// The edit tools applied to a clicked element: hide/show (55), delete with dependents (57),
// font (58, through a font dialog), colour (59), fill colour (60) and shapes (63..73).
#include "ui/construction_change.h"
#include "ui/hit_test.h"
#include "ui/tool_steps.h"
#include "ui/tool_steps_common.h"

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

// The shape code each shape tool gives: points 63..66, lines 67..70, angles 71..73.
constexpr int kShapeOfTool[] = {1, 4, 2, 3, 1, 3, 4, 2, 1, 2, 3};

bool isText(const Element& e) {
    return e.kind == Kind::Text;
}

// The font the font dialog starts from: the text's own, or the font the element shows its
// value in; its colour is the element's colour except for tables.
std::optional<model::ElementFont> fontToEdit(const Element& e) {
    model::ElementFont f;
    if (isText(e))
        f = e.text().textFont;
    else if (e.font)
        f = *e.font;
    else
        return std::nullopt;
    if (e.kind != Kind::Table) f.color = e.color;
    return f;
}

void setFill(Element& e, int32_t color) {
    const ElementClass c = e.elementClass();
    if (c == ElementClass::Polygon || c == ElementClass::Circle)
        e.param1 = color;
    else if (isText(e) || e.font)
        e.style = color; // the text background
}

// A look changed on a polygon, axes or coordinates element or on one of their parts is the
// look of the whole (only the owner's is saved).
void shareLook(Element& changed) {
    Element& owner = *model::ownerOf(&changed);
    if (&owner != &changed) {
        owner.color = changed.color;
        owner.style = changed.style;
    }
    model::shareLookWithSubElements(owner);
}

void forgetHover(Session& s) {
    clearHover(s);
    s.hover.hits.clear();
    s.hover.element = nullptr;
}

} // namespace

void editHit(Session& s) {
    Element* hit = steps::pickedElement(s);
    if (!hit || !s.document()) return;
    const ToolCode t = s.tool.active;
    takeEditSnapshot(s);
    markModified(s);
    if (t >= tool::PointShapeNormal && t <= tool::AngleShapeLast)
        hit->style = kShapeOfTool[t - tool::PointShapeNormal];
    switch (t) {
    case tool::HideShow:
        hit->visible = hit->visible ? 0 : 1;
        if (hit->label) hit->label->visible = hit->visible;
        break;
    case tool::DeleteElement:
        forgetHover(s);
        deleteWithDependents(s, *model::ownerOf(hit));
        break;
    case tool::Font:
        if (const auto font = fontToEdit(*hit)) {
            s.tool.awaiting = {AwaitedAnswer::Window::ElementFont, hit, nullptr, {}, t};
            s.host.openFontDialog(*font);
        }
        return;
    case tool::Colour:
        hit->color = s.tool.currentColor;
        if (isText(*hit)) hit->text().textFont.color = s.tool.currentColor;
        hit->colorSource = nullptr;
        s.tool.useCurrentColor = true;
        break;
    case tool::FillColour:
        setFill(*hit, s.tool.currentColor);
        hit->colorSource = nullptr;
        break;
    }
    if (t != tool::DeleteElement) shareLook(*hit); // a deleted element is gone
    recomputeRedrawRepaint(s);
}

void fontDialogClosed(Session& s, const std::optional<model::ElementFont>& font) {
    const AwaitedAnswer asked = s.tool.awaiting;
    if (asked.window != AwaitedAnswer::Window::ElementFont) return;
    s.tool.awaiting = {};
    Element* e = asked.target;
    if (!font || !isInDocument(s, e)) return;
    model::ElementFont chosen = *font;
    const int32_t oldColor = e->color;
    const bool keepsColor = e->kind == Kind::Table;
    // A colour equal to the background would make the element invisible: the old one stays.
    if (!keepsColor && chosen.color == s.document()->units.backgroundColor) chosen.color = oldColor;
    if (isText(*e))
        e->text().textFont = chosen;
    else if (e->font)
        *e->font = chosen;
    if (!keepsColor) e->color = chosen.color;
    shareLook(*e);
    recomputeRedrawRepaint(s);
}

} // namespace zeva::ui
