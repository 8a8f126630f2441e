// The test clock must let every pause end: regressions for waits that never finished.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/null_toolkit.h"

namespace zandor {
namespace {

// Passes everything to a ManualClock but gives up after a few sleeps, so a wait that never ends
// fails the test instead of hanging it.
class BoundedClock final : public Clock {
 public:
  explicit BoundedClock(ManualClock& inner) : inner_(inner) {}
  double Now() override { return inner_.Now(); }
  void Sleep(double seconds) override {
    if (inner_.sleeps() >= 3) throw std::runtime_error("pause did not end after 3 sleeps");
    inner_.Sleep(seconds);
  }
  float SecondsSinceMidnight() override { return inner_.SecondsSinceMidnight(); }

 private:
  ManualClock& inner_;
};

// Fault: ManualClock::Sleep added the remainder of a pause to its time even when the remainder was
// below the resolution of the time value, so Now() never moved and Pause spun forever (found by the
// event fuzzer with a think time of 0.3 + r / 5 seconds at a clock reading of 1001.3).
TEST(ManualClockTest, PauseEndsWhatEverTheStartAndLength) {
  struct Case {
    double start;
    double seconds;
  };
  const Case cases[] = {
      {0.0, 1.0},       {1000.0, 1.0},    {1001.3, 0.3 + 0.9999999f / 5.0f},    {1e6, 0.30000001},
      {1e9 + 0.1, 0.4}, {1000.0, 1e-300}, {123456.789, 0.3 + 0.123456f / 5.0f}, {7.0, 0.49999997},
  };
  for (const Case& c : cases) {
    NullToolkit toolkit(false);
    ManualClock clock;
    clock.Advance(c.start - clock.Now());
    BoundedClock bounded(clock);
    ScriptedRandom random;
    Game game(toolkit, bounded, random);
    const double before = clock.Now();
    EXPECT_NO_THROW(game.Pause(c.seconds)) << "start " << c.start << " seconds " << c.seconds;
    EXPECT_GE(clock.Now() - before, c.seconds) << "start " << c.start << " seconds " << c.seconds;
  }
}

TEST(ManualClockTest, EveryPositiveSleepMovesTimeForward) {
  for (double start : {0.0, 1.0, 1000.0, 1e12}) {
    ManualClock clock;
    clock.Advance(start - clock.Now());
    for (double tiny : {1e-300, 1e-17, 1e-13}) {
      const double before = clock.Now();
      clock.Sleep(tiny);
      EXPECT_GT(clock.Now(), before) << start << " + " << tiny;
    }
    const double before = clock.Now();
    clock.Sleep(0);
    clock.Sleep(-1);
    EXPECT_EQ(clock.Now(), before) << "no wait, no time";
  }
}

}  // namespace
}  // namespace zandor
