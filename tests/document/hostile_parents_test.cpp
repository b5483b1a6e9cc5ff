// Files whose elements are built on elements of the wrong kind load and recompute without harm.

#include "document/document_dump.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "doc_test_util.h"

#include <gtest/gtest.h>

namespace zeva::document {
namespace {

using model::Element;
using model::Kind;

// One element of every kind that may stand in a file, all built on `host`.
Element* addOn(model::Construction& c, Kind kind, Element* host) {
    if (kind == Kind::Polygon) return testing::addPolygon(c, {host, host, host});
    if (kind == Kind::Axes) return testing::addAxes(c, host);
    if (kind == Kind::Coordinates) return testing::addCoordinates(c, host, host);
    Element* e = testing::add(c, kind, host, host, host);
    if (auto* x = std::get_if<model::ExpressionTail>(&e->tail)) {
        x->expression = "a";
        x->code = {-1, 0};
        x->refs = {host};
    } else if (auto* t = std::get_if<model::TableTail>(&e->tail)) {
        t->rows = {host};
        t->cells.assign(model::kTableMaxColumns, 0.0);
    } else if (auto* k = std::get_if<model::ConicTail>(&e->tail)) {
        k->points = {host, host, host, host, host};
    } else if (auto* b = std::get_if<model::ButtonTail>(&e->tail)) {
        b->targets = {host};
        b->targetStates = {1};
    } else if (auto* text = std::get_if<model::TextTail>(&e->tail)) {
        text->lines = {"t"};
    }
    return e;
}

bool storable(Kind k) {
    return !model::isSubElementKind(k);
}

TEST(HostileParents, EveryKindOnEveryKindLoadsAndRecomputes) {
    testing::TempDir dir;
    const std::string path = dir.file("h.KDO");
    DocumentEnvironment env;
    int loaded = 0;
    // Hosts: one element of every storable kind, then a side, an axis and a coordinate part.
    for (int h = 0; h < model::kKindCount + 3; ++h) {
        const auto hostKind = static_cast<Kind>(h < model::kKindCount ? h : 0);
        if (h < model::kKindCount && !storable(hostKind)) continue;
        Document d;
        Element* a = testing::addPoint(d.construction, 0, 0);
        Element* host = nullptr;
        if (h == model::kKindCount)
            host = testing::addPolygon(d.construction, {a, a, a})->polygon().sides[0].get();
        else if (h == model::kKindCount + 1)
            host = testing::addAxes(d.construction, a)->axes().axisX.get();
        else if (h == model::kKindCount + 2)
            host = testing::addCoordinates(d.construction, a, a)->coordinates().yPart.get();
        else
            host = addOn(d.construction, hostKind, a);
        for (int k = 0; k < model::kKindCount; ++k) {
            const auto kind = static_cast<Kind>(k);
            if (storable(kind)) addOn(d.construction, kind, host);
        }
        ASSERT_TRUE(writeDocumentFile(d, path));
        auto result = loadDocument(path, env);
        auto* ok = std::get_if<LoadedDocument>(&result);
        ASSERT_NE(ok, nullptr) << model::kindName(hostKind);
        EXPECT_FALSE(dumpJson(*ok->document, ok->type, ok->version).empty());
        ++loaded;
    }
    EXPECT_EQ(loaded, model::kKindCount - 5 + 3);
}

} // namespace
} // namespace zeva::document

namespace zeva::document {
namespace {

TEST(HostileParents, CalculationsWithDamagedCodeLoadAndRecompute) {
    testing::TempDir dir;
    const std::string path = dir.file("c.KDO");
    const std::vector<std::vector<int32_t>> codes = {{},
                                                     {0},
                                                     {-1},
                                                     {-50, 0},
                                                     {3, 0},
                                                     {-1, -1, -1, 3},
                                                     {1005, 0},
                                                     {-1001, 7, 0},
                                                     {2147483647, -2147483647 - 1, 0},
                                                     {-3, 0},
                                                     {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    Document d;
    Element* p = testing::add(d.construction, Kind::Parameter);
    for (const auto& code : codes) {
        for (Kind kind : {Kind::Calculation, Kind::Function}) {
            Element* e = testing::add(d.construction, kind);
            e->expression().expression = "a+b";
            e->expression().code = code;
            e->expression().constants = {0.0, 1.0};
            e->expression().refs = {p};
        }
    }
    Element* f = d.construction.lastElement;
    testing::add(d.construction, Kind::FunctionGraph, f, testing::addAxes(d.construction, p));
    ASSERT_TRUE(writeDocumentFile(d, path));
    auto result = loadDocument(path, DocumentEnvironment{});
    EXPECT_TRUE(std::holds_alternative<LoadedDocument>(result));
}

} // namespace
} // namespace zeva::document
