#include "model/kinds.h"

#include <gtest/gtest.h>

#include <set>

using namespace zeva::model;

TEST(Kinds, TableRowsDescribeTheirOwnKind) {
    for (int i = 0; i < kKindCount; ++i) {
        EXPECT_EQ(toInt(kKindTable[static_cast<size_t>(i)].kind), i);
        EXPECT_FALSE(kindName(static_cast<Kind>(i)).empty());
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

TEST(Kinds, FontCarryingClasses) {
    std::set<ElementClass> expected = {ElementClass::Name,     ElementClass::Number,
                                       ElementClass::Function, ElementClass::Table,
                                       ElementClass::Equation, ElementClass::Coordinates,
                                       ElementClass::Property, ElementClass::Button};
    for (int c = 0; c < kClassCount; ++c) {
        auto cls = static_cast<ElementClass>(c);
        EXPECT_EQ(carriesFont(cls), expected.count(cls) == 1) << className(cls);
    }
    EXPECT_FALSE(carriesFont(ElementClass::Text));  // a text has its own text style instead
}
