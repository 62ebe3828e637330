// When a long loop in the window's thread shows its progress: at its first item, then
// each time at least an interval has passed since it last did, however many items
// that took.
#pragma once

#include <chrono>

class RefreshPacer {
  public:
    using Clock = std::chrono::steady_clock;

    explicit RefreshPacer(Clock::duration interval = std::chrono::milliseconds(40))
        : interval_(interval), last_(Clock::now() - interval) {}

    // True (and the interval starts again) when the interval has passed.
    bool Due() {
        const Clock::time_point now = Clock::now();
        if (now - last_ < interval_) return false;
        last_ = now;
        return true;
    }

  private:
    Clock::duration interval_;
    Clock::time_point last_;
};
