// The clock thread: one step per tick, run on the window thread, never two in flight; pausing,
// resuming and stopping from the window thread. The last test animates a figure for hundreds of
// steps while the window thread keeps editing it (built with -fsanitize=thread by the test
// script, it shows that the worker touches nothing of the figure).

#include "figure_maker.h"
#include "window_thread.h"

#include "document/undo.h"
#include "edit/animation.h"
#include "edit/delete.h"

#include <gtest/gtest.h>

#include <thread>

namespace zeva::platform::testing {
namespace {

struct ClockFixture {
    WindowQueue window;
    ManualTicks* ticks = nullptr;
    int steps = 0;
    std::thread::id stepThread;
    std::unique_ptr<AnimationClock> clock;

    ClockFixture() {
        auto source = std::make_unique<ManualTicks>();
        ticks = source.get();
        clock = std::make_unique<AnimationClock>(
            [this] {
                ++steps;
                stepThread = std::this_thread::get_id();
                window.stepFinished();
            },
            window.poster(), std::move(source));
    }
};

TEST(AnimationClock, EachTickBecomesOneStepOnTheWindowThreadNeverTwoInFlight) {
    ClockFixture f;
    EXPECT_FALSE(f.clock->running()) << "made suspended";
    f.clock->resume();
    EXPECT_TRUE(f.clock->running());
    f.ticks->fire(200); // all due at once: still one at a time
    for (int i = 0; i < 200; ++i)
        f.window.runNext();
    EXPECT_EQ(f.steps, 200);
    EXPECT_EQ(f.stepThread, std::this_thread::get_id());
    EXPECT_EQ(f.window.queuedWhileBusy(), 0);
    f.clock->stop();
    EXPECT_FALSE(f.clock->running());
}

TEST(AnimationClock, PausingDropsTheQueuedStepAndResumingGoesOn) {
    ClockFixture f;
    f.clock->resume();
    f.ticks->fire();
    f.window.waitForCall();
    f.clock->suspend(); // the pause button, pressed before the queued step ran
    f.window.runNext();
    EXPECT_EQ(f.steps, 0);
    f.ticks->fire(3);
    f.clock->resume();
    for (int i = 0; i < 3; ++i)
        f.window.runNext();
    EXPECT_EQ(f.steps, 3);
}

TEST(AnimationClock, StoppingWithAStepQueuedReturnsAndTheLateStepDoesNothing) {
    ClockFixture f;
    f.clock->resume();
    f.ticks->fire();
    f.window.waitForCall();
    f.clock->stop(); // the worker waits for the window thread, which is here: no deadlock
    f.window.runNext();
    EXPECT_EQ(f.steps, 0);
    f.clock->resume();
    EXPECT_FALSE(f.clock->running()) << "a stopped clock stays stopped";
    f.clock.reset(); // stopping twice is harmless
}

TEST(AnimationClock, AStepMayStopItsOwnClock) {
    WindowQueue window;
    std::unique_ptr<AnimationClock> clock;
    int steps = 0;
    clock = std::make_unique<AnimationClock>(
        [&] {
            ++steps;
            clock->stop(); // the document closed during the step
        },
        window.poster(), std::make_unique<ImmediateTicks>());
    clock->resume();
    window.runNext();
    EXPECT_EQ(steps, 1);
    EXPECT_FALSE(clock->running());
}

// The window thread animates a point that drives a chain of elements and, between steps, adds,
// drags, deletes and undoes; the worker only ever waits and queues.
TEST(AnimationClock, AnimatesForHundredsOfStepsWhileTheWindowThreadEditsTheFigure) {
    using model::Element;
    using model::Kind;
    document::Document d;
    edit::testing::FigureMaker m{d};
    Element* a = m.point(0, 0);
    Element* b = m.point(300, 0);
    Element* ab = m.make(Kind::Segment, a, b);
    Element* p = m.pointOn(ab, 0.5);
    Element* previous = p;
    for (int i = 0; i < 20; ++i)
        previous = m.make(Kind::Midpoint, previous, m.point(10.0 * i, 100));
    Element* last = previous;
    ASSERT_TRUE(edit::addOrRestartAnimation(d.construction, *p));
    d.construction.animations.back().speed = 30;

    WindowQueue window;
    int steps = 0;
    AnimationClock clock(
        [&] {
            {
                edit::Edit change(d, m.ctx(), edit::UndoStep::Continue);
                edit::animationStep(change);
            }
            ++steps;
            window.stepFinished();
        },
        window.poster(), std::make_unique<ImmediateTicks>());
    clock.resume();

    const double lastBefore = last->x1;
    std::vector<Element*> added;
    for (int i = 0; i < 300; ++i) {
        window.runNext();
        switch (i % 6) {
        case 0: // a new point on the animated segment
            added.push_back(m.pointOn(ab, 0.25));
            break;
        case 1: // a drag of the segment's end
            b->x1 = 300 + (i % 50);
            geometry::recomputeAll(d.construction, m.ctx());
            break;
        case 2: // the newest point deleted
            if (!added.empty()) {
                edit::Edit change(d, m.ctx(), edit::UndoStep::Continue);
                edit::deleteWithDependents(change, *added.back());
                added.pop_back();
            }
            break;
        case 3: // a change undone: the live construction swaps with its copy
            document::checkpoint(d);
            document::undo(d);
            document::undo(d);
            break;
        case 4: // a pause and a resume, as the pause button does
            clock.suspend();
            clock.resume();
            break;
        case 5:
            added.push_back(m.make(Kind::Midpoint, added.empty() ? a : added.back(), b));
            break;
        }
    }
    clock.stop();
    EXPECT_GE(steps, 250); // a few steps queued before a pause are dropped
    EXPECT_NE(last->x1, lastBefore) << "the chain followed the animated point";
}

} // namespace
} // namespace zeva::platform::testing
