#include "qt_app.h"
#include "tests/support/temp_dir.h"

#include "render/view_transform.h"
#include "ui/drawing_area.h"
#include "ui/main_window.h"

#include <QMessageBox>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zeva::ui {
namespace {

const QString kGallery = QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo");

class Viewer : public ::testing::Test {
  protected:
    void SetUp() override { testing::qtApp(); }
};

TEST_F(Viewer, ShowsTheDocumentFromTheCommandLine) {
    MainWindow w(kGallery);
    EXPECT_TRUE(w.openError().empty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - gallery.kdo"));
    // The saved view puts the world origin at (512, 384): point A (-470, 330) is red at (42, 54).
    const render::IPoint a = render::worldToScreen(w.viewTransform(), -470, 330);
    EXPECT_EQ(a, (render::IPoint{42, 54}));
    EXPECT_EQ(w.bitmap().pixel(42, 54), qRgb(255, 0, 0));
    EXPECT_EQ(w.bitmap().pixel(43, 55), qRgb(255, 0, 0));
    EXPECT_EQ(w.bitmap().width(), w.viewTransform().screenWidth + 1);
    // The drawing area shows the bitmap's top-left part.
    w.resize(640, 480);
    w.show();
    QApplication::processEvents();
    const QImage shown = w.drawingArea()->grab().toImage();
    EXPECT_EQ(shown.pixel(42, 54), qRgb(255, 0, 0));
}

TEST_F(Viewer, ResizeKeepsTheTopLeftWorldPoint) {
    MainWindow w(kGallery);
    w.show();
    QApplication::processEvents();
    const double left = w.document().viewLeft;
    const double top = w.document().viewTop;
    w.resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(w.document().viewLeft, left);
    EXPECT_EQ(w.document().viewTop, top);
    EXPECT_EQ(w.viewTransform().clientWidth, w.drawingArea()->width());
    // The far edges follow the surface, not the window.
    EXPECT_EQ(w.document().viewRight, left + w.viewTransform().screenWidth);
    EXPECT_EQ(w.document().viewBottom, top - w.viewTransform().screenHeight);
}

TEST_F(Viewer, ScrollBarsMoveTheViewOverThePlane) {
    MainWindow w(kGallery);
    w.show();
    QApplication::processEvents();
    const render::ViewTransform& v = w.viewTransform();
    const double h = v.planeSize / 2;
    // The saved view's position on the bars.
    EXPECT_EQ(w.horizontalBar()->value(), render::horizontalScrollPosition(v));
    w.document().modified = 0;
    w.horizontalBar()->setValue(2500);
    EXPECT_DOUBLE_EQ(w.document().viewLeft, -h + (2 * h - v.clientWidth) * 0.25);
    EXPECT_DOUBLE_EQ(w.viewTransform().viewLeft, w.document().viewLeft);
    EXPECT_DOUBLE_EQ(w.document().viewRight, w.document().viewLeft + v.screenWidth);
    EXPECT_EQ(w.document().modified, 1);
    w.verticalBar()->setValue(0);
    EXPECT_DOUBLE_EQ(w.document().viewTop, h);
    // The bitmap follows: the plane's top-left corner is now at the origin of the drawing.
    EXPECT_EQ(render::worldToScreen(w.viewTransform(), w.document().viewLeft, h), (render::IPoint{0, 0}));
}

// What the drawing shows: the bitmap's extra column and row are never painted.
QImage surface(const MainWindow& w) {
    return w.bitmap().copy(0, 0, w.viewTransform().screenWidth, w.viewTransform().screenHeight);
}

// The "ZEVA" box the window shows, if any.
QMessageBox* messageBox(const MainWindow& w) {
    return w.findChild<QMessageBox*>();
}

TEST_F(Viewer, AFailedOpenChangesNothingAndSaysWhy) {
    testing::TempDir dir;
    const auto bad = dir.path() / "bad.kdo";
    std::ofstream(bad) << "not a document";
    MainWindow w(kGallery);
    w.show();
    QApplication::processEvents();
    const document::Document* shown = &w.document();
    const QImage picture = surface(w);
    const QString title = w.windowTitle();
    const double left = w.viewTransform().viewLeft;

    EXPECT_FALSE(w.openDocument(QString::fromStdString(bad.string())));
    EXPECT_EQ(w.openError(), "no es un archivo válido");
    QMessageBox* box = messageBox(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("ZEVA"));
    EXPECT_EQ(box->text(), QStringLiteral("no es un archivo válido"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->close();
    QApplication::processEvents();
    // Nothing changed: the same one document, shown as before.
    EXPECT_EQ(w.documents().count(), 1);
    EXPECT_EQ(&w.document(), shown);
    EXPECT_EQ(w.document().fileName, kGallery.toStdString());
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_EQ(w.viewTransform().viewLeft, left);
    EXPECT_EQ(surface(w), picture);

    // A good file opens beside it; asking again for an open file switches back to it.
    EXPECT_TRUE(
        w.openDocument(QStringLiteral(ZEVA_SOURCE_DIR "/tests/golden/triangle_100/input.KDO")));
    EXPECT_EQ(w.documents().count(), 2);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - input.KDO"));
    EXPECT_NE(surface(w), picture);
    EXPECT_TRUE(w.openDocument(kGallery));
    EXPECT_EQ(w.documents().count(), 2);
    EXPECT_EQ(&w.document(), shown);
    EXPECT_EQ(surface(w), picture);
}

TEST_F(Viewer, AnInvalidFileAtStartLeavesANewDocument) {
    testing::TempDir dir;
    const auto bad = dir.path() / "bad.kdo";
    std::ofstream(bad) << "not a document";
    MainWindow w(QString::fromStdString(bad.string()));
    EXPECT_EQ(w.openError(), "no es un archivo válido");
    EXPECT_EQ(w.documents().count(), 1);
    EXPECT_TRUE(w.document().fileName.empty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZEVA - Documento 1"));
    EXPECT_TRUE(w.document().construction.empty());
    // The box waits for the window.
    QApplication::processEvents();
    ASSERT_NE(messageBox(w), nullptr);
    EXPECT_EQ(messageBox(w)->text(), QStringLiteral("no es un archivo válido"));
    messageBox(w)->close();
}

TEST_F(Viewer, WithoutAFileANewDocumentIsCentredOnTheOrigin) {
    MainWindow w;
    EXPECT_TRUE(w.document().construction.empty());
    const render::IPoint o = render::worldToScreen(w.viewTransform(), 0, 0);
    EXPECT_NEAR(o.x, w.drawingArea()->width() / 2, 1);
    EXPECT_NEAR(o.y, w.drawingArea()->height() / 2, 1);
}

} // namespace
} // namespace zeva::ui
