// The animation, step-by-step and list windows over a figure window drawn on Qt surfaces: an
// animated point moves on the bitmap and leaves its trace, and the clock's queued steps reach
// the window thread through Qt's event queue. With ZEVA_SCREENSHOT_DIR set the frames are
// written there as PNG files (run under Xvfb with QT_QPA_PLATFORM=xcb to see whole screens).

#include "tests/support/edits.h"
#include "figure_window.h"
#include "qt_app.h"
#include "tests/animation/window_thread.h"

#include "edit/animation.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "ui/animation_window.h"
#include "ui/construction_list_window.h"
#include "ui/step_window.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QScreen>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::Kind;

// A point running round a circle, the midpoint between it and a fixed point leaving its trace,
// a point going round a triangle and a line turning about a point.
struct AnimatedFigure {
    FigureWindow window;
    Element* runner = nullptr;
    Element* midpoint = nullptr;
    Element* onTriangle = nullptr;
    Element* turning = nullptr;

    AnimatedFigure() {
        document::Document& d = window.document();
        edit::CreationRequest r;
        const auto make = [&](Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                              const edit::CreationInputs& in = {}) {
            r.kind = kind;
            r.parent1 = p1;
            r.parent2 = p2;
            Element* e = zeva::testing::create(d, r, in);
            geometry::recomputeElement(*e, window.recomputeContext());
            return e;
        };
        const auto point = [&](double x, double y) {
            r.x1 = x;
            r.y1 = y;
            return make(Kind::FreePoint);
        };
        const auto name = [&](Element* e, const char* text) {
            edit::CreationInputs in;
            in.nameText = text;
            in.lastClick = e->point();
            make(Kind::Name, e, nullptr, in);
        };
        Element* centre = point(-220, 20);
        Element* circle = make(Kind::CircleByCentreAndPoint, centre, point(-80, 20));
        circle->color = 0xC0C0C0;
        r.y2 = 0.3;
        runner = make(Kind::PointOnElement, circle);
        runner->color = 0x0000FF;
        runner->style = 2;
        Element* fixed = point(160, 180);
        make(Kind::Segment, fixed, runner);
        midpoint = make(Kind::Midpoint, fixed, runner);
        midpoint->color = 0x00FFFF;
        name(runner, "P");
        name(fixed, "F");
        name(midpoint, "M");
        d.tracedElements().push_back(midpoint);

        edit::CreationInputs triangle;
        triangle.picked = {point(120, -60), point(380, -60), point(250, -250)};
        Element* poly = make(Kind::Polygon, nullptr, nullptr, triangle);
        r.y2 = 0.2;
        onTriangle = make(Kind::PointOnElement, poly);
        onTriangle->color = 0x00FF00;
        onTriangle->style = 2;
        Element* pivot = point(-250, -200);
        r.x2 = -250;
        r.y2 = -100;
        turning = make(Kind::LineThroughPoint, pivot);
        turning->color = 0xFF8000;

        edit::addOrRestartAnimation(d.construction, *runner);
        edit::addOrRestartAnimation(d.construction, *onTriangle);
        edit::addOrRestartAnimation(d.construction, *turning);
        d.animatedElements()[0].speed = 40;
        d.animatedElements()[1].speed = 60;
        d.animatedElements()[2].speed = 20;
        d.modified = 0;
        window.refigure();
    }
};

// Writes the picture of the screen (under a window system) or of the figure window when
// ZEVA_SCREENSHOT_DIR names a folder.
void shoot(FigureWindow& w, const QString& name) {
    const char* dir = std::getenv("ZEVA_SCREENSHOT_DIR");
    if (!dir) return;
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    QPixmap picture;
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) {
        // The part of the screen the shown windows cover.
        QRect shown;
        for (const QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible()) shown |= top->frameGeometry();
        picture = QGuiApplication::primaryScreen()->grabWindow(0).copy(shown);
    } else {
        picture = w.grab();
    }
    QDir().mkpath(QString::fromLocal8Bit(dir));
    picture.save(QString::fromLocal8Bit(dir) + QStringLiteral("/") + name + QStringLiteral(".png"));
}

