#include "ui/element_editor_logic.h"

#include "edit/delete.h"
#include "edit/edit.h"
#include "edit/factory.h"
#include "expr/dimension.h"
#include "expr/evaluator.h"
#include "expr/value_text.h"
#include "geometry/recompute.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/dialog_texts.h"
#include "ui/tool_selection.h"
#include "ui/tool_steps.h"

#include <algorithm>
#include <cctype>

namespace zeva::ui {

namespace {

using model::ElementClass;
using model::Kind;

constexpr int kMinLocusPoints = 2;
constexpr int kMaxLocusPoints = 99999;

bool isBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool textClass(ElementClass c) {
    switch (c) {
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return true;
    case ElementClass::Point:
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Axes:
    case ElementClass::Conic:
    case ElementClass::Intersection:
    case ElementClass::Grid:
        return false;
    }
    return false;
}

std::optional<ShapeFamily> shapesOf(const model::Element& e) {
    switch (e.elementClass()) {
    case ElementClass::Point:
    case ElementClass::Grid:
        return ShapeFamily::Point;
    case ElementClass::Angle:
        return ShapeFamily::Angle;
    case ElementClass::Locus:
        // A locus of a grid point driven along the grid is drawn as points.
        if (e.kind == Kind::Locus && e.parent2 && e.parent2->kind == Kind::GridPoint && e.parent1 &&
            e.parent1->elementClass() == ElementClass::Point)
            return ShapeFamily::Point;
        return ShapeFamily::Line;
    case ElementClass::Text:
    case ElementClass::Intersection:
        return std::nullopt;
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Axes:
    case ElementClass::Conic:
        return ShapeFamily::Line;
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return std::nullopt;
    }
    return std::nullopt;
}

EditorLayout layoutOf(const model::Element& e) {
    EditorLayout l;
    const ElementClass c = e.elementClass();
    if (c == ElementClass::Property)
        l.nameRole = NameRole::CheckerText;
    else if (c == ElementClass::Button)
        l.nameRole = NameRole::Caption;
    else if (e.kind == Kind::Name)
        l.nameRole = NameRole::NamedElement;
    const bool noNameToggleKind = e.kind == Kind::Locus || e.kind == Kind::Axes ||
                                  e.kind == Kind::Name || e.kind == Kind::Grid ||
                                  e.kind == Kind::FunctionGraph;
    l.nameToggle = !textClass(c) && !noNameToggleKind;
    l.decimals = c == ElementClass::Number || c == ElementClass::Table ||
                 c == ElementClass::Equation || c == ElementClass::Coordinates;
    l.tableOrientation = c == ElementClass::Table;
    l.font = model::carriesFont(c) && e.font != nullptr;
    l.unit = c == ElementClass::Number;
    l.shapes = shapesOf(e);
    l.locusPoints = e.kind == Kind::Locus && !(e.parent2 && e.parent2->kind == Kind::GridPoint) &&
                    std::holds_alternative<model::SampleTail>(e.tail);
    l.interval = e.kind == Kind::FunctionGraph;
    l.anchors = e.kind == Kind::Bitmap;
    l.anchorsEnabled = l.anchors && e.parent1 && e.parent1->elementClass() == ElementClass::Point;
    return l;
}

std::optional<int> wholeNumber(const std::string& text) {
    std::string t;
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ') t += c;
    if (t.empty() || t.size() > 5 || !std::all_of(t.begin(), t.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    return std::stoi(t);
}

} // namespace

ElementEditorLogic::ElementEditorLogic(Session& session, model::Element& element)
    : s_(session), e_(&element) {
    layout_ = layoutOf(element);
    saved_ = current();
    switch (layout_.nameRole) {
    case NameRole::CheckerText:
        if (std::holds_alternative<model::CheckerTail>(element.tail))
            openingText_ =
                element.param1 == 1 ? element.checker().trueText : element.checker().falseText;
        break;
    case NameRole::Caption:
        if (std::holds_alternative<model::ButtonTail>(element.tail))
            openingText_ = element.button().caption;
        break;
    case NameRole::NamedElement:
        openingText_ = element.name().text;
        break;
    case NameRole::Name:
        if (element.label && element.label->kind == Kind::Name)
            openingText_ = element.label->name().text;
        break;
    }
    // What the element is built on shows in the figure while the editor is open.
    render::RenderState& state = s_.view().renderContext().state;
    if (std::holds_alternative<model::ExpressionTail>(element.tail)) {
        const model::ExpressionTail& t = element.expression();
        const auto v = static_cast<size_t>(
            std::clamp<int>(expr::operandCountOf(t), 0, static_cast<int>(t.refs.size())));
        state.editDialogPicking = true;
        state.pickedNumbers.assign(t.refs.begin(), t.refs.begin() + static_cast<std::ptrdiff_t>(v));
        state.pickedFunctions.assign(t.refs.begin() + static_cast<std::ptrdiff_t>(v), t.refs.end());
    } else if (textClass(element.elementClass())) {
        s_.tool.pendingInputs.clear();
        for (model::Element* p : {element.parent1, element.parent2, element.parent3})
            if (p) s_.tool.pendingInputs.push_back(p);
        if (!s_.tool.pendingInputs.empty()) s_.host.startTimer(TimerId::Blink, kBlinkMs);
    }
    redrawAndRepaint(s_);
}

bool ElementEditorLogic::present() const {
    return !closed_ && isInDocument(s_, e_);
}

ElementEditorLogic::Saved ElementEditorLogic::current() const {
    Saved s{e_->color,     e_->style,       e_->visible, e_->decimals, e_->param1, e_->dimension,
            e_->colorMode, e_->colorSource, 1,           std::nullopt};
    if (e_->label) s.labelVisible = e_->label->visible;
    if (e_->font) s.font = *e_->font;
    return s;
}

void ElementEditorLogic::put(const Saved& s) {
    e_->color = s.color;
    e_->style = s.style;
    e_->visible = s.visible;
    e_->decimals = s.decimals;
    e_->param1 = s.param1;
    e_->dimension = s.dimension;
    e_->colorMode = s.colorMode;
    e_->colorSource = s.colorSource;
    if (e_->label) e_->label->visible = s.labelVisible;
    if (e_->font && s.font) *e_->font = *s.font;
}

void ElementEditorLogic::preview(bool recompute) {
    if (!present()) return;
    // The figure shows the change at once; it is recorded only by "OK".
    if (recompute) geometry::recomputeElement(*e_, s_.view().recomputeContext());
    redrawAndRepaint(s_);
}

void ElementEditorLogic::endHighlights() {
    closed_ = true;
    render::RenderState& state = s_.view().renderContext().state;
    state.editDialogPicking = false;
    state.pickedNumbers.clear();
    state.pickedFunctions.clear();
    s_.host.stopTimer(TimerId::Blink);
    s_.tool.pendingInputs.clear();
    redrawAndRepaint(s_);
}

std::string ElementEditorLogic::caption() const {
    std::string text = settings::texts().kindName(e_->kind);
    if (std::holds_alternative<model::ExpressionTail>(e_->tail)) {
        text += ": " + e_->expression().expression;
    } else if (e_->kind == Kind::FunctionGraph && e_->parent1 &&
               std::holds_alternative<model::ExpressionTail>(e_->parent1->tail)) {
        text += ": " + e_->parent1->expression().expression;
    }
    return text;
}

int ElementEditorLogic::shownDecimals() const {
    return e_->decimals >= 0 && e_->decimals <= 8 ? e_->decimals : 2;
}

std::pair<std::string, std::string> ElementEditorLogic::intervalTexts() const {
    return {expr::fixedText(e_->y1, 4), expr::fixedText(e_->x2, 4)};
}

std::string ElementEditorLogic::locusPointsText() const {
    if (!layout_.locusPoints) return {};
    return std::to_string(e_->samples().capacity);
}

bool ElementEditorLogic::nameHidden() const {
    return e_->label && e_->label->visible == 0;
}
bool ElementEditorLogic::elementHidden() const {
    return e_->visible == 0;
}

bool ElementEditorLogic::unitMenu() const {
    if (e_->kind == Kind::Parameter) return true;
    return e_->kind == Kind::Calculation && expr::inferDimension(*e_) == 0;
}

void ElementEditorLogic::setColour(int32_t colorRef) {
    e_->color = colorRef;
    e_->colorSource = nullptr;
    preview();
}

void ElementEditorLogic::setStyle(int32_t style) {
    e_->style = style;
    preview();
}

void ElementEditorLogic::toggleVisible() {
    e_->visible = e_->visible == 0 ? 1 : 0;
    preview();
}

void ElementEditorLogic::toggleNameVisible() {
    if (!e_->label) return;
    e_->label->visible = e_->label->visible == 0 ? 1 : 0;
    preview();
}

void ElementEditorLogic::setDecimals(int decimals) {
    e_->decimals = std::clamp(decimals, 0, 8);
    preview(true);
}

void ElementEditorLogic::setTableHorizontal(bool horizontal) {
    e_->param1 = horizontal ? -100 : 100;
    preview(true);
}

void ElementEditorLogic::setFont(const model::ElementFont& font) {
    if (!e_->font) return;
    *e_->font = font;
    if (e_->elementClass() != ElementClass::Bitmap) e_->color = font.color;
    preview(true);
}

void ElementEditorLogic::setDimension(int dimension) {
    e_->dimension = std::clamp(dimension, 0, 3);
    preview(true);
}

void ElementEditorLogic::toggleUnit() {
    const int natural = e_->kind == Kind::Calculation ? expr::inferDimension(*e_)
                                                      : model::kindInfo(e_->kind).dimension;
    setDimension(e_->dimension == 0 ? natural : 0);
}

void ElementEditorLogic::setAnchor(int anchor) {
    if (anchor < 1 || anchor > 9) return;
    e_->param1 = anchor;
    preview(true);
}

std::optional<EditorRefusal> ElementEditorLogic::accept(const std::string& name,
                                                        const std::string& locusPoints,
                                                        const std::string& intervalStart,
                                                        const std::string& intervalEnd) {
    if (!present()) return std::nullopt;
    // Every field is checked before anything is applied.
    std::optional<int> points;
    if (layout_.locusPoints) {
        points = wholeNumber(locusPoints);
        if (!points || *points < kMinLocusPoints || *points > kMaxLocusPoints)
            return EditorRefusal{EditorField::LocusPoints, kMsgInvalidInput, kTextPointCountRange};
    }
    std::optional<std::pair<double, double>> interval;
    if (layout_.interval) {
        const model::AngleUnit unit = s_.document()->units.angleUnit;
        const auto a = expr::evaluateText(intervalStart, unit);
        if (!a) return EditorRefusal{EditorField::IntervalStart, kMsgInvalidInput, std::nullopt};
        const auto b = expr::evaluateText(intervalEnd, unit);
        if (!b) return EditorRefusal{EditorField::IntervalEnd, kMsgInvalidInput, std::nullopt};
        if (!(*a < *b))
            return EditorRefusal{EditorField::IntervalStart, kMsgInvalidInput, kTextIntervalOrder};
        // Ends typed as shown keep their exact values.
        if (intervalTexts() != std::pair{intervalStart, intervalEnd}) interval = {*a, *b};
    }
    const Saved final = current();
    const bool appearance = final.color != saved_.color || final.style != saved_.style ||
                            final.visible != saved_.visible || final.decimals != saved_.decimals ||
                            final.param1 != saved_.param1 || final.dimension != saved_.dimension ||
                            final.colorMode != saved_.colorMode ||
                            final.colorSource != saved_.colorSource ||
                            final.labelVisible != saved_.labelVisible || final.font != saved_.font;
    const bool renamed = name != openingText_;
    const bool resized = points && *points != e_->samples().capacity;
    if (!appearance && !renamed && !resized && !interval) {
        endHighlights();
        return std::nullopt;
    }

    // The undo snapshot must hold the element as it was: put it back, take the snapshot, then
    // apply the whole edit.
    put(saved_);
    geometry::recomputeElement(*e_, s_.view().recomputeContext());
    edit::Edit change(*s_.document(), s_.view().recomputeContext(), edit::UndoStep::Checkpoint);
    put(final);
    change.changed(*e_);
    model::Element* gone = nullptr; // deleted by the edit
    if (renamed) {
        switch (layout_.nameRole) {
        case NameRole::CheckerText:
            if (!isBlank(name) && std::holds_alternative<model::CheckerTail>(e_->tail))
                (e_->param1 == 1 ? e_->checker().trueText : e_->checker().falseText) = name;
            break;
        case NameRole::Caption:
            if (!isBlank(name) && std::holds_alternative<model::ButtonTail>(e_->tail))
                e_->button().caption = name;
            break;
        case NameRole::NamedElement:
            if (isBlank(name))
                gone = e_;
            else
                e_->name().text = name;
            break;
        case NameRole::Name:
            if (isBlank(name)) {
                if (e_->label) gone = e_->label;
            } else if (e_->label) {
                e_->label->name().text = name;
                change.changed(*e_->label);
            } else {
                edit::CreationRequest r;
                r.kind = Kind::Name;
                r.parent1 = e_;
                edit::CreationInputs in;
                in.nameText = name;
                edit::createElement(change, r, in);
            }
            break;
        }
    }
    if (resized) e_->samples().resize(*points);
    if (interval) {
        e_->y1 = interval->first;
        e_->x2 = interval->second;
    }
    if (gone) edit::deleteWithDependents(change, *gone);
    change.commit();
    endHighlights();
    return std::nullopt;
}

void ElementEditorLogic::cancel() {
    if (present()) {
        put(saved_);
        geometry::recomputeElement(*e_, s_.view().recomputeContext());
    }
    endHighlights();
}

void ElementEditorLogic::deleteElement() {
    if (!present()) return;
    put(saved_);
    geometry::recomputeElement(*e_, s_.view().recomputeContext());
    {
        edit::Edit change(*s_.document(), s_.view().recomputeContext(), edit::UndoStep::Checkpoint);
        edit::deleteWithDependents(change, *e_);
    }
    endHighlights();
}

void ElementEditorLogic::startParametricColour() {
    if (!present()) return;
    model::Element& target = *e_;
    const auto [start, end] = intervalTexts();
    accept(openingText_, locusPointsText(), start, end);
    if (isInDocument(s_, &target)) startParametricColourOn(s_, target);
}

} // namespace zeva::ui
