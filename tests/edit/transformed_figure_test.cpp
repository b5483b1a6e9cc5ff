#include "edit/factory.h"

#include "document/document.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace zeva::edit {
using namespace zeva::model;
namespace {

// The figure to transform, built from four free points A, B, C, D (and E for a conic).
struct FigureCase {
    const char* name;
    std::function<Element*(document::Document&, const std::vector<Element*>&)> build;
    // Elements made by the transformation: kind, "h" when hidden; the last is the new figure.
    const char* made;
};

Element* make(document::Document& d, Kind k, Element* p1 = nullptr, Element* p2 = nullptr,
              Element* p3 = nullptr, std::vector<Element*> picked = {}) {
    CreationRequest r;
    r.kind = k;
    r.parent1 = p1;
    r.parent2 = p2;
    r.parent3 = p3;
    CreationInputs in;
    in.picked = std::move(picked);
    return testing::create(d, r, in, settings::Options{});
}

std::string describe(Element* from) {
    std::ostringstream s;
    for (Element* e = from; e; e = e->next) {
        if (e != from) s << ' ';
        s << toInt(e->kind) << (e->visible ? "" : "h");
    }
    return s.str();
}

class TransformedFigure : public ::testing::TestWithParam<FigureCase> {};

TEST_P(TransformedFigure, TransformsTheDefiningPoints) {
    document::Document d;
    std::vector<Element*> p;
    for (int i = 0; i < 5; ++i)
        p.push_back(make(d, Kind::FreePoint));
    Element* centre = make(d, Kind::FreePoint);
    Element* figure = GetParam().build(d, p);
    Element* last = d.construction.lastElement;

    CreationRequest r;
    r.kind = Kind::FreePoint;
    r.parent1 = figure;
    r.parent2 = centre;
    testing::inEdit(d, [&](Edit& e) { createTransformedFigure(e, r, Kind::CentralSymmetry, settings::Options{}); });
    EXPECT_EQ(r.parent1, nullptr);

    EXPECT_EQ(describe(last->next), GetParam().made);
    // Every image is a central-symmetry point about the centre.
    for (Element* e = last->next; e; e = e->next)
        if (e->kind == Kind::CentralSymmetry) {
            EXPECT_EQ(e->parent2, centre);
        }
}

Element* lineFrom(document::Document& d, Kind k, const std::vector<Element*>& p) {
    return make(d, k, p[0], p[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, TransformedFigure,
    ::testing::Values(
        FigureCase{"LineThroughTwoPoints",
                   [](auto& d, auto& p) { return lineFrom(d, Kind::LineThroughTwoPoints, p); },
                   "3 3h 6"},
        FigureCase{"RayThroughTwoPoints",
                   [](auto& d, auto& p) { return lineFrom(d, Kind::RayThroughTwoPoints, p); },
                   "3 3h 8"},
        FigureCase{"LineThroughPoint",
                   [](auto& d, auto& p) { return make(d, Kind::LineThroughPoint, p[0]); },
                   "1h 3 3h 6"},
        FigureCase{"RayFromPoint",
                   [](auto& d, auto& p) { return make(d, Kind::RayFromPoint, p[0]); }, "1h 3 3h 8"},
        FigureCase{"Parallel",
                   [](auto& d, auto& p) {
                       Element* l = lineFrom(d, Kind::LineThroughTwoPoints, p);
                       return make(d, Kind::ParallelLine, l, p[2]);
                   },
                   "1h 3 3h 6"},
        FigureCase{"PerpendicularBisector",
                   [](auto& d, auto& p) { return lineFrom(d, Kind::PerpendicularBisector, p); },
                   "1h 1h 3h 3h 6"},
        FigureCase{"Segment", [](auto& d, auto& p) { return lineFrom(d, Kind::Segment, p); },
                   "3 3 13"},
        FigureCase{
            "Polygon",
            [](auto& d, auto& p) {
                return make(d, Kind::Polygon, nullptr, nullptr, nullptr, {p[0], p[1], p[2], p[3]});
            },
            "3 3 3 3 14"},
        FigureCase{"CircleByCentre",
                   [](auto& d, auto& p) { return make(d, Kind::CircleByCentre, p[0]); },
                   "1h 3 3h 17"},
        FigureCase{"CircleByCentreAndPoint",
                   [](auto& d, auto& p) { return lineFrom(d, Kind::CircleByCentreAndPoint, p); },
                   "3 3h 17"},
        FigureCase{"CircleByRadius",
                   [](auto& d, auto& p) { return make(d, Kind::CircleByRadius, p[0], p[1], p[2]); },
                   "1h 3 3h 17"},
        FigureCase{"Arc",
                   [](auto& d, auto& p) { return make(d, Kind::ArcThreePoints, p[0], p[1], p[2]); },
                   "3 3 3 19"},
        FigureCase{"Conic",
                   [](auto& d, auto& p) {
                       return make(d, Kind::Conic, nullptr, nullptr, nullptr,
                                   {p[0], p[1], p[2], p[3], p[4]});
                   },
                   "3 3 3 3 3 55"},
        FigureCase{"PointIsNotAFigure", [](auto&, auto& p) { return p[0]; }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransformedFigureParents, NewFigureGoesThroughTheImages) {
    document::Document d;
    Element* a = make(d, Kind::FreePoint);
    Element* b = make(d, Kind::FreePoint);
    Element* c = make(d, Kind::FreePoint);
    Element* centre = make(d, Kind::FreePoint);
    Element* angle = make(d, Kind::Parameter);
    Element* poly = make(d, Kind::Polygon, nullptr, nullptr, nullptr, {a, b, c});
    CreationRequest r;
    r.parent1 = poly;
    r.parent2 = centre;
    r.parent3 = angle;
    testing::inEdit(d, [&](Edit& e) { createTransformedFigure(e, r, Kind::Rotation, settings::Options{}); });
    Element* image = poly->next;
    const Element* vertices[3] = {a, b, c};
    for (int i = 0; i < 3; ++i, image = image->next) {
        ASSERT_EQ(image->kind, Kind::Rotation);
        EXPECT_EQ(image->parent1, vertices[i]);
        EXPECT_EQ(image->parent3, angle);
    }
    Element* copy = d.construction.lastElement;
    ASSERT_EQ(copy->kind, Kind::Polygon);
    EXPECT_EQ(copy->polygon().sides[0]->parent1, poly->next);
    EXPECT_EQ(copy->polygon().sides[2]->parent2, poly->next);

    // A line through one point keeps the image of that point first.
    Element* line = make(d, Kind::LineThroughPoint, a);
    r.parent1 = line;
    r.parent2 = centre;
    testing::inEdit(d, [&](Edit& e) { createTransformedFigure(e, r, Kind::CentralSymmetry, settings::Options{}); });
    Element* hidden = line->next;
    EXPECT_EQ(hidden->parent1, line);
    EXPECT_EQ(hidden->y2, 10.0);
    Element* result = d.construction.lastElement;
    EXPECT_EQ(result->parent1->parent1, a);
    EXPECT_EQ(result->parent2->parent1, hidden);
}

} // namespace
} // namespace zeva::edit
