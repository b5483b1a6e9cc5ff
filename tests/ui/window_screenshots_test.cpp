// Pictures of the editor's main window, written to <build>/screenshots/ to be looked at whenever
// the window changes: the gallery in the lay-out of the screen (window-large.png at 1000 pixels
// and wider, window-small.png below; run under Xvfb at 1920x1080 and 960x720 for both), and a
// figure built by clicks in the drawing area, one picture per step: a triangle, two
// perpendicular bisectors, their intersection, the circumcircle through it, an angle measured.
#include "qt_app.h"

#include "ui/drawing_area.h"
#include "ui/main_window.h"
#include "ui/popup_panel_widget.h"

#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

const QString kFolder = QStringLiteral(ZEVA_BINARY_DIR "/screenshots");

void save(QWidget& w, const QString& name) {
    QApplication::processEvents();
    const QImage image = w.grab().toImage();
    QDir().mkpath(kFolder);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(kFolder + QLatin1Char('/') + name)) << name.toStdString();
}

void fillScreen(MainWindow& w) {
    w.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(50);
}

void clickAt(MainWindow& w, double x, double y) {
    DrawingArea* area = w.drawingArea();
    const render::IPoint p = render::worldToScreen(w.viewTransform(), x, y);
    const QPoint local(p.x, p.y);
    QCursor::setPos(area->mapToGlobal(local));
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(area->mapToGlobal(local)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, local);
    QApplication::processEvents();
}

TEST(WindowScreenshots, TheGalleryAndAFigureBuiltByClicks) {
    testing::qtApp();
    MainWindow gallery(QStringLiteral(ZEVA_SOURCE_DIR "/examples/gallery.kdo"));
    fillScreen(gallery);
    save(gallery, gallery.smallLayout() ? QStringLiteral("window-small.png")
                                        : QStringLiteral("window-large.png"));

    // The colour panel and the comparison panel held open, side by side.
    QImage panels[2];
    int i = 0;
    for (const char* name : {"B_color", "B_comp_1"}) {
        QToolButton* held = gallery.button(name);
        QTest::mousePress(held, Qt::LeftButton);
        QTest::qWait(kPanelHoldMs + 100);
        EXPECT_TRUE(gallery.popupPanelWidget()->isVisible()) << name;
        const QRect r = gallery.popupPanelWidget()->geometry().united(
            QRect(held->mapTo(gallery.centralWidget(), QPoint()), held->size()));
        panels[i++] = gallery.centralWidget()->grab(r.adjusted(-8, -8, 8, 8)).toImage();
        QTest::mouseRelease(held, Qt::LeftButton);
    }
    QImage sheet(panels[0].width() + panels[1].width() + 10,
                 std::max(panels[0].height(), panels[1].height()), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter p(&sheet);
        p.drawImage(0, 0, panels[0]);
        p.drawImage(panels[0].width() + 10, 0, panels[1]);
    }
    QDir().mkpath(kFolder);
    EXPECT_TRUE(sheet.save(kFolder + QStringLiteral("/window-panels.png")));

    MainWindow w;
    fillScreen(w);
    w.run(Command::Close);
    w.run(Command::New); // centred on the drawing area as the window now shows it
    const QString suffix = w.smallLayout() ? QStringLiteral("-small.png") : QStringLiteral(".png");
    const auto stage = [&](const char* name, int elements) {
        EXPECT_EQ(w.document().construction.countOf(), elements) << name;
        save(w, QStringLiteral("window-figure-") + QLatin1String(name) + suffix);
    };
    w.button("B_Segmento")->click();
    for (auto [x, y] : {std::pair{-150.0, -80.0}, {150.0, -80.0}, {150.0, -80.0}, {40.0, 120.0},
                        {40.0, 120.0}, {-150.0, -80.0}})
        clickAt(w, x, y);
    stage("1-triangle", 6);
    w.button("B_Mediatriz")->click();
    for (auto [x, y] : {std::pair{-150.0, -80.0}, {150.0, -80.0}, {150.0, -80.0}, {40.0, 120.0}})
        clickAt(w, x, y);
    stage("2-bisectors", 8);
    // The intersection tool on the two bisectors, away from their crossing: x = 0, and the
    // bisector of BC through (95, 20) along (200, 110).
    w.button("B_Punto_Inter")->click();
    clickAt(w, 0.0, 150.0);
    clickAt(w, 195.0, 75.0);
    stage("3-intersection", 9);
    w.button("B_Circunf")->click();
    clickAt(w, 0.0, -32.25); // the crossing of the bisectors
    clickAt(w, -150.0, -80.0);
    // The cursor rests on the circle: its label shows.
    const render::IPoint p = render::worldToScreen(w.viewTransform(), 0.0, -32.25 + 157.4);
    QCursor::setPos(w.drawingArea()->mapToGlobal(QPoint(p.x, p.y)));
    QMouseEvent move(QEvent::MouseMove, QPointF(p.x, p.y),
                     QPointF(w.drawingArea()->mapToGlobal(QPoint(p.x, p.y))), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.drawingArea(), &move);
    stage("4-circumcircle", 10);
    // The angle at A measured: B, A, then C, where its value is placed.
    w.button("B_N_angulo")->click();
    for (auto [x, y] : {std::pair{150.0, -80.0}, {-150.0, -80.0}, {40.0, 120.0}})
        clickAt(w, x, y);
    stage("5-angle", 11);
}

} // namespace
} // namespace zeva::ui
