#pragma once
// The editor's window as the benchmarks of the interaction logic see it: the drawing of the
// current document on a 1920 x 1080 Qt bitmap, and a window that does nothing but count.

#include "bench/quiet_host.h"
#include "document/document_set.h"
#include "platform/qt_canvas.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "settings/text_table.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace zeva::bench {

inline void ensureApp() {
    static QApplication* app = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "zeva_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

// The window's drawing at 1920 x 1080 on a Qt bitmap (text extents are measured on it).
class BenchView : public ui::View {
  public:
    render::ViewTransform transformValue;
    render::RenderContext ctx;
    QImage bitmap{1921, 1081, QImage::Format_RGB32};
    platform::QtCanvas base{bitmap, render::CanvasRole::Main};
    document::DocumentSet* documents = nullptr;

    BenchView() {
        transformValue.screenWidth = transformValue.clientWidth = 1920;
        transformValue.screenHeight = transformValue.clientHeight = 1080;
        transformValue.viewLeft = -960;
        transformValue.viewTop = 540;
        render::deriveViewFarEdges(transformValue);
        render::setPlaneSize(transformValue, 3000);
        render::syncViewEdges(transformValue);
        ctx.view = &transformValue;
        ctx.options = render::renderOptionsFrom(settings::options(), settings::texts());
    }
    const render::ViewTransform& transform() const override { return transformValue; }
    render::RenderContext& renderContext() override {
        ctx.document = documents->current();
        return ctx;
    }
    geometry::RecomputeContext recomputeContext() override {
        return render::recomputeContextFor(*documents->current(), transformValue);
    }
    void redraw() override {
        render::redrawAll(renderContext(), base);
        base.flush();
    }
    render::Canvas& baseCanvas() override { return base; }
    render::Canvas& beginPreview() override { return base; }
    void scrollTo(double, double) override {}
    void setPlaneSize(double) override {}
};

// A window that only counts; a repaint copies the bitmap to a screen-sized image, as the
// drawing area's paint does.
class BenchHost : public QuietHost {
  public:
    BenchView benchView;
    QImage screen{1920, 1080, QImage::Format_RGB32};
    bool paintOnRepaint = false;
    int repaints = 0;
    std::optional<render::IPoint> cursor; // outside the window

    ui::View& view() override { return benchView; }
    void repaint() override {
        ++repaints;
        if (!paintOnRepaint) return;
        QPainter p(&screen);
        p.drawImage(0, 0, benchView.bitmap);
    }
    std::optional<render::IPoint> cursorPosition() const override { return cursor; }
};

} // namespace zeva::bench
