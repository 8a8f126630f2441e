// How long the computer takes to choose and place X, with the think time passing at once.
#include <benchmark/benchmark.h>

#include <string>

#include "ai/computer.h"
#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/null_toolkit.h"

namespace {

using namespace zandor;

struct Position {
  const char* board;
  std::uint8_t phase;
};

// A reply to O's first mark; a playbook move; the whole chain down to a random move; a line win
// that also ends the game and sets up the next.
constexpr Position kPositions[] = {{"O........", 2}, {"O...X...O", 3}, {"O...X....", 3}, {"XX.OO....", 3}};

void BM_ComputerMove(benchmark::State& state) {
  const Position& p = kPositions[state.range(0)];
  NullToolkit toolkit(false);
  ManualClock clock;
  StdRandom random(1);
  Game game(toolkit, clock, random);
  game.OnePlayer = kFalse;
  game.Difficulty = 5;
  game.NewGame();
  for (int n = 0; n < 9; ++n)
    game.Board[static_cast<std::size_t>(n)] = p.board[n] == 'O' ? kO : p.board[n] == 'X' ? kX : kEmpty;
  game.Turn = kX;
  game.AIPhase = p.phase;
  const GameState start = game;
  for (auto _ : state) {
    static_cast<GameState&>(game) = start;
    ComputerMove(game);
    benchmark::DoNotOptimize(game.Board);
  }
  state.SetLabel(std::string(p.board) + " phase " + std::to_string(p.phase));
}
BENCHMARK(BM_ComputerMove)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
