// The animation window on the offscreen platform: its controls change the entries, the pause
// stops every entry, and its clock hands steps to the test, which plays the window thread.

#include "tests/support/edits.h"
#include "qt_app.h"
#include "tests/animation/window_thread.h"
#include "tests/editor/fake_host.h"

#include "document/undo.h"
#include "edit/animation.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "ui/animation_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

struct AnimationFixture : testing::EditorFixture {
    platform::testing::ManualTicks* ticks = nullptr;
    platform::testing::WindowQueue queue;
    std::unique_ptr<AnimationWindow> window;
    Element* onSegment = nullptr;
    Element* parameter = nullptr;

    AnimationFixture() {
        zeva::testing::qtApp();
        edit::CreationRequest r;
        r.x1 = 0;
        Element* a = zeva::testing::create(doc(), r);
        r.x1 = 100;
        Element* b = zeva::testing::create(doc(), r);
        r.kind = Kind::Segment;
        r.parent1 = a;
        r.parent2 = b;
        Element* ab = zeva::testing::create(doc(), r);
        r.kind = Kind::PointOnElement;
        r.parent1 = ab;
        r.y2 = 0.5;
        onSegment = zeva::testing::create(doc(), r);
        edit::CreationInputs in;
        in.parameterValue = 5;
        r.kind = Kind::Parameter;
        parameter = zeva::testing::create(doc(), r, in);
        geometry::recomputeAll(doc().construction, document::contextFor(doc()));
        edit::addOrRestartAnimation(doc().construction, *onSegment);
        edit::addOrRestartAnimation(doc().construction, *parameter);

        auto source = std::make_unique<platform::testing::ManualTicks>();
        ticks = source.get();
        window = std::make_unique<AnimationWindow>(session(), nullptr, std::move(source),
                                                   queue.poster());
    }
    ~AnimationFixture() { window.reset(); }

    template <class W> W* control(const char* name) {
        return window->findChild<W*>(QLatin1String(name));
    }
    model::AnimationEntry& entry(size_t i) { return doc().animatedElements()[i]; }
    void typeSpeed(const char* digits) {
        auto* edit = control<QLineEdit>("Ed_vel");
        edit->clear();
        QTest::keyClicks(edit, QLatin1String(digits));
    }
};

TEST(AnimationWindow, TypedSpeedsAreHeldWithinOneToAHundred) {
    AnimationFixture f;
    f.window->start();
    auto* bar = f.control<QSlider>("TB");
    EXPECT_EQ(bar->value(), 15) << "the first entry is shown";
    f.typeSpeed("250");
    EXPECT_EQ(f.entry(0).speed, 100);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(f.control<QLineEdit>("Ed_vel")->text(), QStringLiteral("100"));
    f.typeSpeed("0");
    EXPECT_EQ(f.entry(0).speed, 1);
    EXPECT_EQ(f.control<QLineEdit>("Ed_vel")->text(), QStringLiteral("1"));
    QTest::mouseClick(f.control<QToolButton>("UpDown_vel_up"), Qt::LeftButton);
    EXPECT_EQ(f.entry(0).speed, 2);
    f.typeSpeed("");
    EXPECT_EQ(f.entry(0).speed, 2) << "an emptied field changes nothing";
    // The other entry keeps its own speed.
    EXPECT_EQ(f.entry(1).speed, 15);
}

TEST(AnimationWindow, ThePauseStopsEveryEntryUntilItIsReleased) {
    AnimationFixture f;
    f.window->start();
    EXPECT_TRUE(f.window->clock().running());
    f.ticks->fire();
    f.queue.runNext();
    const double t = f.onSegment->y2;
    const double value = f.parameter->x1;
    EXPECT_NE(t, 0.5);
    EXPECT_NE(value, 5.0);

    f.ticks->fire();
    f.queue.waitForCall();
    QTest::mouseClick(f.control<QToolButton>("B_pausa"), Qt::LeftButton);
    EXPECT_TRUE(f.window->paused());
    EXPECT_FALSE(f.window->clock().running());
    f.queue.runNext();   // the step queued before the pause
    f.window->runStep(); // and a tick that would slip through
    EXPECT_EQ(f.onSegment->y2, t);
    EXPECT_EQ(f.parameter->x1, value);

    QTest::mouseClick(f.control<QToolButton>("B_pausa"), Qt::LeftButton);
    EXPECT_TRUE(f.window->clock().running());
    f.ticks->fire();
    f.queue.runNext();
    EXPECT_NE(f.onSegment->y2, t);
    EXPECT_NE(f.parameter->x1, value);
}

TEST(AnimationWindow, ItsButtonsSetTheChosenEntryAndClosingGoesBackToTheMoveTool) {
    AnimationFixture f;
    f.doc().modified = 0;
    f.window->start();
    EXPECT_EQ(f.host.toolShown, tool::Animation);
    EXPECT_TRUE(f.doc().undoAvailable) << "opening takes a snapshot";
    auto* list = f.control<QComboBox>("CB");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("punto"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("Parámetro"));

    // The animation tool picks the parameter: its line is chosen.
    f.window->elementPicked(*f.parameter);
    EXPECT_EQ(list->currentIndex(), 1);
    auto* play = f.control<QToolButton>("B_play");
    EXPECT_TRUE(play->isChecked());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(f.entry(1).playing, 0);
    EXPECT_EQ(f.doc().modified, 1);
    QTest::mousePress(f.control<QToolButton>("B_sentido"), Qt::LeftButton);
    EXPECT_EQ(f.entry(1).backward, 0) << "turned as the button went down";
    QTest::mouseRelease(f.control<QToolButton>("B_sentido"), Qt::LeftButton);
    EXPECT_EQ(f.entry(1).backward, 0);

    QTest::mouseClick(f.control<QToolButton>("B_stop"), Qt::LeftButton);
    ASSERT_EQ(f.doc().animatedElements().size(), 1u);
    EXPECT_EQ(f.entry(0).element, f.onSegment);
    EXPECT_EQ(list->count(), 1);

    // An undo behind the window's back: the next tick shows the restored list.
    document::undo(f.doc());
    f.ticks->fire();
    f.queue.runNext();
    EXPECT_EQ(list->count(), 2);

    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_FALSE(f.window->clock().running());
    EXPECT_EQ(f.host.toolShown, tool::Move);
    EXPECT_FALSE(f.host.fakeView.ctx.state.animationDialogVisible);
}

} // namespace
} // namespace zeva::ui
