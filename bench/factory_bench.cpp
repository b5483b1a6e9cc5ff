// Making elements through the factory, and applying a whole language file.

#include "document/document.h"
#include "edit/factory.h"
#include "settings/language_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace zeva;

// n free points and a segment between each consecutive pair, each made and recomputed in an
// edit of its own.
void BM_CreatePointsAndSegments(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const settings::Options options;
    for (auto _ : state) {
        document::Document d;
        const geometry::RecomputeContext ctx = document::contextFor(d);
        edit::CreationRequest r;
        model::Element* previous = nullptr;
        for (int i = 0; i < n; ++i) {
            // One edit per element, as a tool makes them: each is recomputed at its commit.
            r.kind = model::Kind::FreePoint;
            r.x1 = i;
            model::Element* p = nullptr;
            {
                edit::Edit e(d, ctx, edit::UndoStep::Continue);
                p = edit::createElement(e, r, {}, options);
            }
            if (previous) {
                r.kind = model::Kind::Segment;
                r.parent1 = previous;
                r.parent2 = p;
                edit::Edit e(d, ctx, edit::UndoStep::Continue);
                edit::createElement(e, r, {}, options);
            }
            previous = p;
        }
        benchmark::DoNotOptimize(d.construction.lastElement);
    }
    state.SetItemsProcessed(state.iterations() * (2 * n - 1));
}
BENCHMARK(BM_CreatePointsAndSegments)->Arg(1000)->Arg(100000);

void BM_ApplyLanguageFile(benchmark::State& state) {
    std::string content;
    for (int key = 1000; key < 1200; ++key)
        content += std::to_string(key) + "= a message of some forty characters.\r\n";
    for (int key = 100; key < 178; ++key)
        content += std::to_string(key) + "=Kind name\r\n";
    settings::TextTable t;
    t.setBuiltInDefaults();
    for (auto _ : state) {
        settings::applyLanguageText(t, content);
        benchmark::DoNotOptimize(t.messages[0].data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(content.size()));
}
BENCHMARK(BM_ApplyLanguageFile);

} // namespace
