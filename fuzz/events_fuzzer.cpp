// Turns arbitrary bytes into mouse, key, menu, level and clock events for the real window handlers, and
// aborts the moment an event leaves the game breaking a rule every game must keep.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "invariants.h"
#include "support.h"
#include "ui/keys.h"

namespace {
unsigned reachedO = 0;  // the cells O has held in this run, reported at its end: play must reach all nine
const int report = std::atexit([] { std::fprintf(stderr, "zandor fuzz: O reached %d of 9 cells\n", __builtin_popcount(reachedO)); });
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zandor;
  std::size_t at = 0;
  const auto next = [&](int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | (at < size ? data[at++] : 0);
    return v;
  };
  // Positions: the board's edges and what is no number at all as values of their own; any other byte a point
  // of -10 to 310, the whole board and past its edges. Keys: the mapped ones, then any.
  const float edges[] = {std::nanf(""), HUGE_VALF, -HUGE_VALF, 0, 0.01f, 100, 100.01f, 200, 200.01f, 300, 300.01f, 1e30f};
  constexpr std::int16_t kKeys[] = {keys::kF2, keys::kNumPad0, 97, 101, 105, keys::kHome, keys::kClear,
                                    keys::kPageDown, keys::kDown, keys::kUp, '5', 0, -1};
  const auto position = [&](std::uint32_t p) { return p < 12 ? edges[p] : static_cast<float>(p - 12) * 320 / 243 - 10; };
  // The loss log goes under TMPDIR, which the fuzzing stage points at a scratch folder it removes.
  static const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zandor-fuzz";
  std::filesystem::create_directories(folder);
  NullToolkit toolkit(false);
  toolkit.programFolder = folder.string();
  ManualClock clock;
  StdRandom random(next(4));
  Game game(toolkit, clock, random);
  App app(game, toolkit);
  app.Main();
  for (int event = 1; at < size && !toolkit.closed; ++event) {
    const std::uint32_t op = next(1), v = next(2);
    switch (op % 6) {
      case 0: case 1: app.picMain_MouseUp(1, 0, position(v >> 8), position(v & 0xFF)); break;
      case 2: app.HandleKey(v < 13 ? kKeys[v] : static_cast<std::int16_t>(v), static_cast<std::int16_t>(op >> 3)); break;
      case 3: app.OnMenu(static_cast<MenuItem>(v % kMenuItemCount)); break;
      case 4: app.SetDifficulty(static_cast<std::uint8_t>(v)); break;
      default: clock.SetSecondsSinceMidnight(static_cast<float>(v) * 1.32f); break;
    }
    for (int cell = 0; cell < 9; ++cell) reachedO |= game.Board[cell] == kO ? 1u << cell : 0;
    if (const std::string broken = test::Broken(game, toolkit); !broken.empty())
      std::fprintf(stderr, "broken after event %d: %s\n", event, broken.c_str()), std::abort();
  }
  return 0;
}
