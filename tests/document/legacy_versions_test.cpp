// Files of the older versions 100 and 200, put together byte by byte.

#include "document/document_file.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

namespace zeva::document {
namespace {

using model::Element;
using model::Kind;
using testing::Bytes;

// The common block of versions before 300: no colour source, colour mode, param2, dimension,
// decimals or font.
Bytes& oldCommon(Bytes& b, int32_t serial, int32_t p1, int32_t p2, double x1, double y1,
                 int32_t param1, int32_t color, int32_t style) {
    b.i32(serial).i32(p1).i32(p2).i32(-1).real(x1).real(y1).real(0).real(0);
    return b.i32(1).i32(1).i32(param1).i32(color).i32(style);
}

LoadedFile mustRead(const Bytes& b, const ReadSettings& settings = {}) {
    ReadResult r = readFileBytes(b.data, ReadMode::Any, settings);
    if (auto* e = std::get_if<model::ReadError>(&r)) {
        ADD_FAILURE() << "refused: code " << static_cast<int>(e->code) << " at " << e->offset;
        return {};
    }
    return std::move(std::get<LoadedFile>(r));
}

TEST(OlderVersions, Version200ShiftsTheViewScalesSpeedsAndTakesDefaults) {
    Bytes b;
    b.i32(200).i32(1).i32(0xFFFFFF).i32(1).i32(50).i32(0).real(-400).real(300);
    b.i32(1).i32(3);                      // trace: the distance
    b.i32(1).i32(1).i32(1).i32(0).i32(4); // animation of point 1 at speed 4
    b.i32(0);
    oldCommon(b, 1, -1, -1, 10, 20, -1, 255, 2);
    b.i32(0);
    oldCommon(b, 2, -1, -1, 30, 20, -1, 255, 1);
    b.i32(28);
    oldCommon(b, 3, 1, 2, 0.5, 0, 100, 0xC0C0C0, 5);
    b.i32(45).str("y = 20.00"); // no label parameter before 300
    oldCommon(b, 4, 3, 1, 0, 0, -1, 0, -1);
    b.i32(47).i32(1).str("caf\xE9").font("Tahoma", 0xFF, 9, 1);
    oldCommon(b, 5, -1, -1, 1, 2, 1, 0xFF, 7);
    b.i32(-1).i32(200).i32(2).i32(1).i16(0).str("m").i32(0);
    b.i32(4);
    oldCommon(b, 1, 0, 0, 0, 0, -1, 0, 1);

    LoadedFile f = mustRead(b);
    EXPECT_EQ(f.version, 200);
    EXPECT_EQ(f.units.lengthUnit, model::LengthUnit::Centimetre);
    EXPECT_EQ(f.units.angleUnit, model::AngleUnit::Degree);
    EXPECT_EQ(f.units.pixelsPerUnit, 50);
    EXPECT_EQ(f.viewLeft, -400 + 27.0);
    EXPECT_EQ(f.viewTop, 300 - 50.0);
    ASSERT_EQ(f.construction.animations.size(), 1u);
    EXPECT_EQ(f.construction.animations[0].speed, 20);
    EXPECT_EQ(f.construction.animations[0].backward, 0);
    EXPECT_EQ(f.construction.animations[0].element, f.construction.elements);
    ASSERT_EQ(f.construction.traced.size(), 1u);
    EXPECT_EQ(f.construction.traced[0]->kind, Kind::DistancePointPoint);

    Element* point = f.construction.elements;
    EXPECT_EQ(point->style, 2);
    EXPECT_EQ(point->param2, 0);
    EXPECT_EQ(point->decimals, 2);
    EXPECT_EQ(point->colorMode, 0);
    EXPECT_EQ(point->font, nullptr);

    Element* dist = point->next->next;
    EXPECT_EQ(dist->param2, -100);
    EXPECT_EQ(dist->dimension, 0);
    EXPECT_EQ(dist->decimals, 2);
    EXPECT_EQ(dist->style, 5);
    EXPECT_EQ(dist->colorSource, nullptr);
    ASSERT_NE(dist->font, nullptr);
    EXPECT_EQ(*dist->font, (model::ElementFont{"Arial", 12632256, 10, 0, 0, 0, 0}));

    Element* eq = dist->next;
    EXPECT_EQ(eq->equation().text, "y = 20.00");
    EXPECT_EQ(eq->equation().labelParam, 0.0);
    EXPECT_EQ(eq->parent1, dist);

    Element* text = eq->next;
    EXPECT_EQ(text->text().lines, std::vector<std::string>{"caf\xC3\xA9"});
    EXPECT_EQ(text->text().textFont, (model::ElementFont{"Tahoma", 0xFF, 9, 1, 0, 0, 0}));
    EXPECT_EQ(text->style, 7);

    ASSERT_EQ(f.macros.size(), 1u);
    EXPECT_EQ(f.macros[0].version, 200);
    EXPECT_EQ(f.macros[0].body.elements->kind, Kind::Midpoint);
}

TEST(OlderVersions, Version100HasNoListsNoTextStyleAndNoFills) {
    Bytes b;
    b.i32(100).i32(1).i32(0).i32(0).i32(40).i32(1).real(0).real(0);
    b.i32(0);
    oldCommon(b, 1, -1, -1, 0, 0, -1, 255, 1);
    b.i32(0);
    oldCommon(b, 2, -1, -1, 50, 0, -1, 255, 1);
    b.i32(0);
    oldCommon(b, 3, -1, -1, 0, 50, -1, 255, 1);
    b.i32(14).i32(3);
    for (int i = 0; i < 3; ++i)
        b.i32(5 + i).i32(1 + i).i32(1 + (i + 1) % 3).i32(4).real(0).real(0).real(0).real(0);
    oldCommon(b, 4, -1, -1, 0, 0, 0xFF00, 0xFF0000, 2);
    b.i32(17);
    oldCommon(b, 8, 1, 2, 0, 0, 0x00FF00, 0xFF0000, 1);
    b.i32(47).i32(2).str("uno").str("dos"); // no text style record in version 100
    oldCommon(b, 9, -1, -1, 5, 5, 2, 0xFF, 1);
    b.i32(48).str("P").real(4).real(4).real(0).real(0);
    oldCommon(b, 10, 1, -1, 0, 0, 1, 0xFF00, 1);

    ReadSettings settings;
    settings.textFont = {"Verdana", 0x123456, 11, 0, 1, 0, 0};
    LoadedFile f = mustRead(b, settings);
    EXPECT_EQ(f.version, 100);
    EXPECT_EQ(f.units.coordSystem, model::CoordinateSystem::Polar);
    EXPECT_EQ(f.viewLeft, 27.0);
    EXPECT_EQ(f.viewTop, -50.0);
    EXPECT_TRUE(f.construction.traced.empty());
    EXPECT_TRUE(f.construction.animations.empty());

    Element* poly = f.construction.elements->next->next->next;
    ASSERT_EQ(poly->kind, Kind::Polygon);
    EXPECT_EQ(poly->param1, -1);
    for (const auto& side : poly->polygon().sides) {
        EXPECT_EQ(side->kind, Kind::PolygonSide);
        EXPECT_EQ(side->color, 0xFF0000);
        EXPECT_EQ(side->style, 2);
        EXPECT_EQ(side->parent3, poly);
    }
    EXPECT_EQ(poly->polygon().sides[2]->parent2, f.construction.elements);
    Element* circle = poly->next;
    EXPECT_EQ(circle->param1, -1);
    Element* text = circle->next;
    EXPECT_EQ(text->text().lines, (std::vector<std::string>{"uno", "dos"}));
    EXPECT_EQ(text->text().textFont, settings.textFont);
    EXPECT_EQ(text->style, -1);
    Element* name = text->next;
    EXPECT_EQ(name->style, -1);
    EXPECT_EQ(f.construction.elements->label, name);
    EXPECT_EQ(f.construction.elements->style, 1);
}

struct HeaderCase {
    const char* name;
    int32_t version;
    int32_t type;
    ReadMode mode;
    bool accepted;
};

class FileHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(FileHeader, IsAcceptedOnlyForKnownVersionsAndTypes) {
    const HeaderCase& c = GetParam();
    Bytes b;
    b.i32(c.version).i32(c.type);
    if (c.type == 1) {
        b.i32(0);
        if (c.version >= 300) b.i32(1);
        b.i32(0).i32(40).i32(0).real(0).real(0);
        if (c.version > 100) b.i32(0).i32(0);
    } else {
        b.i32(0).str("m").i32(0);
        b.i32(0).i32(1).i32(-1).i32(-1).i32(-1).real(0).real(0).real(0).real(0);
        b.i32(1).i32(1).i32(-1).i32(255);
        if (c.version >= 300) b.i32(-1).i32(0);
        b.i32(1); // style
        if (c.version >= 300) b.i32(0).i32(0).i32(2);
    }
    const bool ok = std::holds_alternative<LoadedFile>(readFileBytes(b.data, c.mode));
    EXPECT_EQ(ok, c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FileHeader,
    ::testing::Values(HeaderCase{"document300", 300, 1, ReadMode::Any, true},
                      HeaderCase{"document200", 200, 1, ReadMode::Any, true},
                      HeaderCase{"document100", 100, 1, ReadMode::Any, true},
                      HeaderCase{"document301", 301, 1, ReadMode::Any, false},
                      HeaderCase{"documentVersion0", 0, 1, ReadMode::Any, false},
                      HeaderCase{"documentInMacroMode", 300, 1, ReadMode::MacroOnly, false},
                      HeaderCase{"macro300", 300, 2, ReadMode::MacroOnly, true},
                      HeaderCase{"macro100", 100, 2, ReadMode::Any, true},
                      HeaderCase{"macro301", 301, 2, ReadMode::MacroOnly, false},
                      HeaderCase{"type3", 300, 3, ReadMode::Any, false},
                      HeaderCase{"type0", 300, 0, ReadMode::Any, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zeva::document
