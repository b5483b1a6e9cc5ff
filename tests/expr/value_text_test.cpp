#include "expr/value_text.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::expr {
namespace {

using model::Kind;

constexpr model::LengthUnit kCentimetres = model::LengthUnit::Centimetre;
constexpr model::AngleUnit kRadians = model::AngleUnit::Radian;

struct FixedCase {
    double value;
    int decimals;
    const char* fixed;
    const char* number;
    const char* signedFixed;
};

class FixedTextTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedTextTest, FormatsAsShown) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(fixedText(c.value, c.decimals), c.fixed);
    EXPECT_EQ(numberText(c.value, c.decimals), c.number);
    EXPECT_EQ(signedText(c.value, c.decimals), c.signedFixed);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedTextTest,
    testing::Values(
        FixedCase{0.0, 2, "0.00", "0.00", "0.00"}, FixedCase{2.0, 2, "2.00", "2.00", "2.00"},
        FixedCase{1.5707963267948966, 4, "1.5708", "1.5708", "1.5708"},
        // Halves round away from zero on the decimal digits, not on the binary value.
        FixedCase{0.125, 2, "0.13", "0.13", "0.13"}, FixedCase{1.005, 2, "1.01", "1.01", "1.01"},
        FixedCase{-2.5, 0, "-3", "-3", "-3"}, FixedCase{9.995, 2, "10.00", "10.00", "10.00"},
        FixedCase{99.96, 1, "100.0", "100.0", "100.0"},
        // A negative value that rounds to zero loses its sign, except in the signed format.
        FixedCase{-0.001, 2, "0.00", "0.00", "-0.00"}, FixedCase{-0.0, 2, "0.00", "0.00", "0.00"},
        FixedCase{-1.25, 1, "-1.3", "-1.3", "-1.3"}, FixedCase{1e-20, 3, "0.000", "0.000", "0.000"},
        // Above ten million no decimals are shown in value texts.
        FixedCase{10000000.0, 2, "10000000.00", "10000000.00", "10000000.00"},
        FixedCase{12345678.9, 2, "12345678.90", "12345679", "12345678.90"},
        FixedCase{-12345678.4, 3, "-12345678.400", "-12345678", "-12345678.400"},
        // Fifteen significant digits, then zeros.
        FixedCase{0.1234567890123456789, 18, "0.123456789012346000", "0.123456789012346000",
                  "0.123456789012346000"},
        FixedCase{1e20, 0, "100000000000000000000", "100000000000000000000",
                  "100000000000000000000"},
        FixedCase{3.0, -4, "3", "3", "3"}));

TEST(FixedTextTest, NonFiniteValuesGiveNoText) {
    EXPECT_EQ(fixedText(INFINITY, 2), "");
    EXPECT_EQ(signedText(-INFINITY, 2), "");
    EXPECT_EQ(numberText(NAN, 2), "");
}

TEST(FixedTextTest, SignedNumberDropsDecimalsOfLargeValuesButKeepsSign) {
    EXPECT_EQ(signedNumberText(-20000000.4, 2), "-20000000");
    EXPECT_EQ(signedNumberText(-0.004, 2), "-0.00");
}

// A measurement element with the given kind, value (already in user units) and dimension.
std::unique_ptr<model::Element> number(Kind kind, double value, int dimension, int decimals) {
    auto e = model::makeElement(kind);
    e->x1 = value;
    e->param1 = 100;
    e->dimension = dimension;
    e->decimals = decimals;
    return e;
}

struct UnitCase {
    const char* name;
    Kind kind;
    double world; // world length, area or radians
    int dimension;
    int lengthUnit; // as stored
    int angleUnit;
    int decimals;
    const char* text;
};

class ValueTextUnitTest : public testing::TestWithParam<UnitCase> {};

