#include "platform/animation_clock.h"

#include <QMetaObject>
#include <QObject>

#include <utility>

namespace zeva::platform {

// ---- SteadyTicks ----------------------------------------------------------------------------

SteadyTicks::SteadyTicks(std::chrono::milliseconds interval) : interval_(interval) {}

bool SteadyTicks::waitForTick() {
    std::unique_lock lock(mutex_);
    const auto due = previous_ + interval_;
    woken_.wait_until(lock, due, [this] { return interrupted_; });
    if (interrupted_) {
        interrupted_ = false;
        return false;
    }
    previous_ = std::chrono::steady_clock::now();
    return true;
}

void SteadyTicks::interrupt() {
    {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
    }
    woken_.notify_all();
}

// ---- AnimationClock -------------------------------------------------------------------------

// What the worker and the window thread share. Queued calls hold it too, so a call that
// arrives after the clock is gone still finds it (and does nothing).
struct AnimationClock::Shared {
    std::function<void()> step; // called on the window thread only
    Post post;                  // called on the worker only
    std::unique_ptr<TickSource> ticks;

    std::mutex mutex;
    std::condition_variable changed;
    bool suspended = true;
    bool stopping = false;
    bool stepPending = false; // a step was queued and has not finished

    // Window thread: the queued step.
    void runStep() {
        {
            std::lock_guard lock(mutex);
            if (!stepPending) return;
            if (stopping || suspended) {
                stepPending = false;
                changed.notify_all();
                return;
            }
        }
        step(); // unlocked: the step may suspend or stop the clock
        {
            std::lock_guard lock(mutex);
            stepPending = false;
        }
        changed.notify_all();
    }
};

AnimationClock::AnimationClock(std::function<void()> step, Post post,
                               std::unique_ptr<TickSource> ticks)
    : shared_(std::make_shared<Shared>()) {
    shared_->step = std::move(step);
    shared_->post = std::move(post);
    shared_->ticks = std::move(ticks);
    worker_ = std::thread(&AnimationClock::work, shared_);
}

AnimationClock::~AnimationClock() {
    stop();
}

void AnimationClock::work(std::shared_ptr<Shared> s) {
    for (;;) {
        {
            std::unique_lock lock(s->mutex);
            s->changed.wait(lock, [&] { return s->stopping || !s->suspended; });
            if (s->stopping) return;
        }
        if (!s->ticks->waitForTick()) continue; // suspended or stopped meanwhile
        {
            std::lock_guard lock(s->mutex);
            if (s->stopping) return;
            if (s->suspended) continue;
            s->stepPending = true;
        }
        s->post([s] { s->runStep(); });
        std::unique_lock lock(s->mutex);
        s->changed.wait(lock, [&] { return s->stopping || !s->stepPending; });
        if (s->stopping) return;
    }
}

void AnimationClock::resume() {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->stopping) return;
        shared_->suspended = false;
    }
    shared_->changed.notify_all();
}

void AnimationClock::suspend() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->suspended = true;
    }
    shared_->ticks->interrupt();
}

void AnimationClock::stop() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
        shared_->suspended = true;
    }
    shared_->changed.notify_all();
    shared_->ticks->interrupt();
    if (worker_.joinable()) worker_.join();
}

bool AnimationClock::running() const {
    std::lock_guard lock(shared_->mutex);
    return !shared_->stopping && !shared_->suspended;
}

AnimationClock::Post postTo(QObject* receiver) {
    return [receiver](std::function<void()> call) {
        QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
    };
}

} // namespace zeva::platform
