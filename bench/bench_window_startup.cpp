// The editor's main window from nothing to its first painted drawing of the gallery: building
// the bars, the menus and the view, opening and recomputing the document, showing the window
// and painting it (on the offscreen platform; `zeva --quit-after-paint` measures the whole
// process on a real display). The target is well under 300 ms.
#include "bench/bench_window.h"
#include "ui/drawing_area.h"
#include "ui/main_window.h"

#include <benchmark/benchmark.h>

namespace zeva::bench {
namespace {

void BM_WindowToFirstPaint(benchmark::State& state) {
    ensureApp();
    const QString gallery = QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo");
    for (auto _ : state) {
        ui::MainWindow window(gallery);
        bool painted = false;
        window.drawingArea()->onPainted = [&painted] { painted = true; };
        window.resize(1280, 800);
        window.show();
        while (!painted)
            QApplication::processEvents();
        benchmark::DoNotOptimize(painted);
    }
}
BENCHMARK(BM_WindowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zeva::bench
