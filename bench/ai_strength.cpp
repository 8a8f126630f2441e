// Strength of each level: a uniformly random O against the computer, headless, as a markdown table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "ai/computer.h"
#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/null_toolkit.h"

namespace {

using namespace zandor;

enum Outcome { kOWins, kDraw, kXWins, kStuck };

// One game from an empty board. O's mouse moves are placed with the computer's replies driven
// from here, so the game stops at its end instead of running on into the next one.
Outcome PlayOne(Game& game, std::mt19937& human, bool computerOpens) {
  game.Score = {};
  game.Turn = computerOpens ? kX : kO;
  game.NewGame();
  game.AIPhase = computerOpens ? 1 : 2;
  if (computerOpens) ComputerMove(game);
  for (;;) {
    if (game.Score[2] > 0) return kXWins;
    if (game.Turn == 0) return kDraw;
    if (game.Turn != kO) return kStuck;
    std::vector<int> empty;
    for (int n = 0; n < 9; ++n)
      if (game.Board[static_cast<std::size_t>(n)] == kEmpty) empty.push_back(n);
    std::uniform_int_distribution<std::size_t> pick(0, empty.size() - 1);
    const int cell = empty[pick(human)];
    game.PlaceMark(static_cast<std::uint8_t>(cell % 3), static_cast<std::uint8_t>(cell / 3), kO);
    if (game.Score[1] > 0) return kOWins;
    if (game.Turn == 0) return kDraw;
    ComputerMove(game);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const long games = argc > 1 ? std::atol(argv[1]) : 10000;
  if (games <= 0) {
    std::fprintf(stderr, "usage: %s [games per level and opener]\n", argv[0]);
    return 2;
  }
  NullToolkit toolkit(false);
  ManualClock clock;
  StdRandom random(2024);
  Game game(toolkit, clock, random);
  // Two-player flag off: the computer is called from here, and no loss log is written.
  game.OnePlayer = kFalse;
  std::mt19937 human(7);

  std::printf("| Level | Opens | O wins | Draws | O loses |\n");
  std::printf("|---|---|---:|---:|---:|\n");
  for (std::int16_t level = 1; level <= 5; ++level) {
    game.Difficulty = level;
    for (const bool computerOpens : {false, true}) {
      long counts[4] = {};
      for (long i = 0; i < games; ++i) ++counts[PlayOne(game, human, computerOpens)];
      if (counts[kStuck] > 0) {
        std::fprintf(stderr, "level %d: %ld games where X did not move\n", level, counts[kStuck]);
        return 1;
      }
      const auto pct = [&](long n) { return 100.0 * static_cast<double>(n) / static_cast<double>(games); };
      std::printf("| %d | %s | %.1f %% | %.1f %% | %.1f %% |\n", level, computerOpens ? "computer" : "O",
                  pct(counts[kOWins]), pct(counts[kDraw]), pct(counts[kXWins]));
    }
  }
  std::printf("\n%ld games per row; O picks uniformly among the empty cells.\n", games);
  return 0;
}
