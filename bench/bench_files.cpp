// Document files of 100,000 elements: writing them (to memory and to disk through the safe
// save) and reading them back (parsing alone, and the whole open with the recompute pass).

#include "document/document_file.h"
#include "document/document_load.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using zeva::document::Document;
using zeva::model::Construction;
using zeva::model::Element;
using zeva::model::ElementFont;
using zeva::model::Kind;

constexpr int kElements = 100000;

Element* add(Construction& c, Kind kind, Element* a = nullptr, Element* b = nullptr) {
    auto e = zeva::model::makeElement(kind);
    e->parent1 = a;
    e->parent2 = b;
    if (zeva::model::carriesFont(e->elementClass())) e->font = std::make_unique<ElementFont>();
    return c.append(std::move(e));
}

// Blocks of ten elements as users build them: two free points, a segment, its midpoint, a
// circle, a perpendicular bisector, a point on the circle, a distance with its font, a name
// label and a triangle with its three sides.
Document bigDocument() {
    Document d;
    Construction& c = d.construction;
    for (int i = 0; i < kElements / 10; ++i) {
        Element* a = add(c, Kind::FreePoint);
        a->x1 = i;
        a->y1 = 0.5 * i;
        Element* b = add(c, Kind::FreePoint);
        b->x1 = i + 7;
        b->y1 = -3;
        add(c, Kind::Segment, a, b);
        Element* m = add(c, Kind::Midpoint, a, b);
        Element* circle = add(c, Kind::CircleByCentreAndPoint, m, b);
        add(c, Kind::PerpendicularBisector, a, b);
        Element* on = add(c, Kind::PointOnElement, circle);
        add(c, Kind::DistancePointPoint, a, on)->param1 = 100;
        Element* name = add(c, Kind::Name, a);
        name->name().text = "P" + std::to_string(i);
        a->label = name;
        Element* tri = add(c, Kind::Polygon);
        for (Element* v : {a, b, on}) {
            auto side = zeva::model::makeElement(Kind::PolygonSide);
            side->parent1 = v;
            side->parent2 = v == a ? b : v == b ? on : a;
            side->parent3 = tri;
            tri->polygon().sides.push_back(std::move(side));
        }
    }
    return d;
}

struct Fixture {
    Document document = bigDocument();
    std::vector<uint8_t> bytes = zeva::document::documentFileBytes(document);
    std::string folder;
    std::string path;

    Fixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zeva-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        path = folder + "/big.KDO";
        zeva::document::writeDocumentFile(document, path);
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_WriteDocumentToMemory(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(zeva::document::documentFileBytes(f.document));
    state.counters["bytes"] = static_cast<double>(f.bytes.size());
}
BENCHMARK(BM_WriteDocumentToMemory)->Unit(benchmark::kMillisecond);

void BM_SaveDocumentFile(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state)
        if (!zeva::document::writeDocumentFile(f.document, f.path)) state.SkipWithError("write failed");
}
BENCHMARK(BM_SaveDocumentFile)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentFromMemory(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        auto r = zeva::document::readFileBytes(f.bytes, zeva::document::ReadMode::Any);
        if (!std::holds_alternative<zeva::document::LoadedFile>(r)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadDocumentFromMemory)->Unit(benchmark::kMillisecond);

void BM_ReadDocumentFile(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        auto r = zeva::document::readFile(f.path, zeva::document::ReadMode::Any);
        if (!std::holds_alternative<zeva::document::LoadedFile>(r)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadDocumentFile)->Unit(benchmark::kMillisecond);

// The whole open: reading, resolving, and the full recompute pass.
void BM_OpenDocumentWithRecompute(benchmark::State& state) {
    Fixture& f = fixture();
    const zeva::document::DocumentEnvironment env;
    for (auto _ : state) {
        auto r = zeva::document::loadDocument(f.path, env);
        if (!std::holds_alternative<zeva::document::LoadedDocument>(r)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_OpenDocumentWithRecompute)->Unit(benchmark::kMillisecond);

} // namespace
