// The construction list of a 20,000-element document opens in well under half a second: the
// rows are a model behind one list view, not a widget per element.

#include "bench/bench_window.h"
#include "model/element.h"
#include "ui/construction_list_window.h"
#include "ui/session.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace zeva;
using model::Element;
using model::Kind;

// 20,000 elements: named points, segments between them (some hidden), circles and texts.
struct Figure {
    document::DocumentSet documents;
    bench::BenchHost host;
    std::unique_ptr<ui::Session> session;

    Figure() {
        document::Document& d = *documents.newDocument();
        host.benchView.documents = &documents;
        std::mt19937 rng(3);
        auto add = [&](Kind k, Element* p1 = nullptr, Element* p2 = nullptr) {
            auto e = model::makeElement(k);
            e->parent1 = p1;
            e->parent2 = p2;
            return d.construction.append(std::move(e));
        };
        std::vector<Element*> points;
        while (d.construction.countOf() < 20000) {
            Element* p = add(Kind::FreePoint);
            if (points.size() % 3 == 0) {
                Element* n = add(Kind::Name, p);
                n->name().text = "P" + std::to_string(points.size());
                p->label = n;
            }
            points.push_back(p);
            if (points.size() < 2) continue;
            Element* s = add(Kind::Segment, p, points[rng() % points.size()]);
            s->visible = points.size() % 5 == 0 ? 0 : 1;
            if (points.size() % 4 == 0)
                add(Kind::CircleByCentreAndPoint, p, points[points.size() - 2]);
            if (points.size() % 50 == 0) {
                Element* t = add(Kind::Text);
                t->text().lines = {"Una línea", "y otra"};
            }
        }
        session = std::make_unique<ui::Session>(host, documents);
    }
};

// Opening the window: the rows built from the construction and the first screenful drawn.
void BM_ConstructionListOpensOn20000Elements(benchmark::State& state) {
    bench::ensureApp();
    Figure f;
    ui::ConstructionListWindow window(*f.session);
    for (auto _ : state) {
        window.start();
        QApplication::processEvents();
        state.PauseTiming();
        window.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = window.model().rowCount();
}
BENCHMARK(BM_ConstructionListOpensOn20000Elements)->Unit(benchmark::kMillisecond);

} // namespace
