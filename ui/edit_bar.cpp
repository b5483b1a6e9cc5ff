#include "ui/edit_bar.h"

#include "edit/edit.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/tool_selection.h"

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;

// The style each shape tool gives: points 63..66, lines 67..70, angle marks 71..73.
constexpr int kStyleOfShapeTool[] = {1, 4, 2, 3, 1, 3, 4, 2, 1, 2, 3};

bool takesFont(const Element& e) {
    return model::showsText(e.elementClass()) && (e.kind == model::Kind::Text || e.font);
}

bool takesLineShape(ElementClass c) {
    switch (c) {
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Locus:
    case ElementClass::Axes:
    case ElementClass::Conic:
        return true;
    case ElementClass::Point:
    case ElementClass::Angle:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return false;
    }
    return false;
}

bool takesShape(const Element& e, ToolCode t) {
    const ElementClass c = e.elementClass();
    if (t <= tool::PointShapeLast) return c == ElementClass::Point;
    if (t <= tool::LineShapeLast) return takesLineShape(c);
    return c == ElementClass::Angle;
}

// The fill of polygons and circles, the background of texts and of what shows text.
void setFill(Element& e, int32_t color) {
    const ElementClass c = e.elementClass();
    if (c == ElementClass::Polygon || c == ElementClass::Circle)
        e.param1 = color;
    else
        e.style = color;
}

// Whether the tool changes this element (hide/show and colour change anything).
bool takes(const Element& e, ToolCode t) {
    if (t == tool::FillColour) {
        const ElementClass c = e.elementClass();
        return c == ElementClass::Polygon || c == ElementClass::Circle || model::showsText(c);
    }
    if (t >= tool::PointShapeNormal && t <= tool::AngleShapeLast) return takesShape(e, t);
    return t == tool::HideShow || t == tool::Colour;
}

void applyTo(Element& e, ToolCode t, render::Color colour) {
    if (t >= tool::PointShapeNormal && t <= tool::AngleShapeLast) {
        e.style = kStyleOfShapeTool[t - tool::PointShapeNormal];
        return;
    }
    if (t == tool::HideShow) {
        e.visible = e.visible ? 0 : 1;
        if (e.label) e.label->visible = e.visible;
        e.selected = 0;
    } else if (t == tool::Colour) {
        e.color = colour;
        if (e.kind == model::Kind::Text) e.text().textFont.color = colour;
        e.colorSource = nullptr;
    } else if (t == tool::FillColour) {
        setFill(e, colour);
        e.colorSource = nullptr;
    }
}

// The font the dialog starts from: the first selected text's (or value's) font, in white on a
// black background and in black on any other.
model::ElementFont initialFontFor(const std::vector<Element*>& targets, render::Color background) {
    model::ElementFont f;
    for (const Element* e : targets) {
        if (e->kind == model::Kind::Text) {
            f = e->text().textFont;
            break;
        }
        if (e->font) {
            f = *e->font;
            break;
        }
    }
    f.color = background == 0 ? 0xFFFFFF : 0;
    return f;
}

} // namespace

ToolCode toolOfEditBarButton(const ToolState& state, EditBarButton b) {
    switch (b) {
    case EditBarButton::HideShow:
        return tool::HideShow;
    case EditBarButton::EditElement:
        return tool::EditElement;
    case EditBarButton::Delete:
        return tool::DeleteElement;
    case EditBarButton::Font:
        return tool::Font;
    case EditBarButton::Colour:
        return state.parametricColourDown ? tool::ParametricColour : tool::Colour;
    case EditBarButton::FillColour:
        return state.parametricColourDown ? tool::ParametricFillColour : tool::FillColour;
    case EditBarButton::PointShape:
        return state.pointShapeCode;
    case EditBarButton::LineShape:
        return state.lineShapeCode;
    case EditBarButton::AngleShape:
        return state.angleShapeCode;
    }
    return tool::Move;
}

void pressEditBarButton(Session& s, EditBarButton b) {
    ToolState& state = s.tool;
    s.host.hideToolWindows(false);
    s.rectangle = SelectionRectangle{};
    resetConstruction(s);

    const ToolCode t = toolOfEditBarButton(state, b);
    // The parametric colours pick their source step by step: an ordinary tool choice.
    if (t == tool::ParametricColour || t == tool::ParametricFillColour) {
        selectTool(s, t);
        return;
    }
    if (t == tool::Colour || t == tool::FillColour) state.useCurrentColor = false;
    state.previous = state.active;
    state.active = t;
    s.host.toolChanged(t);
    document::Document* d = s.document();
    s.host.setCursor(d ? cursorOf(t) : cursor::Arrow);
    const settings::TextTable& texts = settings::texts();
    state.toolMessageSlot = t == tool::HideShow ? 3   // "Hacer visible o invisible…"
                            : t > tool::Font    ? 4   // "Cambiar la apariencia…"
                                                : -1;
    state.toolMessage =
        state.toolMessageSlot >= 0 ? texts.message(state.toolMessageSlot) : texts.toolText(t);
    setAcceptCounts(s, acceptRowOf(t));
    refreshStatus(s);
    if (!d) return;
    if (applyToSelection(s, t)) return; // the move tool is active again
    d->construction.setSelectionAll(0);
    s.view().redraw();
    s.host.repaint();
}

bool applyToSelection(Session& s, ToolCode t) {
    document::Document* d = s.document();
    if (!d || t == tool::EditElement || t == tool::DeleteElement) return false;
    std::vector<Element*> selected = d->construction.selectedList();
    if (selected.empty()) return false;
    if (t == tool::Font) {
        std::erase_if(selected, [](const Element* e) { return !takesFont(*e); });
        if (selected.empty()) return false;
        // The elements change when the font comes back, in one undo step then: a cancelled
        // dialog leaves the document untouched and unmodified.
        s.tool.selectionFontTargets = selected;
        s.host.openFontDialog(initialFontFor(selected, d->units.backgroundColor));
        selectTool(s, tool::Move);
        return true;
    }
    std::erase_if(selected, [t](const Element* e) { return !takes(*e, t); });
    // A selection the tool cannot change (a point shape on circles only) is left as it was,
    // the document unmodified and no undo step spent.
    if (!selected.empty()) {
        edit::Edit change(*d, s.view().recomputeContext(), edit::UndoStep::Checkpoint);
        for (Element* e : selected)
            applyTo(*e, t, s.tool.currentColor);
        change.changedWithoutRecompute();
        change.commit();
    }
    selectTool(s, tool::Move);
    return true;
}

bool selectionFontChosen(Session& s, const std::optional<model::ElementFont>& font) {
    if (s.tool.selectionFontTargets.empty()) return false;
    const std::vector<Element*> targets = std::move(s.tool.selectionFontTargets);
    s.tool.selectionFontTargets.clear();
    document::Document* d = s.document();
    if (!font || !d) return true;
    edit::Edit change(*d, s.view().recomputeContext(), edit::UndoStep::Checkpoint);
    for (Element* e : targets) {
        if (!isInDocument(s, e)) continue;
        if (e->kind == model::Kind::Text)
            e->text().textFont = *font;
        else if (e->font)
            *e->font = *font;
        if (e->kind != model::Kind::Table) e->color = font->color;
        change.changed(*e);
    }
    if (change.commit() == edit::Redraw::Redraw) {
        s.view().redraw();
        s.host.repaint();
    }
    return true;
}

} // namespace zeva::ui
