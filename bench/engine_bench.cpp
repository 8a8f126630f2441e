// Costs of the engine's own steps with the null toolkit: a drawn mark, a new game, whole matches.
#include <benchmark/benchmark.h>

#include "ai/random.h"
#include "bench/engine_support.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/app.h"
#include "ui/null_toolkit.h"

namespace {

using namespace zandor;

// Four marks that end nothing (two players), each with both block transfers and a refresh; the new
// game that clears them runs outside the timing.
void BM_PlaceMarkDrawing(benchmark::State& state) {
  bench::TwoPlayerGame two(true);
  Game& game = two.game;
  for (auto _ : state) {
    game.PlaceMark(1, 1, kO);
    game.PlaceMark(0, 0, kX);
    game.PlaceMark(2, 0, kO);
    game.PlaceMark(0, 2, kX);
    state.PauseTiming();
    game.NewGame();
    state.ResumeTiming();
  }
  benchmark::DoNotOptimize(two.toolkit.board.pixels.data());
  state.SetItemsProcessed(state.iterations() * 4);
  state.SetLabel("items = marks");
}
BENCHMARK(BM_PlaceMarkDrawing);

// NewGame: clears the state and copies the whole 300 x 300 empty board onto the visible one.
void BM_NewGameBoardCopy(benchmark::State& state) {
  NullToolkit toolkit(true);
  ManualClock clock;
  StdRandom random(1);
  Game game(toolkit, clock, random);
  for (auto _ : state) {
    game.NewGame();
    benchmark::DoNotOptimize(toolkit.board.pixels.data());
  }
  state.SetBytesProcessed(state.iterations() * kBoardSize * kBoardSize * 4);
}
BENCHMARK(BM_NewGameBoardCopy);

// A headless match as a player would have it: one player against level 5, O clicking random free
// cells through the mouse handler, drawing on, pauses passing at once. Items are games.
void BM_HeadlessMatch(benchmark::State& state) {
  const auto gamesPerMatch = static_cast<int>(state.range(0));
  std::int64_t games = 0;
  for (auto _ : state) {
    NullToolkit toolkit(true);
    ManualClock clock;
    StdRandom random(7);
    StdRandom player(11);
    Game game(toolkit, clock, random);
    App app(game, toolkit);
    app.Main();
    app.SetDifficulty(5);
    int played = 0;
    while (played < gamesPerMatch) {
      const int before = game.Score[1] + game.Score[2];
      const std::uint8_t moves = game.MoveCount;
      const auto cell = static_cast<int>(player.Next() * 9.0f);
      if (game.Board[static_cast<std::size_t>(cell)] != kEmpty) continue;
      app.picMain_MouseUp(1, 0, static_cast<float>(cell % 3 * 100 + 50),
                          static_cast<float>(cell / 3 * 100 + 50));
      // A game ended when the score moved or the board emptied (a draw).
      if (game.Score[1] + game.Score[2] != before || game.MoveCount < moves) ++played;
      if (game.Turn == kX) app.HandleKey(113, 0);  // a refused reply can leave X due: start afresh
    }
    games += played;
    benchmark::DoNotOptimize(game.Score);
  }
  state.SetItemsProcessed(games);
  state.SetLabel("items = games");
}
BENCHMARK(BM_HeadlessMatch)->Arg(100)->Unit(benchmark::kMillisecond);

// Every one of the 255,168 possible games through PlaceMark, two players, no drawing.
void BM_AllGames(benchmark::State& state) {
  bench::TwoPlayerGame two(false);
  std::uint64_t games = 0;
  for (auto _ : state) {
    games = bench::PlayAllGames(two.game);
    benchmark::DoNotOptimize(games);
  }
  if (games != 255168) state.SkipWithError("the enumeration did not find 255,168 games");
  state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_AllGames)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
