#include "qt_app.h"

#include "document/document.h"
#include "model/element.h"
#include "platform/picture_codec.h"
#include "platform/qt_canvas.h"
#include "render/renderer.h"

#include <gtest/gtest.h>

#include <climits>

namespace zeva::platform {
namespace {

using render::CanvasRole;
using render::Color;

Color pixel(const QImage& img, int x, int y) {
    const QRgb c = img.pixel(x, y);
    return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
}

class QtCanvasTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::qtApp(); }
    QImage image{64, 48, QImage::Format_RGB32};
};

TEST_F(QtCanvasTest, DefaultPointIsAThreeByThreeSquareOnBlack) {
    document::Document d;
    d.viewLeft = -10;
    d.viewTop = 10;
    d.viewRight = 54;
    d.viewBottom = -38;
    render::ViewTransform view;
    view.screenWidth = 64;
    view.screenHeight = 48;
    render::setPlaneSize(view, 3000);
    render::loadView(view, d);
    render::RenderContext ctx;
    ctx.document = &d;
    ctx.view = &view;
    auto p = model::makeElement(model::Kind::FreePoint);
    p->color = 255;
    d.construction.append(std::move(p));
    {
        QtCanvas canvas(image, CanvasRole::Main);
        render::redrawAll(ctx, canvas);
    }
    // The origin sits at pixel (10, 10).
    for (int y = 8; y <= 12; ++y) {
        for (int x = 8; x <= 12; ++x) {
            const bool inside = x >= 9 && x <= 11 && y >= 9 && y <= 11;
            EXPECT_EQ(pixel(image, x, y), inside ? 0x0000FF : 0) << x << "," << y;
        }
    }
}

TEST_F(QtCanvasTest, LinesLeaveTheirLastPixelToSetPixel) {
    image.fill(Qt::black);
    QtCanvas canvas(image, CanvasRole::Main);
    canvas.setPen({0xFFFFFF, render::PenStyle::Solid, 1});
    canvas.moveTo(5, 5);
    canvas.lineTo(20, 5);
    canvas.painter().end();
    EXPECT_EQ(pixel(image, 5, 5), 0xFFFFFF);
    EXPECT_EQ(pixel(image, 19, 5), 0xFFFFFF);
    EXPECT_EQ(pixel(image, 20, 5), 0);
}

TEST_F(QtCanvasTest, RectangleAndEllipseStayInsideTheirBox) {
    image.fill(Qt::black);
    {
        QtCanvas canvas(image, CanvasRole::Main);
        canvas.setPen({0x00FF00, render::PenStyle::Solid, 1});
        canvas.setBrush({0xFF0000, render::BrushStyle::Solid});
        canvas.rectangle(2, 2, 12, 8);  // pixels 2..11 x 2..7
        canvas.ellipse(20, 20, 27, 27); // a 7-pixel disc
    }
    EXPECT_EQ(pixel(image, 2, 2), 0x00FF00); // the frame
    EXPECT_EQ(pixel(image, 11, 7), 0x00FF00);
    EXPECT_EQ(pixel(image, 12, 8), 0);         // right and bottom edges excluded
    EXPECT_EQ(pixel(image, 5, 5), 0xFF0000);   // the fill
    EXPECT_EQ(pixel(image, 23, 23), 0xFF0000); // the disc's centre
    EXPECT_EQ(pixel(image, 27, 23), 0);
    EXPECT_EQ(pixel(image, 19, 23), 0);
}

