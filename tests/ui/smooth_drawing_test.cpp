// "Suavizar el dibujo": antialiased lines and curves on the window's bitmap and in exported
// pictures, lines of whole pixels kept one pixel wide; off, only the exact pixels of the pen.

#include "qt_app.h"
#include "tests/support/temp_dir.h"

#include "document/document_load.h"
#include "geometry/recompute.h"
#include "platform/drawing_settings.h"
#include "platform/figure_export.h"
#include "platform/qt_canvas.h"
#include "platform/smooth_governor.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "settings/options.h"
#include "settings/options_file.h"
#include "settings/text_table.h"

#include <QImage>
#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

namespace zeva::platform {
namespace {

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xFF000000u);
    return colours;
}

QImage drawSample(bool smooth) {
    QImage image(101, 101, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtCanvas canvas(image, render::CanvasRole::Main);
    canvas.setSmooth(smooth);
    canvas.setPen({0xFFFFFF, render::PenStyle::Solid, 1});
    canvas.setBrush({0, render::BrushStyle::Clear});
    canvas.moveTo(2, 3);
    canvas.lineTo(90, 47);
    canvas.ellipse(20, 40, 71, 91);
    canvas.moveTo(0, 95);
    canvas.lineTo(100, 95);
    canvas.flush();
    return image;
}

TEST(SmoothDrawing, AntialiasedCurvesAndCrispWholePixelLines) {
    testing::qtApp();
    const QImage exact = drawSample(false);
    EXPECT_EQ(coloursOf(exact), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    const QImage smooth = drawSample(true);
    EXPECT_GT(coloursOf(smooth).size(), 10);
    // The horizontal line is one full row, not two half-grey ones.
    for (int x = 10; x < 90; x += 7) {
        EXPECT_EQ(smooth.pixel(x, 95), qRgb(255, 255, 255)) << x;
        EXPECT_EQ(smooth.pixel(x, 94), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(smooth.pixel(x, 96), qRgb(0, 0, 0)) << x;
    }
}

TEST(SmoothDrawing, ExportedPicturesFollowTheOption) {
    testing::qtApp();
    zeva::testing::TempDir dir;
    document::DocumentEnvironment env;
    env.clientWidth = env.screen.width = 400;
    env.clientHeight = env.screen.height = 300;
    auto loaded = document::loadDocument(ZEVA_SOURCE_DIR "/examples/gallery.kdo", env);
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    ASSERT_NE(ok, nullptr);
    render::ViewTransform view;
    render::RenderContext ctx;
    ctx.document = ok->document.get();
    ctx.view = &view;
    settings::Options options;
    for (const bool smooth : {false, true}) {
        options.smoothDrawing = smooth ? 1 : 0;
        ctx.options = render::renderOptionsFrom(options, settings::texts());
        EXPECT_EQ(ctx.options.smooth, smooth);
        view.screenWidth = view.clientWidth = 400;
        view.screenHeight = view.clientHeight = 300;
        render::setPlaneSize(view, 3000);
        render::loadView(view, *ctx.document);
        geometry::recomputeAll(ok->document->construction, render::recomputeContextFor(*ok->document, view));
        const std::string png = dir.file(smooth ? "smooth.png" : "exact.png");
        QImage surface(401, 301, QImage::Format_RGB32);
        {
            QtCanvas canvas(surface, render::CanvasRole::Main);
            canvas.setSmooth(ctx.options.smooth);
            render::redrawAll(ctx, canvas);
        }
        ASSERT_EQ(exportFigure(ctx, surface, png, 400, 300), "");
    }
    const QImage exact(QString::fromStdString(dir.file("exact.png")));
    const QImage smooth(QString::fromStdString(dir.file("smooth.png")));
    ASSERT_EQ(exact.size(), smooth.size());
    EXPECT_NE(exact, smooth);
    EXPECT_GT(coloursOf(smooth).size(), coloursOf(exact).size() + 100);
}

TEST(SmoothDrawing, ADragTooSlowForSmoothFramesGoesOnWithExactOnes) {
    testing::qtApp();
    QImage image(10, 10, QImage::Format_RGB32);
    QtCanvas canvas(image, render::CanvasRole::Main);
    render::RenderContext ctx;
    ctx.options.smooth = true;
    SmoothGovernor governor;
    using std::chrono::milliseconds;
    // Outside a drag every frame is smooth, however slow.
    governor.beforeRedraw(ctx, canvas);
    governor.afterRedraw(ctx, milliseconds(100));
    governor.beforeRedraw(ctx, canvas);
    EXPECT_TRUE(canvas.smooth());
    // A drag: quick smooth frames stay smooth; after a slow one the drag goes on exact.
    ctx.state.dragInProgress = true;
    governor.afterRedraw(ctx, milliseconds(3));
    governor.beforeRedraw(ctx, canvas);
    EXPECT_TRUE(canvas.smooth());
    governor.afterRedraw(ctx, milliseconds(40));
    governor.beforeRedraw(ctx, canvas);
    EXPECT_FALSE(canvas.smooth());
    governor.afterRedraw(ctx, milliseconds(1));
    governor.beforeRedraw(ctx, canvas);
    EXPECT_FALSE(canvas.smooth());
    // The redraw after the drag, and the next drag, start smooth again.
    ctx.state.dragInProgress = false;
    governor.beforeRedraw(ctx, canvas);
    EXPECT_TRUE(canvas.smooth());
    ctx.state.dragInProgress = true;
    governor.beforeRedraw(ctx, canvas);
    EXPECT_TRUE(canvas.smooth());
    // With the option off nothing is smooth.
    ctx.options.smooth = false;
    governor.beforeRedraw(ctx, canvas);
    EXPECT_FALSE(canvas.smooth());
}

TEST(SmoothDrawing, IsKeptInTheSettingsStoreNotInTheOptionsFile) {
    testing::qtApp();
    QSettings(QStringLiteral("ZEVA"), QStringLiteral("ZEVA3"))
        .remove(QStringLiteral("Options/Smooth Drawing"));
    EXPECT_FALSE(readSmoothDrawing()); // off when never stored
    writeSmoothDrawing(true);
    EXPECT_TRUE(readSmoothDrawing());
    writeSmoothDrawing(false);
    EXPECT_FALSE(readSmoothDrawing());
    settings::Options on, off;
    on.smoothDrawing = 1;
    EXPECT_EQ(settings::serializeOptions(on, on.documentDefaults()),
              settings::serializeOptions(off, off.documentDefaults()));
}

} // namespace
} // namespace zeva::platform
