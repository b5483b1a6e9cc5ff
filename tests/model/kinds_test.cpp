#include "model/element.h"
#include "model/kinds.h"

#include <gtest/gtest.h>

#include <set>

using namespace zeva::model;

namespace {

std::set<ElementClass> classesWhere(bool (*fact)(const ClassInfo&)) {
    std::set<ElementClass> out;
    for (const ClassInfo& c : kClassTable)
        if (fact(c)) out.insert(c.elementClass);
    return out;
}

std::set<Kind> kindsWithTail(TailKind t) {
    std::set<Kind> out;
    for (const KindInfo& k : kKindTable)
        if (k.tail == t) out.insert(k.kind);
    return out;
}

} // namespace

TEST(Kinds, TableRowsDescribeTheirOwnKindAndClass) {
    for (int i = 0; i < kKindCount; ++i) {
        EXPECT_EQ(toInt(kKindTable[static_cast<size_t>(i)].kind), i);
        EXPECT_FALSE(kindName(static_cast<Kind>(i)).empty());
    }
    for (int i = 0; i < kClassCount; ++i) {
        EXPECT_EQ(toInt(kClassTable[static_cast<size_t>(i)].elementClass), i);
        EXPECT_FALSE(className(static_cast<ElementClass>(i)).empty());
    }
}

TEST(Kinds, ClassesOfTheKindsThatAreEasyToGetWrong) {
    EXPECT_EQ(classOf(Kind::IntersectionCandidate), ElementClass::Intersection);
    EXPECT_EQ(classOf(Kind::FunctionGraph), ElementClass::Locus);
    EXPECT_EQ(classOf(Kind::AxisX), ElementClass::Line);
    EXPECT_EQ(classOf(Kind::AxisY), ElementClass::Line);
    for (Kind k : {Kind::CoordinateX, Kind::CoordinateY, Kind::Slope, Kind::Parameter,
                   Kind::Calculation})
        EXPECT_EQ(classOf(k), ElementClass::Number) << toInt(k);
    EXPECT_EQ(classOf(Kind::PolygonSide), ElementClass::Segment);
    EXPECT_EQ(classOf(Kind::ConicEquation), ElementClass::Equation);
    for (Kind k : {Kind::PointByCoordinates, Kind::RegularPolygonVertex, Kind::PlottedPoint,
                   Kind::GridPoint})
        EXPECT_EQ(classOf(k), ElementClass::Point) << toInt(k);
}

TEST(Kinds, EveryClassHasAKindAndANameInClassOrder) {
    std::set<int> used;
    for (const auto& row : kKindTable) used.insert(toInt(row.elementClass));
    EXPECT_EQ(used.size(), static_cast<size_t>(kClassCount));
    EXPECT_EQ(className(ElementClass::Point), "punto");
    EXPECT_EQ(className(ElementClass::Locus), "lugar geométrico");
    EXPECT_EQ(className(ElementClass::Bitmap), "bitmap");
    EXPECT_EQ(kindName(Kind::FreePoint), "Punto Libre");
    EXPECT_EQ(kindName(Kind::Bitmap), "Bitmap");
}

TEST(Kinds, ClassFactsAgreeWithEachOther) {
    using C = ElementClass;
    const std::set<C> fonts = {C::Name,     C::Number,      C::Function, C::Table,
                               C::Equation, C::Coordinates, C::Property, C::Button};
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.carriesFont; }), fonts);
    std::set<C> texts = fonts;
    texts.insert(C::Text); // a text has its own text style instead of a font
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.showsText; }), texts);
    std::set<C> labels = fonts;
    labels.erase(C::Name); // placed by its offset from what it names
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.labelLike; }), labels);
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.lineLike; }),
              (std::set<C>{C::Line, C::Ray, C::Segment}));
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.curve != Curve::None; }),
              (std::set<C>{C::Line, C::Ray, C::Segment, C::Circle, C::Arc, C::Conic}));
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.hostsPoints; }),
              (std::set<C>{C::Line, C::Ray, C::Segment, C::Polygon, C::Circle, C::Arc, C::Locus,
                           C::Conic}));
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.filled; }),
              (std::set<C>{C::Polygon, C::Circle}));
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return c.locusTrace == LocusTrace::Run; }),
              (std::set<C>{C::Polygon, C::Arc, C::Locus, C::Conic}));
    // A new locus samples the option's number of points for a point, 30 for a locus or a
    // conic, 50 for anything else.
    EXPECT_EQ(classInfo(C::Point).locusCapacity, 0);
    EXPECT_EQ(classInfo(C::Conic).locusCapacity, 30);
    EXPECT_EQ(classInfo(C::Locus).locusCapacity, 30);
    EXPECT_EQ(classInfo(C::Arc).locusCapacity, 50);
    EXPECT_EQ(classInfo(C::Polygon).locusCapacity, 50);
}

