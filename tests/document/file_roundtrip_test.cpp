// Writing a document and reading it back.

#include "document/document_file.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace zeva::document {
namespace {

using model::Element;
using model::Kind;
using testing::Bytes;

LoadedFile readBack(const std::vector<uint8_t>& bytes, const ReadSettings& settings = {}) {
    ReadResult r = readFileBytes(bytes, ReadMode::Any, settings);
    if (auto* e = std::get_if<model::ReadError>(&r)) {
        ADD_FAILURE() << "refused: code " << static_cast<int>(e->code) << " at " << e->offset;
        return {};
    }
    return std::move(std::get<LoadedFile>(r));
}

Element* nth(model::Construction& c, int i) {
    Element* e = c.elements;
    while (e && i-- > 0)
        e = e->next;
    return e;
}

int32_t serial(const Element* e) {
    return e ? e->serial : -1;
}

TEST(DocumentFile, WriteReadWriteGivesTheSameBytes) {
    Document d = testing::sampleDocument();
    const auto bytes = documentFileBytes(d);
    LoadedFile f = readBack(bytes);
    Document again;
    again.units = f.units;
    again.viewLeft = f.viewLeft;
    again.viewTop = f.viewTop;
    again.construction = std::move(f.construction);
    again.macros = std::move(f.macros);
    EXPECT_EQ(documentFileBytes(again), bytes);
}

// Each unit is stored as the number other versions use, at its place in the header, and read
// back as the same unit; the numbers just outside a unit's range are refused.
TEST(DocumentFile, UnitsAreStoredAsTheirNumbersAndReadBackAsTheSameUnits) {
    using model::AngleUnit;
    using model::CoordinateSystem;
    using model::LengthUnit;
    struct Row {
        size_t offset; // version, type and background colour come first
        int32_t stored;
        void (*set)(model::DocumentUnits&);
    };
    const Row rows[] = {
        {12, 0, [](model::DocumentUnits& u) { u.lengthUnit = LengthUnit::Millimetre; }},
        {12, 1, [](model::DocumentUnits& u) { u.lengthUnit = LengthUnit::Centimetre; }},
        {12, 2, [](model::DocumentUnits& u) { u.lengthUnit = LengthUnit::Metre; }},
        {12, 3, [](model::DocumentUnits& u) { u.lengthUnit = LengthUnit::Kilometre; }},
        {16, 0, [](model::DocumentUnits& u) { u.angleUnit = AngleUnit::Radian; }},
        {16, 1, [](model::DocumentUnits& u) { u.angleUnit = AngleUnit::Degree; }},
        {16, 2, [](model::DocumentUnits& u) { u.angleUnit = AngleUnit::Grad; }},
        {24, 0, [](model::DocumentUnits& u) { u.coordSystem = CoordinateSystem::Rectangular; }},
        {24, 1, [](model::DocumentUnits& u) { u.coordSystem = CoordinateSystem::Polar; }},
    };
    const auto i32At = [](const std::vector<uint8_t>& b, size_t at) {
        int32_t v = 0;
        std::memcpy(&v, b.data() + at, sizeof v);
        return v;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "offset " << row.offset << " value " << row.stored);
        Document d;
        // Start from the other end of each range so that every value is really written.
        d.units = {0, LengthUnit::Kilometre, AngleUnit::Grad, 40, CoordinateSystem::Polar};
        row.set(d.units);
        const auto bytes = documentFileBytes(d);
        EXPECT_EQ(i32At(bytes, row.offset), row.stored);
        EXPECT_EQ(readBack(bytes).units, d.units);
    }
    const std::pair<size_t, int32_t> outside[] = {{12, -1}, {12, 4},  {16, -1},
                                                  {16, 3},  {24, -1}, {24, 2}};
    for (const auto& [offset, stored] : outside) {
        Document d;
        auto bytes = documentFileBytes(d);
        std::memcpy(bytes.data() + offset, &stored, sizeof stored);
        const ReadResult r = readFileBytes(bytes, ReadMode::Any);
        ASSERT_TRUE(std::holds_alternative<model::ReadError>(r)) << offset << " " << stored;
        EXPECT_EQ(std::get<model::ReadError>(r).code, model::ReadErrorCode::BadValue);
    }
}

