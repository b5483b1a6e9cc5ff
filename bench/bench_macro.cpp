// Making a macro of 1,000 elements from a construction, and applying it to new points (the
// copies resolved, appended, recomputed and committed in one edit).

#include "document/document.h"
#include "edit/edit.h"
#include "edit/factory.h"
#include "macro/apply_macro.h"
#include "macro/make_macro.h"

#include <benchmark/benchmark.h>

using namespace zeva;
using model::Element;
using model::Kind;

namespace {

constexpr int kBodySize = 1000;

Element* make(edit::Edit& e, Kind kind, Element* p1, Element* p2 = nullptr, double x = 0,
              double y = 0) {
    edit::CreationRequest r;
    r.kind = kind;
    r.parent1 = p1;
    r.parent2 = p2;
    r.x1 = x;
    r.y1 = y;
    return edit::createElement(e, r);
}

struct Source {
    document::Document doc;
    std::vector<Element*> initial;
    std::vector<Element*> final;
};

// Two points, then blocks of a midpoint, a segment, a circle and a distance, each block built
// on the midpoint of the block before; all but the midpoints (intermediates) are final.
void build(Source& s) {
    edit::Edit e(s.doc, document::contextFor(s.doc), edit::UndoStep::Continue);
    Element* a = make(e, Kind::FreePoint, nullptr, nullptr, 0, 0);
    Element* b = make(e, Kind::FreePoint, nullptr, nullptr, 400, 120);
    s.initial = {a, b};
    Element* m = a;
    for (int i = 0; i < kBodySize / 4; ++i) {
        m = make(e, Kind::Midpoint, m, b);
        s.final.push_back(make(e, Kind::Segment, m, a));
        s.final.push_back(make(e, Kind::CircleByCentreAndPoint, m, a));
        s.final.push_back(make(e, Kind::DistancePointPoint, m, a));
    }
    e.commit();
}

void BM_MakeMacro1000(benchmark::State& state) {
    Source s;
    build(s);
    for (auto _ : state) {
        macro::MadeMacro made = macro::makeMacro(s.doc.construction, s.initial, s.final, "m");
        if (!made.macro || made.macro->body.countOf() != kBodySize) state.SkipWithError("body");
        benchmark::DoNotOptimize(made);
    }
}
BENCHMARK(BM_MakeMacro1000)->Unit(benchmark::kMillisecond);

void BM_ApplyMacro1000(benchmark::State& state) {
    Source s;
    build(s);
    const document::Macro m = *macro::makeMacro(s.doc.construction, s.initial, s.final, "m").macro;
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<document::Document>();
        Element *c = nullptr, *d = nullptr;
        {
            edit::Edit e(*target, document::contextFor(*target), edit::UndoStep::Continue);
            c = make(e, Kind::FreePoint, nullptr, nullptr, -30, 10);
            d = make(e, Kind::FreePoint, nullptr, nullptr, 250, -80);
        }
        const std::vector<Element*> picked = {c, d};
        state.ResumeTiming();

        edit::Edit e(*target, document::contextFor(*target), edit::UndoStep::Checkpoint);
        const macro::Applied applied = macro::applyMacro(e, m, picked, {5, 5}, true);
        e.commit();
        if (applied.created.size() != kBodySize) state.SkipWithError("applied");

        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyMacro1000)->Unit(benchmark::kMillisecond);

} // namespace
