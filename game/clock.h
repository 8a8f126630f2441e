// Injected time: a monotonic clock with a real sleep, and the wall clock the computer reseeds from.
#pragma once

#include <algorithm>
#include <cmath>

namespace zandor {

class Clock {
 public:
  virtual ~Clock() = default;
  // Monotonic seconds from an arbitrary origin; never jumps with the wall clock.
  virtual double Now() = 0;
  // Blocks the thread for about this long without using the processor and without dispatching events.
  virtual void Sleep(double seconds) = 0;
  // Seconds since local midnight, single precision (restarts at 0 at midnight).
  virtual float SecondsSinceMidnight() = 0;
};

// The standard library's steady clock and sleep (not available in every Windows runtime,
// so the Win32 front end brings its own).
class SystemClock final : public Clock {
 public:
  double Now() override;
  void Sleep(double seconds) override;
  float SecondsSinceMidnight() override;
};

// A clock for tests, benchmarks and fuzzers: sleeping advances it at once.
class ManualClock final : public Clock {
 public:
  double Now() override { return now_; }
  void Sleep(double seconds) override {
    // Always move forward by at least one step of the clock's resolution: a remainder too small
    // to change now_ would otherwise leave a waiting loop asking for it forever.
    if (seconds > 0) now_ = std::max(now_ + seconds, std::nextafter(now_, HUGE_VAL));
    slept_ += seconds > 0 ? seconds : 0;
    ++sleeps_;
  }
  float SecondsSinceMidnight() override { return midnightOffset_ + static_cast<float>(now_); }

  void Advance(double seconds) { now_ += seconds; }
  void SetSecondsSinceMidnight(float s) { midnightOffset_ = s - static_cast<float>(now_); }
  double slept() const { return slept_; }
  int sleeps() const { return sleeps_; }

 private:
  double now_ = 1000.0;
  double slept_ = 0;
  int sleeps_ = 0;
  float midnightOffset_ = 0;
};

}  // namespace zandor