TEST(DocumentFile, ReadBackKeepsOptionsReferencesListsAndMacros) {
    Document d = testing::sampleDocument();
    const int count = d.construction.countOf();
    LoadedFile f = readBack(documentFileBytes(d));
    EXPECT_EQ(f.type, FileType::Document);
    EXPECT_EQ(f.version, 300);
    EXPECT_EQ(f.units.backgroundColor, 0x00FFEEDD);
    EXPECT_EQ(f.units.lengthUnit, model::LengthUnit::Metre);
    EXPECT_EQ(f.units.angleUnit, model::AngleUnit::Degree);
    EXPECT_EQ(f.units.pixelsPerUnit, 55);
    EXPECT_EQ(f.units.coordSystem, model::CoordinateSystem::Polar);
    EXPECT_EQ(f.viewLeft, -512.25);
    EXPECT_EQ(f.viewTop, 384.5);

    // Every reference points at the element with the same position as in the original.
    model::Construction& c = f.construction;
    ASSERT_EQ(c.countOf(), count);
    Element* orig = d.construction.elements;
    for (Element* e : c) {
        SCOPED_TRACE(model::kindName(e->kind));
        EXPECT_EQ(e->kind, orig->kind);
        EXPECT_EQ(e->serial, orig->serial);
        EXPECT_EQ(serial(e->parent1), serial(orig->parent1));
        EXPECT_EQ(serial(e->parent2), serial(orig->parent2));
        EXPECT_EQ(serial(e->parent3), serial(orig->parent3));
        EXPECT_EQ(serial(e->colorSource), serial(orig->colorSource));
        EXPECT_EQ(serial(e->label), serial(orig->label));
        EXPECT_EQ(e->style, orig->style);
        EXPECT_EQ(e->color, orig->color);
        EXPECT_EQ(e->visible, orig->visible);
        EXPECT_EQ(e->param1, orig->param1);
        EXPECT_EQ(e->param2, orig->param2);
        EXPECT_EQ(e->decimals, orig->decimals);
        EXPECT_EQ(e->colorMode, orig->colorMode);
        EXPECT_EQ(e->font != nullptr, orig->font != nullptr);
        if (e->font && orig->font) {
            EXPECT_EQ(*e->font, *orig->font);
        }
        const auto subs = model::subElementsOf(*e);
        const auto origSubs = model::subElementsOf(*orig);
        ASSERT_EQ(subs.size(), origSubs.size());
        for (size_t i = 0; i < subs.size(); ++i) {
            EXPECT_EQ(subs[i]->serial, origSubs[i]->serial);
            EXPECT_EQ(serial(subs[i]->parent1), serial(origSubs[i]->parent1));
            EXPECT_EQ(serial(subs[i]->parent2), serial(origSubs[i]->parent2));
            EXPECT_EQ(serial(subs[i]->parent3), serial(origSubs[i]->parent3));
            // Sub-elements take their owner's look.
            EXPECT_EQ(subs[i]->color, e->color);
            EXPECT_EQ(subs[i]->style, e->style);
        }
        orig = orig->next;
    }

    Element* calc = nth(c, 12);
    Element* fn = nth(c, 13);
    Element* calc2 = nth(c, 15);
    ASSERT_EQ(calc->kind, Kind::Calculation);
    ASSERT_EQ(calc2->kind, Kind::Calculation);
    EXPECT_EQ(calc->expression().measureCount, 2);
    EXPECT_EQ(fn->expression().measureCount, 1);
    EXPECT_EQ(calc2->expression().measureCount, 1); // f1 is a function, not an operand
    EXPECT_EQ(calc2->expression().refs[1], fn);

    Element* table = nth(c, 16);
    ASSERT_EQ(table->kind, Kind::Table);
    EXPECT_EQ(table->table().columnCount, 3);
    EXPECT_EQ(table->table().cell(0, 0), 1.5);
    EXPECT_TRUE(std::isinf(table->table().cell(0, 2)));
    EXPECT_EQ(table->table().cell(1, 1), -4.25);

    Element* text = nth(c, 17);
    ASSERT_EQ(text->kind, Kind::Text);
    EXPECT_EQ(text->text().lines[1], "\xC3\xB1"
                                     "and\xC3\xBA \xE2\x82\xAC");
    EXPECT_EQ(text->text().textFont.name, "Courier New");
    EXPECT_EQ(text->text().textFont.italic, 1);

    Element* coords = nth(c, 8);
    ASSERT_EQ(coords->kind, Kind::Coordinates);
    EXPECT_EQ(coords->coordinates().xPart->param1, 100);
    EXPECT_EQ(coords->coordinates().xPart->parent2, coords);

    // The last element is a locus; traces and animations point into the loaded list.
    ASSERT_EQ(c.traced.size(), 2u);
    EXPECT_EQ(c.traced[0]->kind, Kind::Midpoint);
    EXPECT_EQ(c.traced[1]->kind, Kind::PointOnElement);
    ASSERT_EQ(c.animations.size(), 2u);
    EXPECT_EQ(c.animations[0].element, c.traced[1]);
    EXPECT_EQ(c.animations[1].element->kind, Kind::Parameter);
    EXPECT_EQ(c.animations[1].playing, 0);
    EXPECT_EQ(c.animations[1].speed, 30);

    ASSERT_EQ(f.macros.size(), 2u);
    EXPECT_EQ(f.macros[0].name, "Punto medio");
    EXPECT_EQ(f.macros[0].description,
              (std::vector<std::string>{"el punto medio", "de dos puntos"}));
    EXPECT_EQ(f.macros[0].initialClasses, (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(f.macros[1].body.countOf(), 2);
    Element* bis = f.macros[1].body.elements;
    // Macro bodies keep their serials unresolved.
    EXPECT_EQ(bis->serial, 3);
    EXPECT_EQ(bis->parent1Index, 1);
    EXPECT_EQ(bis->parent1, nullptr);
    EXPECT_EQ(bis->next->visible, 100);
}

TEST(DocumentFile, WriterLaysOutFieldsInFileOrder) {
    Document d;
    d.viewLeft = -10.5;
    d.viewTop = 20.25;
    Element* p = testing::addPoint(d.construction, 1.0, 2.0);
    p->style = 2;
    p->color = 255;
    Element* q = testing::addPoint(d.construction, 3.0, 4.0);
    q->color = 255;
    Element* len = testing::add(d.construction, Kind::DistancePointPoint, p, q);
    len->param1 = 100;
    len->param2 = 100;
    len->dimension = 1;
    len->decimals = 3;
    len->color = 7;
    len->style = -1;
    len->colorSource = q;
    len->colorMode = 1;
    *len->font = {"Arial", 12632256, 12, 1, 0, 0, 1};
    d.construction.traced = {q};
    d.construction.animations = {{p, 1, 0, 15}};

    Bytes want;
    want.i32(300).i32(1).i32(0).i32(1).i32(0).i32(40).i32(0).real(-10.5).real(20.25);
    want.i32(1).i32(2);                       // traces
    want.i32(1).i32(1).i32(1).i32(0).i32(15); // animations
    // point 1: kind, then the common block with style after colorSourceIndex and colorMode
    want.i32(0).i32(1).i32(-1).i32(-1).i32(-1).real(1).real(2).real(0).real(0);
    want.i32(1).i32(1).i32(-1).i32(255).i32(-1).i32(0).i32(2).i32(0).i32(0).i32(2);
    want.i32(0).i32(2).i32(-1).i32(-1).i32(-1).real(3).real(4).real(0).real(0);
    want.i32(1).i32(1).i32(-1).i32(255).i32(-1).i32(0).i32(1).i32(0).i32(0).i32(2);
    want.i32(28).i32(3).i32(1).i32(2).i32(-1).real(0).real(0).real(0).real(0);
    want.i32(1).i32(1).i32(100).i32(7).i32(2).i32(1).i32(-1).i32(100).i32(1).i32(3);
    want.font("Arial", 12632256, 12, 1, 0, 0, 1);
    EXPECT_EQ(documentFileBytes(d), want.data);
}

TEST(DocumentFile, MacroBlocksFollowMinusOneMarkers) {
    Document d = testing::sampleDocument();
    d.macros.push_back(std::move(testing::sampleDocument().macros[0]));
    const auto bytes = documentFileBytes(d);
    LoadedFile f = readBack(bytes);
    ASSERT_EQ(f.macros.size(), 3u);

    // The file ends with the third macro: -1, header 300/2, its body header, one midpoint.
    Bytes tail;
    tail.i32(-1).i32(300).i32(2).i32(2).i16(0).i16(0).str("Punto medio").i32(2);
    tail.str("el punto medio").str("de dos puntos");
    tail.i32(4).i32(2).i32(0).i32(1).i32(-1).real(0).real(0).real(0).real(0);
    tail.i32(1).i32(1).i32(-1).i32(0).i32(-1).i32(0).i32(1).i32(0).i32(0).i32(2);
    ASSERT_GE(bytes.size(), tail.data.size());
    EXPECT_TRUE(std::equal(tail.data.begin(), tail.data.end(), bytes.end() - tail.data.size()));
}

TEST(DocumentFile, MacroFileHoldsOneMacroBlock) {
    Document d = testing::sampleDocument();
    const auto bytes = macroFileBytes(d.macros[1]);
    ReadResult r = readFileBytes(bytes, ReadMode::MacroOnly);
    ASSERT_TRUE(std::holds_alternative<LoadedFile>(r));
    LoadedFile& f = std::get<LoadedFile>(r);
    EXPECT_EQ(f.type, FileType::Macro);
    EXPECT_TRUE(f.construction.empty());
    ASSERT_EQ(f.macros.size(), 1u);
    EXPECT_EQ(f.macros[0].name, "Mediatriz de un segmento");
    EXPECT_EQ(f.macros[0].initialClasses, (std::vector<int16_t>{3}));
    EXPECT_EQ(f.macros[0].version, 300);
    EXPECT_EQ(f.macros[0].body.countOf(), 2);
}

TEST(DocumentFile, Version100MacroIsRenumberedForTheExtendedInitialList) {
    // Initial elements: a segment and a point. Version 100 numbers the body from 2; version
    // 300 numbers it after the segment's two end points, from 4.
    document::Macro m;
    m.version = 100;
    m.name = "m";
    m.initialClasses = {3, 0};
    auto mid = model::makeElement(Kind::Midpoint);
    mid->serial = 2;
    mid->parent1Index = 1;
    mid->parent2Index = 0;
    m.body.append(std::move(mid));
    auto seg = model::makeElement(Kind::Segment);
    seg->serial = 3;
    seg->parent1Index = 2;
    seg->parent2Index = 1;
    m.body.append(std::move(seg));

    ReadResult r = readFileBytes(macroFileBytes(m), ReadMode::MacroOnly);
    ASSERT_TRUE(std::holds_alternative<LoadedFile>(r));
    auto& back = std::get<LoadedFile>(r).macros.at(0);
    EXPECT_EQ(back.version, 300);
    Element* a = back.body.elements;
    Element* b = a->next;
    EXPECT_EQ(a->serial, 4);
    EXPECT_EQ(a->parent1Index, 1);
    EXPECT_EQ(a->parent2Index, 0);
    EXPECT_EQ(b->serial, 5);
    EXPECT_EQ(b->parent1Index, 4);
    EXPECT_EQ(b->parent2Index, 1);
}

TEST(DocumentFile, OverlongStringsAreCutSoTheFileStaysReadable) {
    Document d;
    Element* t = testing::add(d.construction, Kind::Text);
    t->text().lines = {std::string(1500, 'x')};
    LoadedFile f = readBack(documentFileBytes(d));
    ASSERT_EQ(f.construction.countOf(), 1);
    EXPECT_EQ(f.construction.elements->text().lines[0], std::string(999, 'x'));
}

} // namespace
} // namespace zeva::document
