#pragma once
// The clock of the animation: a worker thread that, whenever a step is due, hands one step to
// the window thread and waits until the window thread has run it. It only keeps time: the step
// runs on the window thread, so the figure, the bitmaps and the windows are only ever used by
// that thread, and there is never more than one step in flight.
//
// The hand-over is a queued call on the window thread plus a wait on the worker, not a
// blocking queued connection: stopping from the window thread must never wait for a worker that
// is itself waiting for the window thread.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QObject;

namespace zeva::platform {

inline constexpr std::chrono::milliseconds kAnimationInterval{30};

// What paces the clock. Tests drive it by hand; the program uses SteadyTicks.
class TickSource {
  public:
    virtual ~TickSource() = default;
    // Blocks the worker until the next step is due: true then, false when interrupted first.
    virtual bool waitForTick() = 0;
    // Ends the wait in progress, or the next one, with false. Any thread.
    virtual void interrupt() = 0;
};

// A step is due when the interval has passed since the previous step began (at once when a
// step took longer than the interval, or after a long pause).
class SteadyTicks : public TickSource {
  public:
    explicit SteadyTicks(std::chrono::milliseconds interval = kAnimationInterval);
    bool waitForTick() override;
    void interrupt() override;

  private:
    std::chrono::milliseconds interval_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool interrupted_ = false;
    std::chrono::steady_clock::time_point previous_{};
};

class AnimationClock {
  public:
    // Queues a call to run later on the window thread (thread-safe; called by the worker).
    using Post = std::function<void(std::function<void()>)>;

    // Starts the worker suspended. `step` runs on the window thread, one call per tick.
    AnimationClock(std::function<void()> step, Post post,
                   std::unique_ptr<TickSource> ticks = std::make_unique<SteadyTicks>());
    // Stops the worker.
    ~AnimationClock();
    AnimationClock(const AnimationClock&) = delete;
    AnimationClock& operator=(const AnimationClock&) = delete;

    // Window thread only. Resuming a stopped clock does nothing.
    void resume();
    // Steps stop: a step already queued but not begun is dropped; one in progress completes.
    void suspend();
    // Ends the worker and waits for it; queued steps that arrive later do nothing. Idempotent.
    void stop();
    bool running() const;

  private:
    struct Shared;
    static void work(std::shared_ptr<Shared> shared);

    std::shared_ptr<Shared> shared_;
    std::thread worker_;
};

// Queued calls on the thread of `receiver` (the window thread for a window). The clock must be
// stopped before the receiver is destroyed; calls still queued then are dropped with it.
AnimationClock::Post postTo(QObject* receiver);

} // namespace zeva::platform
