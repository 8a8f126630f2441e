// Prints the engine's numbers for the performance report: the exhaustive game count and its time, and
// the processor time of a one-second Pause against a busy loop of the same length.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "ai/random.h"
#include "bench/engine_support.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/null_toolkit.h"

namespace {

using namespace zandor;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
  const bool allGames = argc < 2 || std::strcmp(argv[1], "pause") != 0;
  const bool pause = argc < 2 || std::strcmp(argv[1], "games") != 0;
  if (allGames) {
    bench::TwoPlayerGame two(false);
    double best = 1e9;
    std::uint64_t games = 0;
    for (int run = 0; run < 5; ++run) {
      const double start = WallSeconds();
      games = bench::PlayAllGames(two.game);
      const double took = WallSeconds() - start;
      if (took < best) best = took;
    }
    std::printf("all_games %llu %.1f\n", static_cast<unsigned long long>(games), best * 1000);
    if (games != 255168) return 1;
  }
  if (pause) {
    NullToolkit toolkit(false);
    SystemClock clock;
    StdRandom random(1);
    Game game(toolkit, clock, random);
    double cpu0 = CpuSeconds(), wall0 = WallSeconds();
    game.Pause(1);
    const double pauseCpu = CpuSeconds() - cpu0, pauseWall = WallSeconds() - wall0;
    // The same second spent asking the clock, as a wait that never sleeps would.
    cpu0 = CpuSeconds();
    wall0 = WallSeconds();
    const double start = clock.Now();
    while (clock.Now() - start < 1.0) {
    }
    const double busyCpu = CpuSeconds() - cpu0, busyWall = WallSeconds() - wall0;
    std::printf("pause_cpu %.2f %.3f\nbusy_cpu %.1f %.3f\n", pauseCpu * 1000, pauseWall, busyCpu * 1000,
                busyWall);
  }
  return 0;
}
