#pragma once
// Stand-ins for what the clock meets in the program, for tests that never sleep: tick sources
// fired by hand or at once, and a window thread played by the test's own thread, which runs the
// calls the clock queues when the test says so.

#include "platform/animation_clock.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace zeva::platform::testing {

// Ticks the test fires; each fired tick lets one wait end.
class ManualTicks : public TickSource {
  public:
    bool waitForTick() override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return available_ > 0 || interrupted_; });
        if (interrupted_) {
            interrupted_ = false;
            return false;
        }
        --available_;
        return true;
    }
    void interrupt() override {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
        changed_.notify_all();
    }
    void fire(int count = 1) {
        std::lock_guard lock(mutex_);
        available_ += count;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int available_ = 0;
    bool interrupted_ = false;
};

// A step is always due: the clock runs as fast as the window thread takes its steps.
class ImmediateTicks : public TickSource {
  public:
    bool waitForTick() override {
        std::lock_guard lock(mutex_);
        const bool wasInterrupted = interrupted_;
        interrupted_ = false;
        return !wasInterrupted;
    }
    void interrupt() override {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
    }

  private:
    std::mutex mutex_;
    bool interrupted_ = false;
};

// The window thread's queue of calls. A step the test runs ends with stepFinished(), so the
// queue can count calls queued while an earlier step had not finished: two steps in flight.
// (Only meaningful while no queued step is dropped.)
class WindowQueue {
  public:
    AnimationClock::Post poster() {
        return [this](std::function<void()> call) {
            std::lock_guard lock(mutex_);
            if (queued_ != finished_) ++queuedWhileBusy_;
            ++queued_;
            calls_.push_back(std::move(call));
            changed_.notify_all();
        };
    }
    void stepFinished() {
        std::lock_guard lock(mutex_);
        ++finished_;
    }
    // Blocks until a call is queued.
    void waitForCall() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !calls_.empty(); });
    }
    // Waits for the next queued call and runs it on this thread.
    void runNext() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !calls_.empty(); });
        std::function<void()> call = std::move(calls_.front());
        calls_.pop_front();
        lock.unlock();
        call();
    }
    int queuedWhileBusy() {
        std::lock_guard lock(mutex_);
        return queuedWhileBusy_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> calls_;
    int queued_ = 0;
    int finished_ = 0;
    int queuedWhileBusy_ = 0;
};

} // namespace zeva::platform::testing
