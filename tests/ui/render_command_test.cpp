#include "qt_app.h"

#include "app/cli.h"
#include "tests/support/temp_dir.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zeva::app {
namespace {

class RenderCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::qtApp();
    }
    std::string out(const char* name) const { return dir.file(name); }

    testing::TempDir dir;
    const std::string gallery = ZEVA_SOURCE_DIR "/examples/gallery.kdo";
};

TEST_F(RenderCommand, WritesTheSavedViewAtTheGivenSize) {
    ASSERT_EQ(runRender({gallery, out("g.png"), 800, 600}), 0);
    QImage png(QString::fromStdString(out("g.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(800, 600));
    // The saved view has the world origin at (512, 384): point A (-470, 330) is at (42, 54).
    EXPECT_EQ(png.pixel(42, 54), qRgb(255, 0, 0));
    EXPECT_EQ(png.pixel(700, 20), qRgb(0, 0, 0)); // the black background

    ASSERT_EQ(runRender({gallery, out("g.bmp"), 320, 200}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(out("g.bmp"))).size(), QSize(320, 200));
}

TEST_F(RenderCommand, VectorFormats) {
    ASSERT_EQ(runRender({gallery, out("g.svg"), 640, 480}), 0);
    ASSERT_EQ(runRender({gallery, out("g.pdf"), 640, 480}), 0);
    QFile svg(QString::fromStdString(out("g.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("viewBox=\"0 0 640 480\""));
    QFile pdf(QString::fromStdString(out("g.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(RenderCommand, RefusesBadInputAndUnknownFormats) {
    std::ofstream(out("bad.kdo")) << "nothing to see";
    EXPECT_EQ(runRender({out("bad.kdo"), out("x.png"), 100, 100}), 2);
    EXPECT_FALSE(std::filesystem::exists(out("x.png")));
    EXPECT_EQ(runRender({gallery, out("x.gif"), 100, 100}), 64);
    EXPECT_EQ(runRender({gallery, out("missing/dir/x.png"), 100, 100}), 1);
}

} // namespace
} // namespace zeva::app
