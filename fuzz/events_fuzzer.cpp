// Turns arbitrary bytes into mouse, key, menu, level and clock events for the real window handlers, and
// aborts the moment an event leaves the game breaking a rule every game must keep.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>

#include "invariants.h"
#include "support.h"
#include "ui/keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zandor;
  std::size_t at = 0;
  const auto next = [&](int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | (at < size ? data[at++] : 0);
    return v;
  };
  // Positions and keys that matter most: the board's edges, off it, no number at all, the mapped keys.
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const float edges[] = {std::nanf(""), kInf, -kInf, 0, 0.01f, 100, 200, 300, 300.01f, -1, 1e30f};
  constexpr std::int16_t kKeys[] = {keys::kF2, keys::kNumPad0, 97, 101, 105, keys::kHome, keys::kClear,
                                    keys::kPageDown, keys::kDown, keys::kUp, '5', 0, -1};
  const auto position = [&](std::uint32_t p) { return p < 11 ? edges[p] : static_cast<float>(p) / 180.0f - 20; };
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
      case 0:
      case 1: app.picMain_MouseUp(1, 0, position(v >> 8), position(v & 0xFF) * 2); break;
      case 2: app.HandleKey(v < 13 ? kKeys[v] : static_cast<std::int16_t>(v), static_cast<std::int16_t>(op >> 3)); break;
      case 3: app.OnMenu(static_cast<MenuItem>(v % kMenuItemCount)); break;
      case 4: app.SetDifficulty(static_cast<std::uint8_t>(v)); break;
      default: clock.SetSecondsSinceMidnight(static_cast<float>(v) * 1.32f); break;
    }
    if (const std::string broken = test::Broken(game, toolkit); !broken.empty()) {
      std::fprintf(stderr, "broken after event %d: %s\n", event, broken.c_str());
      std::abort();
    }
  }
  return 0;
}
