#include "ui/appearance_preview.h"

#include "document/document.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "settings/text_table.h"

#include <algorithm>
#include <initializer_list>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

struct SampleMaker {
    document::Document& d;
    const settings::Options& options;

    Element* make(Kind kind, std::initializer_list<Element*> parents = {}, double x = 0,
                  double y = 0, const edit::CreationInputs& inputs = {}) {
        edit::CreationRequest request;
        request.kind = kind;
        Element* const* p = parents.begin();
        if (parents.size() > 0) request.parent1 = p[0];
        if (parents.size() > 1) request.parent2 = p[1];
        if (parents.size() > 2) request.parent3 = p[2];
        request.x1 = x;
        request.y1 = y;
        edit::Edit edit(d, document::contextFor(d), edit::UndoStep::Continue);
        return edit::createElement(edit, request, inputs, options);
    }
    // Defining points are hidden unless points are what the sample shows.
    Element* point(double x, double y, bool shown) {
        Element* p = make(Kind::FreePoint, {}, x, y);
        if (p) p->visible = shown ? 1 : 0;
        return p;
    }
};

// World positions within a view of w x h pixels centred on the origin.
void buildSample(SampleMaker& m, ElementClass c, double w, double h) {
    const double sx = w / 2 - 14, sy = h / 2 - 12;
    switch (c) {
    case ElementClass::Point:
        m.point(-sx * 0.6, -sy * 0.3, true);
        m.point(0, sy * 0.4, true);
        m.point(sx * 0.6, -sy * 0.2, true);
        return;
    case ElementClass::Line:
        m.make(Kind::LineThroughTwoPoints,
               {m.point(-sx, -sy * 0.6, false), m.point(sx, sy * 0.5, false)});
        m.make(Kind::LineThroughTwoPoints,
               {m.point(-sx, sy * 0.4, false), m.point(sx, -sy * 0.8, false)});
        return;
    case ElementClass::Ray:
        m.make(Kind::RayThroughTwoPoints,
               {m.point(-sx * 0.7, -sy * 0.7, false), m.point(0, 0, false)});
        m.make(Kind::RayThroughTwoPoints,
               {m.point(-sx * 0.7, -sy * 0.7, false), m.point(sx * 0.5, -sy * 0.4, false)});
        return;
    case ElementClass::Segment:
        m.make(Kind::Segment, {m.point(-sx * 0.8, -sy * 0.6, false), m.point(sx * 0.8, sy * 0.6, false)});
        m.make(Kind::Segment, {m.point(-sx * 0.8, sy * 0.5, false), m.point(sx * 0.2, -sy * 0.7, false)});
        return;
    case ElementClass::Polygon: {
        edit::CreationInputs in;
        in.picked = {m.point(-sx * 0.8, -sy * 0.7, false), m.point(sx * 0.8, -sy * 0.5, false),
                     m.point(sx * 0.3, sy * 0.8, false), m.point(-sx * 0.6, sy * 0.4, false)};
        m.make(Kind::Polygon, {}, 0, 0, in);
        return;
    }
    case ElementClass::Circle:
        m.make(Kind::CircleByCentreAndPoint, {m.point(0, 0, false), m.point(sy * 0.85, 0, false)});
        return;
    case ElementClass::Arc:
        m.make(Kind::ArcThreePoints, {m.point(-sx * 0.8, -sy * 0.5, false),
                                      m.point(0, sy * 0.8, false), m.point(sx * 0.8, -sy * 0.5, false)});
        return;
    case ElementClass::Angle:
        m.make(Kind::Angle, {m.point(sx * 0.8, -sy * 0.6, false), m.point(-sx * 0.6, -sy * 0.6, false),
                             m.point(sx * 0.3, sy * 0.8, false)});
        return;
    case ElementClass::Locus: {
        // The midpoint of a fixed point and a point running round a circle.
        Element* circle = m.make(Kind::CircleByCentreAndPoint,
                                 {m.point(-sx * 0.35, 0, false), m.point(-sx * 0.35 + sy * 1.4, 0, false)});
        if (circle) circle->visible = 0;
        Element* runner = m.make(Kind::PointOnElement, {circle}, -sx * 0.35 + sy * 1.4, 0);
        if (runner) runner->visible = 0;
        Element* mid = m.make(Kind::Midpoint, {runner, m.point(sx * 0.55, 0, false)});
        if (mid) mid->visible = 0;
        m.make(Kind::Locus, {mid, runner});
        return;
    }
    // Classes without a sample (their look is set elsewhere).
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Conic:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return;
    }
}

} // namespace

QImage appearancePreview(ElementClass elementClass, int32_t colour, int32_t style,
                         int32_t background, QSize size, bool smooth) {
    const int w = std::max(size.width(), 1), h = std::max(size.height(), 1);
    settings::Options options = settings::options();
    options.classColor[model::toInt(elementClass)] = colour;
    options.classStyle[model::toInt(elementClass)] = style;
    options.useCurrentColor = 0;

    document::Document d =
        document::newDocument(settings::DocumentDefaults{.backgroundColor = background}, w, h,
                              document::ScreenSize{w, h});
    SampleMaker maker{d, options};
    buildSample(maker, elementClass, w, h);

    render::ViewTransform view;
    view.screenWidth = view.clientWidth = w;
    view.screenHeight = view.clientHeight = h;
    render::setPlaneSize(view, 3000);
    render::RenderContext ctx;
    ctx.document = &d;
    ctx.view = &view;
    ctx.options = render::renderOptionsFrom(options, settings::texts());
    render::loadView(view, d);
    geometry::recomputeAll(d.construction, render::recomputeContextFor(d, *ctx.view));

    QImage surface(w + 1, h + 1, QImage::Format_RGB32);
    {
        platform::QtCanvas canvas(surface, render::CanvasRole::Main);
        canvas.setSmooth(smooth);
        render::redrawAll(ctx, canvas);
    }
    return surface.copy(0, 0, w, h);
}

} // namespace zeva::ui