TEST(Kinds, KindFactsAgreeWithTheRecord) {
    EXPECT_EQ(kindsWithTail(TailKind::Samples), (std::set<Kind>{Kind::Locus, Kind::FunctionGraph}));
    EXPECT_EQ(kindsWithTail(TailKind::Expression),
              (std::set<Kind>{Kind::Calculation, Kind::Function}));
    EXPECT_EQ(kindsWithTail(TailKind::Equation),
              (std::set<Kind>{Kind::LineEquation, Kind::CircleEquation, Kind::ConicEquation}));
    EXPECT_EQ(kindsWithTail(TailKind::Checker).size(), 5u);
    std::set<Kind> subElements;
    for (const KindInfo& k : kKindTable) {
        SCOPED_TRACE(k.name);
        // makeElement gives every kind the tail the table names.
        EXPECT_EQ(makeElement(k.kind)->tail.index(), static_cast<size_t>(k.tail));
        EXPECT_LE(k.requiredParents, k.parentCount);
        if (k.kind != Kind::Bitmap) {
            EXPECT_EQ(k.requiredParents, k.parentCount);
        }
        if (isSubElementKind(k.kind)) {
            subElements.insert(k.kind);
            EXPECT_LE(k.ownerParent, k.parentCount); // the owner is one of its parents
        }
        // Only curves pass through their parents, and only through parents they use.
        EXPECT_LT(k.throughParents, 1 << k.parentCount);
        if (k.throughParents != 0) {
            EXPECT_TRUE(classInfo(k.elementClass).curve != Curve::None);
        }
        EXPECT_EQ(k.dimension != 0,
                  k.elementClass == ElementClass::Number && k.kind >= Kind::DistancePointPoint &&
                      k.kind <= Kind::AngleValue);
    }
    EXPECT_EQ(subElements, (std::set<Kind>{Kind::PolygonSide, Kind::AxisX, Kind::AxisY,
                                           Kind::CoordinateX, Kind::CoordinateY}));
    EXPECT_EQ(kindInfo(Kind::Bitmap).requiredParents, 0); // its segment is optional
    EXPECT_TRUE(passesThroughParent(Kind::ArcThreePoints, 3));
    EXPECT_TRUE(passesThroughParent(Kind::ParallelLine, 2));
    EXPECT_FALSE(passesThroughParent(Kind::ParallelLine, 1)); // the line it is parallel to
    EXPECT_FALSE(passesThroughParent(Kind::PerpendicularBisector, 1));
    EXPECT_FALSE(passesThroughParent(Kind::CircleByCentre, 1)); // its centre
}

TEST(Kinds, GenericCodeReadsTheRightColumnForEachClass) {
    using C = ElementClass;
    // What a point on the element, a locus driven along it and a checker of membership read.
    const std::pair<C, Track> tracks[] = {
        {C::Line, Track::Line},       {C::Ray, Track::Ray},     {C::Segment, Track::Segment},
        {C::Polygon, Track::Polygon}, {C::Circle, Track::Circle}, {C::Arc, Track::Arc},
        {C::Locus, Track::Locus},     {C::Conic, Track::Conic}, {C::Point, Track::None},
        {C::Grid, Track::None}};
    for (const auto& [cls, track] : tracks)
        EXPECT_EQ(trackOf(cls), track) << className(cls);
    // How the figure and the dump show each text.
    const std::pair<C, TextForm> forms[] = {
        {C::Text, TextForm::Lines},        {C::Name, TextForm::Name},
        {C::Number, TextForm::Value},      {C::Function, TextForm::Value},
        {C::Equation, TextForm::Value},    {C::Coordinates, TextForm::Value},
        {C::Property, TextForm::Value},    {C::Table, TextForm::Table},
        {C::Button, TextForm::Button},     {C::Bitmap, TextForm::None},
        {C::Axes, TextForm::None}};
    for (const auto& [cls, form] : forms)
        EXPECT_EQ(textFormOf(cls), form) << className(cls);
    // A locus on a grid keeps only what it samples node by node.
    EXPECT_EQ(classesWhere([](const ClassInfo& c) { return tracedPerSample(c.elementClass); }),
              (std::set<C>{C::Point, C::Line, C::Ray, C::Segment, C::Circle}));
}

TEST(Kinds, MeasurementsAndCheckersEachNameTheirOwnRule) {
    std::set<Measure> measures;
    std::set<Checked> checks;
    for (const KindInfo& k : kKindTable) {
        if (k.measure != Measure::None) {
            EXPECT_TRUE(measures.insert(k.measure).second) << k.name;
        }
        if (k.checked != Checked::None) {
            EXPECT_TRUE(checks.insert(k.checked).second) << k.name;
        }
        EXPECT_EQ(k.dimension, dimensionOf(k.measure)) << k.name;
    }
    EXPECT_EQ(measures.size(), 9u);
    EXPECT_EQ(checks.size(), 5u);
    EXPECT_EQ(measureOf(Kind::PolygonArea), Measure::PolygonArea);
    EXPECT_EQ(kindInfo(Kind::PolygonArea).dimension, 2);
    EXPECT_EQ(kindInfo(Kind::AngleValue).dimension, 3);
    EXPECT_EQ(checkedOf(Kind::MembershipChecker), Checked::Membership);
}