TEST_F(QtCanvasTest, TraceLayerCombinesWithAndOrOr) {
    QImage trace(64, 48, QImage::Format_RGB32);
    trace.fill(QColor(255, 255, 255));
    trace.setPixel(3, 3, qRgb(0, 0, 255)); // a blue trace on the white layer
    image.fill(QColor(200, 200, 200));     // a light background
    image.setPixel(5, 5, qRgb(255, 0, 0));
    {
        QtCanvas traceCanvas(trace, CanvasRole::Trace);
        QtCanvas canvas(image, CanvasRole::Main);
        canvas.bitBlt(0, 0, 64, 48, traceCanvas, 0, 0, render::RasterOp::And);
    }
    EXPECT_EQ(pixel(image, 3, 3), 0xC80000); // (200, 200, 200) AND (0, 0, 255)
    EXPECT_EQ(pixel(image, 5, 5), 0x0000FF); // white leaves the figure as it is
    // On black: the layer is black and OR adds the traces.
    trace.fill(Qt::black);
    trace.setPixel(3, 3, qRgb(0, 255, 0));
    image.fill(Qt::black);
    image.setPixel(3, 3, qRgb(255, 0, 0));
    {
        QtCanvas traceCanvas(trace, CanvasRole::Trace);
        QtCanvas canvas(image, CanvasRole::Main);
        canvas.bitBlt(0, 0, 64, 48, traceCanvas, 0, 0, render::RasterOp::Or);
    }
    EXPECT_EQ(pixel(image, 3, 3), 0x00FFFF);
    EXPECT_EQ(pixel(image, 10, 10), 0);
}

TEST_F(QtCanvasTest, OpaqueTextFillsItsCell) {
    image.fill(Qt::black);
    QtCanvas canvas(image, CanvasRole::Main);
    canvas.setFont({"Arial", 0xFFFFFF, 10, false, false, false, false});
    const render::TextSize size = canvas.textExtent("Wg");
    EXPECT_GT(size.width, 5);
    EXPECT_GT(size.height, 8);
    canvas.setBackgroundMode(render::BackgroundMode::Opaque);
    canvas.setBackgroundColor(0x0000FF);
    canvas.textOut(1, 1, "Wg");
    canvas.painter().end();
    EXPECT_EQ(pixel(image, 1, 1), 0x0000FF);
    EXPECT_EQ(pixel(image, size.width, size.height), 0x0000FF);
    EXPECT_EQ(pixel(image, size.width + 2, 1), 0);
}

TEST_F(QtCanvasTest, PicturesRoundTripThroughBmpBytes) {
    QImage source(5, 3, QImage::Format_RGB32);
    source.fill(QColor(10, 20, 30));
    source.setPixel(4, 2, qRgb(250, 0, 0));
    const model::Picture picture = encodePicture(source);
    ASSERT_GE(picture.bmp.size(), 54u);
    EXPECT_EQ(picture.bmp[0], 'B');
    image.fill(Qt::black);
    {
        QtCanvas canvas(image, CanvasRole::Main);
        canvas.drawPicture(10, 10, picture);
        canvas.stretchPicture(20, 20, 30, 26, picture); // twice as large
    }
    EXPECT_EQ(pixel(image, 10, 10), 0x1E140A);
    EXPECT_EQ(pixel(image, 14, 12), 0x0000FA);
    EXPECT_EQ(pixel(image, 29, 25), 0x0000FA);
    EXPECT_TRUE(decodePicture(model::Picture{{'B', 'M', 1, 2}}).isNull());
}

TEST_F(QtCanvasTest, CoordinatesAtTheEndsOfTheIntRangeDrawNothingAndOverflowNothing) {
    // Whatever a caller computed, the canvas's box and text arithmetic must stay inside int
    // (the sanitizer build checks it); nothing of it lands on the image.
    image.fill(Qt::black);
    const QImage before = image.copy();
    QtCanvas canvas(image, CanvasRole::Main);
    canvas.setPen({0xFFFFFF, render::PenStyle::Solid, 3});
    canvas.setBrush({0xFFFFFF, render::BrushStyle::Solid});
    canvas.setFont({"Arial", 0xFFFFFF, 12});
    canvas.setBackgroundMode(render::BackgroundMode::Opaque);
    for (const int v : {INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1}) {
        canvas.moveTo(v, v);
        canvas.lineTo(v, -v - 1);
        canvas.rectangle(v, v, -v - 1, v);
        canvas.ellipse(v, v, v, v);
        canvas.arc(v, v, v, v, -v - 1, v, v, -v - 1);
        canvas.arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, v, v, 0, 0);
        canvas.textOut(v, v, "texto");
        canvas.setPixel(v, v, 0xFFFFFF);
        canvas.patBlt(v, v, v, v);
        const render::IPoint triangle[] = {{v, v}, {v, -v - 1}, {v, 0}}; // all off the image
        canvas.polygon(triangle);
    }
    canvas.flush();
    EXPECT_EQ(image, before);
}

} // namespace
} // namespace zeva::platform
