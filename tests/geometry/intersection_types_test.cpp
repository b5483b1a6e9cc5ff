// Intersection type codes: which code each pair of classes gets and which parent comes first.

#include "geometry/intersections.h"
#include "model/element.h"

#include <gtest/gtest.h>

namespace zeva::geometry {
namespace {

using model::ElementClass;
using model::Kind;

struct TypeRow {
    const char* name;
    ElementClass first;
    ElementClass second;
    int code;
    bool swap;
};

class IntersectionTypeTest : public ::testing::TestWithParam<TypeRow> {};

TEST_P(IntersectionTypeTest, CodeAndOrder) {
    const TypeRow& row = GetParam();
    bool swap = !row.swap;
    EXPECT_EQ(intersectionType(row.first, row.second, &swap), row.code);
    EXPECT_EQ(swap, row.swap);
    // The reversed pair has the same code; the order is fixed only for mixed pairs.
    bool reversedSwap = false;
    EXPECT_EQ(intersectionType(row.second, row.first, &reversedSwap), row.code);
    if (row.first != row.second && row.code != kLocusCrossing && row.code != kNoIntersection) {
        EXPECT_NE(reversedSwap, swap);
    }
}

using C = ElementClass;
INSTANTIATE_TEST_SUITE_P(
    Pairs, IntersectionTypeTest,
    ::testing::Values(TypeRow{"LineLine", C::Line, C::Line, 0, false},
                      TypeRow{"SegmentLine", C::Segment, C::Line, 1, true},
                      TypeRow{"LineRay", C::Line, C::Ray, 2, false},
                      TypeRow{"SegmentSegment", C::Segment, C::Segment, 3, false},
                      TypeRow{"RaySegment", C::Ray, C::Segment, 4, true},
                      TypeRow{"RayRay", C::Ray, C::Ray, 5, false},
                      TypeRow{"LineCircle", C::Line, C::Circle, 6, true},
                      TypeRow{"CircleSegment", C::Circle, C::Segment, 8, false},
                      TypeRow{"RayCircle", C::Ray, C::Circle, 10, true},
                      TypeRow{"CircleCircle", C::Circle, C::Circle, 12, false},
                      TypeRow{"ArcLine", C::Arc, C::Line, 14, false},
                      TypeRow{"SegmentArc", C::Segment, C::Arc, 16, true},
                      TypeRow{"ArcRay", C::Arc, C::Ray, 18, false},
                      TypeRow{"ArcArc", C::Arc, C::Arc, 20, false},
                      TypeRow{"ArcCircle", C::Arc, C::Circle, 22, true},
                      TypeRow{"LineConic", C::Line, C::Conic, 24, true},
                      TypeRow{"ConicSegment", C::Conic, C::Segment, 26, false},
                      TypeRow{"RayConic", C::Ray, C::Conic, 28, true},
                      TypeRow{"ConicConic", C::Conic, C::Conic, 30, false},
                      TypeRow{"CircleConic", C::Circle, C::Conic, 34, true},
                      TypeRow{"ConicArc", C::Conic, C::Arc, 38, false},
                      TypeRow{"LocusLine", C::Locus, C::Line, 42, false},
                      TypeRow{"CircleLocus", C::Circle, C::Locus, 42, false},
                      TypeRow{"PointLine", C::Point, C::Line, -1, false},
                      TypeRow{"PolygonCircle", C::Polygon, C::Circle, -1, false},
                      TypeRow{"AxesLine", C::Axes, C::Line, -1, false},
                      TypeRow{"NumberNumber", C::Number, C::Number, -1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntersectionTypeOfPoint, SwapsParentsAndSerialsAndClampsTheSolution) {
    auto line = model::makeElement(Kind::LineThroughTwoPoints);
    auto circle = model::makeElement(Kind::CircleByCentreAndPoint);
    auto conic = model::makeElement(Kind::Conic);
    auto x = model::makeElement(Kind::Intersection);
    x->parent1 = line.get();
    x->parent2 = circle.get();
    x->parent1Index = 4;
    x->parent2Index = 7;
    EXPECT_EQ(intersectionType(*x, 1), 7);
    EXPECT_EQ(x->parent1, circle.get());
    EXPECT_EQ(x->parent2, line.get());
    EXPECT_EQ(x->parent1Index, 7);
    EXPECT_EQ(x->parent2Index, 4);
    // Already in order: nothing moves; a selector beyond the pair's solutions is clamped.
    EXPECT_EQ(intersectionType(*x, 3), 7);
    EXPECT_EQ(x->parent1, circle.get());

    x->parent1 = circle.get();
    x->parent2 = conic.get();
    EXPECT_EQ(intersectionType(*x, 3), 37);
    EXPECT_EQ(x->parent1, conic.get());

    x->parent2 = nullptr;
    EXPECT_EQ(intersectionType(*x, 0), kNoIntersection);
}

} // namespace
} // namespace zeva::geometry
