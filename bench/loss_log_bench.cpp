// How long logging one game takes as the log grows: the whole file is read and rewritten each time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "log/loss_log.h"
#include "ui/null_toolkit.h"

namespace {

using namespace zandor;

class FixedTimeEnv final : public SystemLossLogEnv {
 public:
  std::string LocalDateTimeText() override { return "3/14/2001 9:26:53 PM"; }
};

// A game O has just won: five marks, as the log sees them.
void SetWonGame(GameState& s) {
  const MoveRecord moves[] = {{0, 0, "O"}, {1, 1, "X"}, {1, 0, "O"}, {2, 2, "X"}, {2, 0, "O"}};
  s.MoveCount = 5;
  for (std::size_t i = 0; i < 5; ++i) s.History[i + 1] = moves[i];
}

// Earlier entries of about `bytes` bytes, as the program writes them.
std::string EarlierLog(std::size_t bytes) {
  GameState s;
  SetWonGame(s);
  const std::string entry = LossLogEntry(s, "3/13/2001 8:00:00 AM") + "\r\n";
  std::string text;
  text.reserve(bytes + entry.size());
  while (text.size() < bytes) text += entry;
  return text;
}

// The whole call on the real disk: read, build, write, flush, rename.
void BM_LogOneGame(benchmark::State& state) {
  const auto folder =
      std::filesystem::temp_directory_path() /
      ("zandor-log-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(folder);
  {
    const std::string text = EarlierLog(static_cast<std::size_t>(state.range(0)) << 20);
    std::ofstream(folder / kLossLogName, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  NullToolkit toolkit(false);
  ManualClock clock;
  ScriptedRandom random;
  FixedTimeEnv env;
  Game game(toolkit, clock, random, &env);
  game.AppFolder = (folder / "").string();
  SetWonGame(game);
  for (auto _ : state) WriteLossLog(game);
  state.SetBytesProcessed(state.iterations() * state.range(0) * (1 << 20));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LogOneGame)->Arg(1)->Arg(50)->ArgName("MB")->Unit(benchmark::kMillisecond)->UseRealTime();

// The part that stays in memory: the entry and the earlier text with its line ends made CR LF.
void BM_BuildText(benchmark::State& state) {
  const std::string earlier = EarlierLog(static_cast<std::size_t>(state.range(0)) << 20);
  GameState s;
  SetWonGame(s);
  for (auto _ : state) {
    std::string text = LossLogEntry(s, "3/14/2001 9:26:53 PM") + "\r\n";
    AppendCrLfLines(text, earlier);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0) * (1 << 20));
}
BENCHMARK(BM_BuildText)->Arg(1)->Arg(50)->ArgName("MB")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