render::IPoint pixelOf(const FigureWindow& w, const Element& e) {
    return render::worldToScreen(w.transformValue, e.x1, e.y1);
}

// Pixels of the colour within 3 pixels of a point of the bitmap.
int pixelsNear(const QImage& image, render::IPoint at, QRgb colour) {
    int n = 0;
    for (int x = at.x - 3; x <= at.x + 3; ++x)
        for (int y = at.y - 3; y <= at.y + 3; ++y)
            if (image.valid(x, y) && image.pixel(x, y) == colour) ++n;
    return n;
}

TEST(AnimationScreens, TheAnimatedPointMovesOnTheBitmapAndLeavesItsTrace) {
    zeva::testing::qtApp();
    AnimatedFigure f;
    f.window.move(0, 0);
    f.window.show();
    auto source = std::make_unique<platform::testing::ManualTicks>();
    auto* ticks = source.get();
    platform::testing::WindowQueue queue;
    AnimationWindow animation(*f.window.session, &f.window, std::move(source), queue.poster());
    animation.start();
    animation.elementPicked(*f.runner);
    shoot(f.window, QStringLiteral("animation_00"));

    const QRgb red = qRgb(255, 0, 0); // the running point's colour
    for (int frame = 1; frame <= 8; ++frame) {
        const render::IPoint before = pixelOf(f.window, *f.runner);
        ticks->fire(6);
        for (int i = 0; i < 6; ++i)
            queue.runNext();
        const render::IPoint after = pixelOf(f.window, *f.runner);
        EXPECT_NE(before, after) << "frame " << frame;
        // The point is drawn where it now is, and no longer where it was.
        EXPECT_GT(pixelsNear(f.window.bitmap, after, red), 0) << "frame " << frame;
        EXPECT_EQ(pixelsNear(f.window.bitmap, before, red), 0) << "frame " << frame;
        shoot(f.window, QStringLiteral("animation_%1").arg(frame, 2, 10, QLatin1Char('0')));
    }
    // The midpoint's trace stays on the drawing while the animation window is shown.
    int traced = 0;
    for (int x = 0; x < f.window.traces.width(); ++x)
        for (int y = 0; y < f.window.traces.height(); ++y)
            if (f.window.traces.pixel(x, y) != f.window.traces.pixel(0, 0)) ++traced;
    EXPECT_GT(traced, 40);
    EXPECT_EQ(f.window.document().modified, 1);
    animation.stopAndHide();
}

TEST(AnimationScreens, TheRealClockHandsItsStepsThroughTheEventQueue) {
    zeva::testing::qtApp();
    AnimatedFigure f;
    auto source = std::make_unique<platform::testing::ManualTicks>();
    auto* ticks = source.get();
    AnimationWindow animation(*f.window.session, &f.window, std::move(source));
    animation.start();
    const double t = f.runner->y2;
    ticks->fire();
    // Blocks until the worker's queued call arrives; no sleeping.
    while (f.runner->y2 == t)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_NE(f.runner->y2, t);
    animation.stopAndHide();
    EXPECT_FALSE(animation.clock().running());
}

TEST(AnimationScreens, StepByStepAndTheConstructionList) {
    zeva::testing::qtApp();
    AnimatedFigure f;
    f.window.move(0, 0);
    f.window.show();
    {
        StepWindow steps(*f.window.session, &f.window);
        ASSERT_TRUE(steps.start());
        for (int i = 0; i < 5; ++i)
            steps.findChild<QToolButton*>(QStringLiteral("B_Unoadel"))->click();
        // Six steps drawn: the segment from F to P is there, their midpoint not yet.
        EXPECT_EQ(steps.playback().current(), 5);
        shoot(f.window, QStringLiteral("step_by_step"));
        steps.reject();
    }
    ConstructionListWindow list(*f.window.session, &f.window);
    list.start();
    list.view()->setCurrentIndex(list.model().index(6));
    EXPECT_EQ(list.highlighted(), f.midpoint);
    shoot(f.window, QStringLiteral("construction_list"));
    list.reject();
    EXPECT_EQ(f.midpoint->selected, 0);
}

} // namespace
} // namespace zeva::ui::testing
