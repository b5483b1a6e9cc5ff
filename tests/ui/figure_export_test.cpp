// What "Exportar dibujo..." and "Copiar al portapapeles" take from the drawing: the bitmap less
// its last row and column, or the inside of a pending selection rectangle however it was dragged;
// written as BMP, PNG, SVG or PDF by the file's type.

#include "qt_app.h"

#include "document/document_load.h"
#include "platform/figure_export.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "tests/support/temp_dir.h"
#include "ui/document_view.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace zeva::platform {
namespace {

TEST(FigureExport, TheWholeBitmapLessOneRowAndColumnOrTheInsideOfTheRectangle) {
    render::ViewTransform v; // corner (-512, 384), one pixel per unit
    EXPECT_EQ(exportRegion(v, std::nullopt, 1025, 769), QRect(0, 0, 1024, 768));
    const render::WorldRect down{{-500, 300}, {-400, 250}};  // dragged down and right
    const render::WorldRect up{{-400, 250}, {-500, 300}};    // the same, dragged up and left
    EXPECT_EQ(exportRegion(v, down, 1025, 769), QRect(13, 85, 99, 49));
    EXPECT_EQ(exportRegion(v, up, 1025, 769), QRect(13, 85, 99, 49));
    const render::WorldRect line{{-500, 300}, {-499, 300}};
    EXPECT_TRUE(exportRegion(v, line, 1025, 769).isEmpty());
}

TEST(FigureExport, EachFileTypeIsWrittenAtTheRegionsSize) {
    testing::qtApp();
    testing::TempDir dir;
    settings::Options options;
    document::DocumentEnvironment env = document::environmentFor(options);
    auto loaded = document::loadDocument(ZEVA_SOURCE_DIR "/examples/gallery.kdo", env);
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    ASSERT_NE(ok, nullptr);
    ui::DocumentView view(QSize(400, 300), options, settings::texts());
    view.attach(ok->document.get());

    const QImage whole = exportPicture(view.renderContext(), view.bitmap());
    EXPECT_EQ(whole.size(), QSize(400, 300));
    const QRect region(10, 20, 120, 80);
    for (const char* name : {"a.BMP", "a.png", "a.svg", "a.pdf"}) {
        const std::string path = dir.file(name);
        EXPECT_EQ(exportFigure(view.renderContext(), view.bitmap(), path, region), "") << name;
        EXPECT_GT(QFile(QString::fromStdString(path)).size(), 100) << name;
    }
    const QImage bmp(QString::fromStdString(dir.file("a.BMP")), "BMP");
    EXPECT_EQ(bmp.size(), region.size());
    EXPECT_EQ(bmp.pixel(0, 0), view.bitmap().pixel(10, 20));
    EXPECT_EQ(bmp.pixel(119, 79), view.bitmap().pixel(129, 99));
    EXPECT_NE(exportFigure(view.renderContext(), view.bitmap(), dir.file("a.txt"), region), "");
    EXPECT_NE(exportFigure(view.renderContext(), view.bitmap(), dir.file("none/a.png"), region),
              "");
}

} // namespace
} // namespace zeva::platform
