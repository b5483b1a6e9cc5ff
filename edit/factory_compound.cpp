// The factory's operations that build several elements at once: transformed figures, regular
// polygons, the crossings of a locus, and axes made on demand.

#include "geometry/intersections.h"
#include "geometry/recompute.h"
#include "edit/factory.h"
#include "model/units.h"

namespace zeva::edit {

using namespace zeva::model;

namespace {

struct Builder {
    Edit& edit;
    const settings::Options& options;

    Element* make(Kind kind, Element* p1, Element* p2 = nullptr, Element* p3 = nullptr,
                  const CreationInputs& inputs = {}) {
        CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        return createElement(edit, r, inputs, options);
    }

    // A hidden point on `host` at parameter t.
    Element* hiddenPointOn(Element* host, double t) {
        CreationRequest r;
        r.kind = Kind::PointOnElement;
        r.parent1 = host;
        r.y2 = t;
        Element* p = createElement(edit, r, {}, options);
        p->visible = 0;
        return p;
    }
};

// The point of a line or ray (other than kinds 6, 8 and 12) that the transformed copy keeps:
// the one point it is drawn through.
Element* definingPoint(const Element& f) {
    for (int i = 1; i <= 3; ++i)
        if (passesThroughParent(f.kind, i)) return parentAt(f, i);
    return f.parent2;
}

} // namespace

void createTransformedFigure(Edit& edit, CreationRequest& request, Kind pointKind,
                             const settings::Options& options) {
    Element* figure = request.parent1;
    Element* data2 = request.parent2;
    Element* data3 = request.parent3;
    request.reset();
    if (!figure) return;

    Builder b{edit, options};
    const auto image = [&](Element* p, bool hidden = false) {
        Element* q = b.make(pointKind, p, data2, data3);
        if (hidden) q->visible = 0;
        return q;
    };

    switch (figure->elementClass()) {
    case ElementClass::Line:
    case ElementClass::Ray: {
        const bool isLine = figure->elementClass() == ElementClass::Line;
        const Kind result = isLine ? Kind::LineThroughTwoPoints : Kind::RayThroughTwoPoints;
        Element* first = nullptr;
        Element* second = nullptr;
        if (figure->kind == Kind::LineThroughTwoPoints ||
            figure->kind == Kind::RayThroughTwoPoints) {
            first = image(figure->parent1);
            second = image(figure->parent2, true);
        } else if (figure->kind == Kind::PerpendicularBisector) {
            Element* a = b.hiddenPointOn(figure, 10.0);
            Element* c = b.hiddenPointOn(figure, -10.0);
            first = image(a, true);
            second = image(c, true);
            b.make(Kind::LineThroughTwoPoints, first, second);
            break;
        } else {
            Element* along = b.hiddenPointOn(figure, 10.0);
            first = image(definingPoint(*figure));
            second = image(along, true);
        }
        b.make(result, first, second);
        break;
    }
    case ElementClass::Segment: {
        // One statement each: the images are made in the order of the segment's ends.
        Element* first = image(figure->parent1);
        Element* second = image(figure->parent2);
        b.make(Kind::Segment, first, second);
        break;
    }
    case ElementClass::Polygon: {
        CreationInputs in;
        for (const auto& side : figure->polygon().sides)
            in.picked.push_back(image(side->parent1));
        b.make(Kind::Polygon, nullptr, nullptr, nullptr, in);
        break;
    }
    case ElementClass::Circle:
        if (figure->kind == Kind::CircleByCentreAndPoint) {
            Element* centre = image(figure->parent1);
            b.make(Kind::CircleByCentreAndPoint, centre, image(figure->parent2, true));
        } else {
            Element* on = b.hiddenPointOn(figure, 1.0);
            Element* centre = image(figure->parent1);
            b.make(Kind::CircleByCentreAndPoint, centre, image(on, true));
        }
        break;
    case ElementClass::Arc: {
        Element* p1 = image(figure->parent1);
        Element* p2 = image(figure->parent2);
        Element* p3 = image(figure->parent3);
        b.make(Kind::ArcThreePoints, p1, p2, p3);
        break;
    }
    case ElementClass::Conic: {
        CreationInputs in;
        for (Element* p : figure->conic().points)
            in.picked.push_back(image(p));
        b.make(Kind::Conic, nullptr, nullptr, nullptr, in);
        break;
    }
    case ElementClass::Point:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        break;
    }
}

void createRegularPolygon(Edit& edit, CreationRequest& request,
                          const settings::Options& options) {
    const int32_t n = request.param1;
    const int32_t turns = toInt(request.kind);
    Element* centre = request.parent1;
    Element* firstVertex = request.parent2;
    request.reset();
    if (n < 3) return;

    Builder b{edit, options};
    const double step = 2.0 * turns * kPi / n;
    CreationInputs in;
    in.picked.push_back(firstVertex);
    for (int32_t i = 1; i < n; ++i) {
        CreationRequest r;
        r.kind = Kind::RegularPolygonVertex;
        r.parent1 = centre;
        r.parent2 = firstVertex;
        r.y2 = i * step;
        in.picked.push_back(createElement(edit, r, {}, options));
    }
    b.make(Kind::Polygon, nullptr, nullptr, nullptr, in);
}

void createCurveIntersections(Edit& edit, CreationRequest& request,
                              const settings::Options& options) {
    Element* a = request.parent1;
    Element* b = request.parent2;
    request.reset();
    if (!a || !b) return;
    Element* locus = a->elementClass() == ElementClass::Locus ? a : b;
    Element* other = locus == a ? b : a;
    const int n = geometry::countLocusCrossings(*locus, *other, edit.context());
    for (int i = 0; i < n; ++i) {
        CreationRequest r;
        r.kind = Kind::Intersection;
        r.parent1 = locus;
        r.parent2 = other;
        r.param1 = 42;
        r.param2 = i;
        createElement(edit, r, {}, options);
    }
}

Construction::AxesLookup findOrCreateAxes(Edit& edit, const settings::Options& options) {
    Construction::AxesLookup found = edit.construction().findAxes();
    if (found.count > 0) return found;

    const geometry::RecomputeContext& ctx = edit.context();
    CreationRequest r;
    r.kind = Kind::FreePoint;
    r.x1 = (ctx.viewLeft + ctx.viewRight) / 2.0;
    r.y1 = (ctx.viewTop + ctx.viewBottom) / 2.0;
    Element* origin = createElement(edit, r, {}, options);
    origin->visible = 0;
    r.kind = Kind::Axes;
    r.parent1 = origin;
    Element* axes = createElement(edit, r, {}, options);
    geometry::recomputeElement(*origin, ctx);
    geometry::recomputeElement(*axes, ctx);
    return {1, axes};
}

} // namespace zeva::edit
