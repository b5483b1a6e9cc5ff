// The JSON dump of a document.

#include "document/document_dump.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zeva::document {
namespace {

using model::Element;
using model::Kind;

struct NumberCase {
    double value;
    const char* json;
};

class JsonNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumber, HasSeventeenSignificantDigits) {
    EXPECT_EQ(jsonNumber(GetParam().value), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Values, JsonNumber,
    ::testing::Values(NumberCase{0.0, "0.0"}, NumberCase{-512.0, "-512.0"},
                      NumberCase{0.1, "0.10000000000000001"}, NumberCase{1e21, "1e+21"},
                      NumberCase{-2.5e-7, "-2.4999999999999999e-07"},
                      NumberCase{std::numeric_limits<double>::quiet_NaN(), "null"},
                      NumberCase{std::numeric_limits<double>::infinity(), "null"},
                      NumberCase{-std::numeric_limits<double>::infinity(), "null"}));

TEST(Dump, StringsAreEscaped) {
    EXPECT_EQ(jsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
    EXPECT_EQ(jsonString("\xC3\xB1"), "\"\xC3\xB1\"");
}

TEST(Dump, ListsElementsWithSubElementsAfterTheirOwner) {
    Document d;
    model::Construction& c = d.construction;
    Element* a = testing::addPoint(c, 0, 0);
    Element* b = testing::addPoint(c, 10, 0);
    Element* p = testing::addPoint(c, 0, 10);
    Element* tri = testing::addPolygon(c, {a, b, p});
    Element* name = testing::add(c, Kind::Name, a);
    name->name().text = "A";
    a->label = name;
    Element* check = testing::add(c, Kind::CollinearityChecker, a, b, p);
    check->checker().trueText = "alineados";
    check->checker().falseText = "no alineados";
    check->param1 = 0;
    a->x1 = std::numeric_limits<double>::quiet_NaN();
    c.traced = {tri->polygon().sides[1].get()};
    c.animations = {{b, 1, 0, 15}};
    document::Macro m;
    m.name = "m";
    m.initialClasses = {0, 3};
    m.body.append(model::makeElement(Kind::Midpoint));
    d.macros.push_back(std::move(m));

    const std::string json = dumpJson(d, FileType::Document, 300);
    EXPECT_NE(json.find("\"fileType\": 1,"), std::string::npos);
    EXPECT_NE(json.find("\"x1\": null"), std::string::npos);
    const size_t polygon = json.find("{\"serial\": 4, \"kind\": 14");
    const size_t side1 = json.find("{\"serial\": 5, \"kind\": 15, \"class\": 3, \"owner\": 4, "
                                   "\"parents\": [1, 2, 4]");
    const size_t side3 = json.find("{\"serial\": 7, \"kind\": 15, \"class\": 3, \"owner\": 4, "
                                   "\"parents\": [3, 1, 4]");
    const size_t nameAt = json.find("{\"serial\": 8, \"kind\": 48");
    ASSERT_NE(polygon, std::string::npos);
    ASSERT_NE(side1, std::string::npos);
    ASSERT_NE(side3, std::string::npos);
    ASSERT_NE(nameAt, std::string::npos);
    EXPECT_LT(polygon, side1);
    EXPECT_LT(side3, nameAt);
    EXPECT_NE(json.find("\"text\": \"A\""), std::string::npos);
    EXPECT_NE(json.find("\"text\": \"no alineados\""), std::string::npos);
    EXPECT_EQ(json.find("\"text\"", 0), json.find("\"text\": \"A\"")); // points show none
    EXPECT_NE(json.find("\"traces\": [6]"), std::string::npos);
    EXPECT_NE(json.find("\"animations\": [[2, 1, 0, 15]]"), std::string::npos);
    EXPECT_NE(json.find("{\"name\": \"m\", \"initialClasses\": [0, 3], \"elementCount\": 1}"),
              std::string::npos);
}

TEST(Dump, TextElementsShowTheirTextAsDrawn) {
    Document d;
    model::Construction& c = d.construction;
    Element* a = testing::addPoint(c, 0, 0);
    Element* b = testing::addPoint(c, 10, 0);
    Element* dist = testing::add(c, Kind::DistancePointPoint, a, b);
    dist->param1 = -100;
    Element* text = testing::add(c, Kind::Text);
    text->text().lines = {"uno", "dos"};
    testing::add(c, Kind::HideShowButton);
    Element* axes = testing::addAxes(c, a);
    Element* coords = testing::addCoordinates(c, b, axes);
    coords->decimals = 1;
    coords->coordinates().xPart->x1 = 0.25;
    coords->coordinates().yPart->x1 = -3;

    const std::string json = dumpJson(d, FileType::Document, 300);
    EXPECT_NE(json.find("\"text\": \"no existente\""), std::string::npos);
    EXPECT_NE(json.find("\"text\": \"uno\\ndos\""), std::string::npos);
    EXPECT_NE(json.find("\"text\": \" Ocultar/Ver \""), std::string::npos);
    EXPECT_NE(json.find("\"text\": \"(0.3;-3.0)\""), std::string::npos);
    // The two coordinate numbers are drawn as part of the pair, not on their own.
    const size_t part = json.find("\"owner\": 9");
    ASSERT_NE(part, std::string::npos);
    EXPECT_EQ(json.find("\"text\"", part), std::string::npos);
}

} // namespace
} // namespace zeva::document
