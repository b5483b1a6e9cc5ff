#include "ui/hover_feedback.h"

#include "expr/display_text.h"
#include "render/labels.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/draggable.h"
#include "ui/element_description.h"

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

constexpr int kLabelDrop = 18; // pixels the label moves down where the cursor shape needs room

bool pressableButton(const Element& e) {
    return e.kind == Kind::HideShowButton && e.param1 != 0;
}

bool onUnitMark(const Session& s, const Element& e) {
    return e.kind == Kind::Axes && s.hover.onUnitMarkOf(&e);
}

int cursorOver(const Session& s, const Element& e) {
    if (s.tool.active != tool::Move) return cursorOf(s.tool.active);
    if (pressableButton(e)) return cursor::PressButton;
    if (isDraggable(e, s.hover)) return cursor::Draggable;
    return cursor::Select;
}

bool specialCursor(int c) {
    return c == cursor::Ambiguous || c == cursor::Draggable || c == cursor::PressButton;
}

// Tools whose cursor shape reaches below the hot spot.
bool labelDropsFor(ToolCode t) {
    return (t >= tool::CheckParallel && t <= tool::CheckCollinearity) ||
           (t >= tool::Redefine && t <= tool::Animation) || t == tool::Table ||
           t == tool::MacroInitial || t == tool::MacroFinal ||
           (t >= tool::HideShowButton && t <= tool::Font);
}

render::Color labelColor(const Session& s, const Element& e) {
    const settings::Options& o = settings::options();
    if (!o.adaptCursorColor || s.hover.ambiguous) return o.cursorFont.color;
    if (e.kind == Kind::HideShowButton) return e.style; // the button's face
    if (onUnitMark(s, e)) return o.colorOf(ElementClass::Segment);
    return e.color;
}

// The label's top-left corner: at the cursor (lower where the cursor shape needs the room),
// kept inside the drawing area.
render::IPoint labelPosition(Session& s, render::IPoint pixel, const CursorLabel& label) {
    const render::ViewTransform& v = s.view().transform();
    render::Canvas& measure = s.view().baseCanvas();
    measure.setFont(
        render::canvasFont(s.view().renderContext(), settings::options().cursorFont, label.color));
    const render::TextSize size = measure.textExtent(label.text);
    const int c = s.hover.cursorShown;
    render::IPoint at = pixel;
    if (s.hover.ambiguous || c == cursor::Select || c == cursor::Draggable ||
        c == cursor::PressButton || labelDropsFor(s.tool.active))
        at.y += kLabelDrop;
    if (at.x + size.width > v.clientWidth) at.x = v.clientWidth - size.width;
    if (at.y + size.height > v.clientHeight) at.y = v.clientHeight - 2 * size.height;
    return at;
}

void setCursor(Session& s, int c) {
    s.host.setCursor(c);
    s.hover.cursorShown = c;
}

void eraseLabel(Session& s) {
    if (!s.hover.labelShown) return;
    s.host.showCursorLabel({});
    s.hover.labelShown = false;
}

} // namespace

std::string cursorLabelText(const Session& s, const Element& e) {
    const settings::TextTable& t = settings::texts();
    if (e.kind == Kind::FunctionGraph) {
        const Element* f = e.parent1;
        std::string name = f ? nameOf(*f) : std::string();
        if (name.empty() && f && f->kind == Kind::Function) name = expr::expressionDisplayText(*f);
        return " " + name + " ";
    }
    std::string text =
        " " + (onUnitMark(s, e) ? t.shortText(settings::kWordUnit) : t.kindWord(e.kind)) + " ";
    const ElementClass c = e.elementClass();
    const std::string name = nameOf(e);
    if (!name.empty() && c != ElementClass::Number && c != ElementClass::Function &&
        c != ElementClass::Coordinates)
        text += name + " ";
    return text;
}

std::string hoverStatusText(const Element& e) {
    std::string text = settings::texts().kindName(e.kind);
    if (e.kind == Kind::Calculation || e.kind == Kind::Function)
        text += ": " + expr::expressionDisplayText(e);
    return "[ " + text + " ]";
}

void hideCursorLabel(Session& s) {
    eraseLabel(s);
    s.hover.element = nullptr;
}

void showHoverFeedback(Session& s, render::IPoint pixel) {
    HoverState& h = s.hover;
    const ToolCode t = s.tool.active;
    const size_t n = h.hits.size();
    if (n == 0) {
        h.element = nullptr;
        if (specialCursor(h.cursorShown)) setCursor(s, cursorOf(t));
        if (h.labelShown) {
            eraseLabel(s);
            s.host.repaint();
        }
        if (h.ambiguous) {
            setCursor(s, cursorOf(t));
            h.ambiguous = false;
        }
        h.single = false;
        return;
    }
    Element& first = *h.hits.front();
    if (h.labelShown && &first != h.element) {
        // Another element: its own label replaces the old one.
        eraseLabel(s);
        h.single = false;
    }
    const std::string various = settings::texts().message(settings::kMsgVarious);
    if (n == 1) {
        if (h.ambiguous) {
            h.ambiguous = false;
            eraseLabel(s);
        }
        setCursor(s, cursorOver(s, first));
        s.host.setStatusText(hoverStatusText(first));
    } else if (!h.ambiguous) {
        h.single = false;
        eraseLabel(s);
        setCursor(s, cursor::Ambiguous);
        s.host.setStatusText("[ " + various + " ]");
    }
    if (!h.single && !h.ambiguous) (n == 1 ? h.single : h.ambiguous) = true;

    CursorLabel label;
    label.text = h.ambiguous ? " " + various + " " : cursorLabelText(s, first);
    label.color = labelColor(s, first);
    label.position = labelPosition(s, pixel, label);
    s.host.showCursorLabel(label);
    h.labelShown = true;
    h.element = &first;
}

} // namespace zeva::ui