TEST_P(ValueTextUnitTest, ShowsValueInDocumentUnits) {
    const UnitCase& c = GetParam();
    double value = c.world;
    const model::LengthUnit lengthUnit = *model::lengthUnitFromStored(c.lengthUnit);
    const model::AngleUnit angleUnit = *model::angleUnitFromStored(c.angleUnit);
    if (c.dimension == 1) value = model::userLength(c.world, 40, lengthUnit);
    if (c.dimension == 2) value = model::userArea(c.world, 40, lengthUnit);
    if (c.dimension == 3) value = model::angleToUser(c.world, angleUnit);
    auto e = number(c.kind, value, c.dimension, c.decimals);
    EXPECT_EQ(valueText(*e, lengthUnit, angleUnit), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ValueTextUnitTest,
    testing::Values(UnitCase{"cm", Kind::DistancePointPoint, 80, 1, 1, 0, 2, "2.00 cm"},
                    UnitCase{"mm", Kind::DistancePointPoint, 80, 1, 0, 0, 0, "20 mm"},
                    UnitCase{"m", Kind::SegmentLength, 80, 1, 2, 0, 2, "0.02 m"},
                    UnitCase{"km", Kind::SegmentLength, 4000000, 1, 3, 0, 3, "1.000 km"},
                    UnitCase{"cm2", Kind::CircleArea, 1600, 2, 1, 0, 0, "1 cm²"},
                    UnitCase{"mm2", Kind::PolygonArea, 1600, 2, 0, 0, 1, "100.0 mm²"},
                    UnitCase{"rd", Kind::AngleValue, model::kPi / 2, 3, 1, 0, 4, "1.5708 rd"},
                    UnitCase{"deg", Kind::AngleValue, model::kPi / 2, 3, 1, 1, 0, "90 °"},
                    UnitCase{"gra", Kind::AngleValue, model::kPi / 2, 3, 1, 2, 0, "100 gr"},
                    UnitCase{"pure", Kind::Calculation, 3.25, 0, 1, 0, 1, "3.3"}),
    [](const testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.name); });

TEST(ValueTextTest, MissingValueReadsNoExistente) {
    auto slope = number(Kind::Slope, 12.0, 0, 2);
    slope->param1 = -100;
    EXPECT_EQ(valueText(*slope, kCentimetres, kRadians), "no existente");
    ValueTexts english;
    english.noValue = "undefined";
    EXPECT_EQ(valueText(*slope, kCentimetres, kRadians, english), "undefined");
    slope->param1 = 100;
    slope->x1 = NAN;
    EXPECT_EQ(valueText(*slope, kCentimetres, kRadians), "no existente");
}

TEST(ValueTextTest, NameLabelGoesInFront) {
    auto d = number(Kind::DistancePointPoint, 2.0, 1, 2);
    auto name = model::makeElement(Kind::Name);
    name->name().text = "AB = ";
    d->label = name.get();
    EXPECT_EQ(valueText(*d, kCentimetres, kRadians), "AB = 2.00 cm");
}

TEST(ValueTextTest, CoordinatePartsShowNoUnitAndTheirOwnersDecimals) {
    auto owner = model::makeElement(Kind::Coordinates);
    owner->decimals = 3;
    auto x = number(Kind::CoordinateX, 1.5, 1, 1);
    x->parent2 = owner.get();
    EXPECT_EQ(valueText(*x, kCentimetres, kRadians), "1.500");
}

TEST(ValueTextTest, UnitTextOutOfRangeIsClampedOrEmpty) {
    EXPECT_EQ(unitText(0, kCentimetres, kRadians), "");
    EXPECT_EQ(unitText(7, kCentimetres, kRadians), "");
    EXPECT_EQ(unitText(1, static_cast<model::LengthUnit>(9), kRadians), "km");
    EXPECT_EQ(unitText(3, model::LengthUnit::Millimetre, static_cast<model::AngleUnit>(-1)), "rd");
}

} // namespace
} // namespace zeva::expr
