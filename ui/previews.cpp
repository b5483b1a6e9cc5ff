// Previews of lines, rays, circles, segments, polylines, regular polygons, arcs and angle
// marks: a temporary element through the picked points and the cursor, never linked into the
// construction, drawn by the renderer over a copy of the off-screen bitmap.
#include "ui/previews.h"

#include "geometry/recompute.h"
#include "render/previews.h"
#include "render/renderer.h"
#include "settings/options.h"
#include "ui/regular_polygon_sides.h"

#include <vector>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

struct PreviewPen {
    render::Color color = 0;
    int style = 1;
};

// The colour panel's colour while it applies to new elements, else the class's options.
PreviewPen penFor(const Session& s, ElementClass c) {
    const settings::Options& o = settings::options();
    return {s.tool.useCurrentColor ? s.tool.currentColor : o.colorOf(c), o.styleOf(c)};
}

void shown(Session& s, Point world) {
    s.tool.previewShown = true;
    s.tool.previewCursor = world;
    s.host.repaint();
}

// The element of `kind` through the given parents (the last usually the cursor), computed but
// not part of the construction; drawn when it exists.
void drawFigure(Session& s, Point world, Kind kind, std::initializer_list<Element*> parents,
                PreviewPen pen, double angleRatio = 0.0) {
    Element figure;
    figure.kind = kind;
    figure.y1 = angleRatio;
    Element** slots[] = {&figure.parent1, &figure.parent2, &figure.parent3};
    size_t i = 0;
    for (Element* p : parents)
        *slots[i++] = p;
    View& view = s.view();
    geometry::recomputeElement(figure, view.recomputeContext());
    render::Canvas& canvas = view.beginPreview();
    if (figure.exists == 1)
        render::drawElement(view.renderContext(), canvas, figure, pen.color, pen.style);
    canvas.flush();
    shown(s, world);
}

void regularPolygonPreview(Session& s, Point world) {
    ToolState& t = s.tool;
    const Element* centre = t.request.parent1;
    const Element* vertex = t.request.parent2;
    if (!centre || !vertex) return;
    const PreviewPen pen = penFor(s, ElementClass::Polygon);
    const settings::Options& o = settings::options();
    View& view = s.view();
    render::Canvas& canvas = view.beginPreview();
    render::drawRegularPolygonPreview(view.renderContext(), canvas, centre->point(),
                                      vertex->point(), t.regularSides, t.regularTurns, pen.color,
                                      pen.style, o.colorOf(ElementClass::Point),
                                      o.styleOf(ElementClass::Point));
    shown(s, world);
}

void polylinePreview(Session& s, Point world) {
    std::vector<Point> vertices;
    vertices.reserve(s.tool.pendingInputs.size());
    for (const Element* v : s.tool.pendingInputs)
        vertices.push_back(v->point());
    const PreviewPen pen = penFor(s, ElementClass::Polygon);
    View& view = s.view();
    render::Canvas& canvas = view.beginPreview();
    render::drawPolygonPreview(view.renderContext(), canvas, vertices, world, pen.color, pen.style);
    shown(s, world);
}

} // namespace

void showRegularPolygonPreview(Session& s) {
    if (s.document()) regularPolygonPreview(s, s.tool.previewCursor);
}

void updatePreview(Session& s, Point world) {
    if (!s.document()) return;
    ToolState& t = s.tool;
    Element cursor; // a free point at the cursor
    cursor.x1 = world.x;
    cursor.y1 = world.y;
    Element* first = t.request.parent1;
    const auto& pending = t.pendingInputs;
    switch (t.active) {
    case tool::Line:
        if (t.step == 1 && first)
            drawFigure(s, world, Kind::LineThroughTwoPoints, {first, &cursor},
                       penFor(s, ElementClass::Line));
        return;
    case tool::Ray:
        if (t.step == 1 && first)
            drawFigure(s, world, Kind::RayThroughTwoPoints, {first, &cursor},
                       penFor(s, ElementClass::Ray));
        return;
    case tool::Circle:
        if (t.step == 1 && first)
            drawFigure(s, world, Kind::CircleByCentreAndPoint, {first, &cursor},
                       penFor(s, ElementClass::Circle));
        return;
    case tool::Segment:
        if (t.step == 1 && first)
            drawFigure(s, world, Kind::Segment, {first, &cursor}, penFor(s, ElementClass::Segment));
        return;
    case tool::Polygon:
        if (pending.size() >= 2) polylinePreview(s, world);
        return;
    case tool::RegularPolygon:
        if (t.step == 1 && first) {
            drawFigure(s, world, Kind::CircleByCentreAndPoint, {first, &cursor},
                       {penFor(s, ElementClass::Circle).color, 3});
        } else if (t.step == 2 && first && t.request.parent2) {
            const PolygonChoice c =
                regularPolygonFor(first->point(), t.request.parent2->point(), world);
            t.regularSides = c.sides;
            t.regularTurns = c.turns;
            regularPolygonPreview(s, world);
        }
        return;
    case tool::Arc:
        if (pending.size() == 2)
            drawFigure(s, world, Kind::ArcThreePoints, {pending[0], pending[1], &cursor},
                       penFor(s, ElementClass::Arc));
        return;
    case tool::Angle:
        if (pending.size() == 2)
            drawFigure(s, world, Kind::Angle, {pending[0], pending[1], &cursor},
                       penFor(s, ElementClass::Angle), settings::options().angleArcRatio);
        return;
    }
}

} // namespace zeva::ui
