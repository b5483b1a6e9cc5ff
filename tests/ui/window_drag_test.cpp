// Dragging the triangle's top vertex of the gallery in the editor window with the mouse, as a
// user does: the point follows the pointer, the triangle and its area follow the point, and the
// window shows it. The window before and after the drag is written to
// <build>/screenshots/drag-gallery-before.png and drag-gallery-after.png (run under Xvfb at
// 1920x1080 for pictures of the screen's size).
#include "qt_app.h"

#include "ui/drawing_area.h"
#include "ui/host.h"
#include "ui/main_window.h"

#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::ui {
namespace {

const QString kFolder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");

QImage grabSaved(MainWindow& w, const QString& name) {
    QApplication::processEvents();
    const QImage image = w.grab().toImage();
    QDir().mkpath(kFolder);
    EXPECT_TRUE(image.save(kFolder + QLatin1Char('/') + name)) << name.toStdString();
    return image;
}

QPoint at(MainWindow& w, double x, double y) {
    const render::IPoint p = render::worldToScreen(w.viewTransform(), x, y);
    return {p.x, p.y};
}

void sendMove(DrawingArea* area, QPoint p, Qt::MouseButtons held) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(area->mapToGlobal(p)), Qt::NoButton,
                     held, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
}

TEST(WindowDrag, TheTrianglesVertexDraggedInTheWindowCarriesTheTriangleAndItsArea) {
    testing::qtApp();
    MainWindow w(QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo"));
    w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(50);
    w.button("Sel")->click();

    const model::Construction& c = w.document().construction;
    model::Element* apex = c.findBySerial(28);
    const model::Element* area = c.findBySerial(34);
    ASSERT_TRUE(apex && area);
    ASSERT_EQ(apex->kind, model::Kind::FreePoint);
    const double areaBefore = area->x1; // square units
    const QImage before = grabSaved(w, QStringLiteral("drag-gallery-before.png"));

    DrawingArea* drawing = w.drawingArea();
    const QPoint from = at(w, -110, 340), to = at(w, 40, 140);
    sendMove(drawing, from, Qt::NoButton);
    QTest::mousePress(drawing, Qt::LeftButton, Qt::NoModifier, from);
    QTest::qWait(kDragDelayMs + 30);
    for (int i = 1; i <= 10; ++i) {
        sendMove(drawing, from + (to - from) * i / 10, Qt::LeftButton);
        QApplication::processEvents();
    }
    QTest::mouseRelease(drawing, Qt::LeftButton, Qt::NoModifier, to);
    QApplication::processEvents();

    EXPECT_NEAR(apex->x1, 40.0, 1.0);
    EXPECT_NEAR(apex->y1, 140.0, 1.0);
    EXPECT_GT(std::abs(area->x1 - areaBefore), 0.5) << "the area did not follow the vertex";
    EXPECT_EQ(w.document().modified, 1);
    // The window shows the vertex where the pointer left it: the pixels there changed.
    const QImage after = grabSaved(w, QStringLiteral("drag-gallery-after.png"));
    const QPoint shown = drawing->mapTo(&w, to);
    const QRect around(shown - QPoint(4, 4), QSize(9, 9));
    EXPECT_NE(before.copy(around), after.copy(around));
}

} // namespace
} // namespace zeva::ui
