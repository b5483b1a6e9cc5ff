// The construction tools' shared operations and the dispatch of a press to the step of the
// active tool's family; the blink timer's tick; the double click that closes a polygon.
#include "ui/tool_steps.h"

#include "geometry/grid.h"
#include "geometry/point_on_element.h"
#include "render/renderer.h"
#include "ui/construction_change.h"
#include "ui/drag.h"
#include "ui/hit_test.h"
#include "ui/previews.h"
#include "ui/tool_selection.h"
#include "ui/tool_steps_common.h"

#include <array>
#include <cmath>

namespace zeva::ui {

namespace steps {

Element* pickedElement(const Session& s) {
    return s.hover.single && !s.hover.hits.empty() ? s.hover.hits.front() : nullptr;
}

ElementClass classOf(const Element& e) {
    return e.elementClass();
}

bool isPoint(const Element* e) {
    return e && classOf(*e) == ElementClass::Point;
}

bool isStraight(const Element* e) {
    if (!e) return false;
    const ElementClass c = classOf(*e);
    return c == ElementClass::Line || c == ElementClass::Ray || c == ElementClass::Segment;
}

Element* straightOf(const Session& s, Element* hit) {
    if (!hit || hit->kind != Kind::Polygon) return hit;
    auto& sides = hit->polygon().sides;
    const int side = s.hover.sideOf(hit);
    if (side < 0 || side >= static_cast<int>(sides.size())) return hit;
    return sides[static_cast<size_t>(side)].get();
}

Element* makePointAt(Session& s, Element* hit, Point world) {
    edit::CreationRequest r;
    const geometry::RecomputeContext ctx = s.view().recomputeContext();
    if (hit && hit->kind == Kind::IntersectionCandidate) {
        // The crossing the hit test offered becomes a real intersection point.
        r.kind = Kind::Intersection;
        r.parent1 = hit->parent1;
        r.parent2 = hit->parent2;
        r.param1 = hit->param1;
        r.param2 = hit->param2;
    } else if (hit && hit->kind == Kind::Grid) {
        r.kind = Kind::GridPoint;
        r.parent1 = hit;
        if (const auto node = geometry::nearestGridNode(*hit, world, ctx)) {
            r.x2 = node->x;
            r.y2 = node->y;
        }
    } else if (hit && geometry::carriesPointsOn(classOf(*hit))) {
        r.kind = Kind::PointOnElement;
        r.parent1 = hit;
        r.y2 = geometry::parameterOf(*hit, world, ctx);
        if (hit->kind == Kind::Polygon) r.param1 = static_cast<int32_t>(std::trunc(r.y2));
    } else {
        r.kind = Kind::FreePoint;
        r.x1 = world.x;
        r.y1 = world.y;
    }
    return createElement(s, r);
}

Element* pointFromClick(Session& s, Element* hit, Point world, bool redraw) {
    if (!s.tool.auxiliaryPointMade) {
        s.tool.auxiliaryPointMade = true;
        takeSnapshot(s);
    }
    // The tool's request is being filled: the point is made with a request of its own.
    Element* p = makePointAt(s, hit, world);
    if (redraw) {
        s.hover.element = nullptr;
        recomputeRedrawRepaint(s);
    } else if (p) {
        // Blinking and previews show it before the construction is next recomputed.
        geometry::recomputeElement(*p, s.view().recomputeContext());
    }
    return p;
}

Element* pointPick(Session& s, Element* hit, Point world, bool redraw) {
    return isPoint(hit) ? hit : pointFromClick(s, hit, world, redraw);
}

void startBlinking(Session& s) {
    s.host.startTimer(TimerId::Blink, kBlinkMs);
}
void stopBlinking(Session& s) {
    s.host.stopTimer(TimerId::Blink);
}

void append(Session& s, Element* e) {
    s.tool.pendingInputs.push_back(e);
    startBlinking(s);
    ++s.tool.step;
}

void resetAfterCreation(Session& s) {
    ToolState& t = s.tool;
    t.request.reset();
    setAcceptCounts(s, acceptRowOf(t.active));
    stopBlinking(s);
    t.pendingInputs.clear();
    t.step = 0;
    t.auxiliaryPointMade = false;
    t.snapshotTaken = false;
    t.regularSides = 30;
    t.regularTurns = 1;
    recomputeRedrawRepaint(s);
    refreshStatus(s);
}

Element* finish(Session& s, const edit::CreationInputs& inputs) {
    if (s.tool.active != tool::Intersection) takeSnapshot(s);
    Element* e = createElement(s, s.tool.request, inputs);
    resetAfterCreation(s);
    return e;
}

void setCount(Session& s, ElementClass c, int16_t n) {
    AcceptRow row = s.tool.acceptCounts;
    row[static_cast<size_t>(c)] = n;
    setAcceptCounts(s, row);
}

int16_t countOf(const Session& s, ElementClass c) {
    return s.tool.acceptCounts[static_cast<size_t>(c)];
}

void acceptOnly(Session& s, std::initializer_list<ElementClass> classes) {
    AcceptRow row{};
    for (ElementClass c : classes)
        row[static_cast<size_t>(c)] = 1;
    setAcceptCounts(s, row);
}

void acceptNothing(Session& s) {
    setAcceptCounts(s, AcceptRow{});
}

void dragNewElement(Session& s, Element& e, Point world) {
    selectTool(s, tool::Move);
    s.hover.hits.assign(1, &e);
    s.hover.single = true;
    s.hover.ambiguous = false;
    s.hover.element = &e;
    s.drag.afterCreation = true;
    s.host.startTimer(TimerId::DragDelay, kDragDelayMs);
    startDrag(s, world); // the drag module moves it until the button is released
}

} // namespace steps

namespace {

using StepFn = void (*)(Session&, Point);

// The step of each tool. Tools without one here: the move tool, the redefinition, trace and
// zoom tools (their own modules) and the edit tools (applied to the hit by editHit).
constexpr std::array<StepFn, kToolCount> makeStepTable() {
    std::array<StepFn, kToolCount> t{};
    for (ToolCode c = tool::Point; c <= tool::PerpendicularBisector; ++c)
        t[c] = steps::figureStep;
    t[tool::Intersection] = t[tool::Locus] = steps::crossingStep;
    for (ToolCode c = tool::CentralSymmetry; c <= tool::Inversion; ++c)
        t[c] = steps::transformStep;
    t[tool::Displacement] = steps::transformStep;
    for (ToolCode c = tool::CheckParallel; c <= tool::CheckCollinearity; ++c)
        t[c] = steps::checkerStep;
    for (ToolCode c = tool::PointByCoordinates; c <= tool::Grid; ++c)
        t[c] = steps::measureStep;
    t[tool::PlotFunction] = t[tool::Table] = steps::measureStep;
    for (ToolCode c :
         {tool::Calculate, tool::Parameter, tool::Function, tool::Animation, tool::ApplyMacro,
          tool::MacroInitial, tool::MacroFinal, tool::ParametricColour, tool::ParametricFillColour})
        t[c] = steps::handoverStep;
    for (ToolCode c = tool::Text; c <= tool::InsertBitmap; ++c)
        t[c] = steps::objectStep;
    return t;
}

constexpr std::array<StepFn, kToolCount> kSteps = makeStepTable();

} // namespace

void runToolStep(Session& s, const MouseEvent&, Point world) {
    if (!s.document() || !isValidTool(s.tool.active)) return;
    if (const StepFn step = kSteps[s.tool.active]) step(s, world);
}

void blinkTick(Session& s) {
    if (!s.document()) return;
    ToolState& t = s.tool;
    t.blinkOn = !t.blinkOn;
    if (s.hover.labelShown) clearHover(s);

    View& view = s.view();
    render::RenderContext& ctx = view.renderContext();
    render::Canvas& canvas = view.baseCanvas();
    for (model::Element* e : t.pendingInputs) {
        if (!e || e->exists != 1) continue;
        render::Color color = render::displayColor(ctx, *e);
        int style = e->style;
        if (t.blinkOn) {
            color = ctx.options.selectionColor;
            if (e->elementClass() == model::ElementClass::Point)
                style = 3;
            else if (e->kind == model::Kind::Locus && e->parent1 && e->parent1->colorSource)
                style = -1;
            else if (e->kind == model::Kind::Bitmap)
                style = -2;
        }
        render::drawElement(ctx, canvas, *e, color, style);
    }
    canvas.flush();
    // A preview on the window covers the bitmap just blinked: draw it again over it.
    if (t.previewShown) updatePreview(s, t.previewCursor);
    if (s.host.windowActive()) hitTestAtCursor(s);
    s.host.repaint();
}

void toolDoubleClick(Session& s) {
    if (s.tool.active == tool::Polygon) steps::closePolygon(s);
}

} // namespace zeva::ui
