// Turns arbitrary bytes into mouse, key, menu, level and clock events for the real window handlers, and
// aborts the moment an event leaves the game breaking a rule every game must keep.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>

#include "invariants.h"
#include "log/loss_log.h"
#include "support.h"
#include "ui/keys.h"

namespace {

using namespace zandor;

struct Bytes {
  const std::uint8_t* data;
  std::size_t size;
  std::uint32_t Next(int count = 1) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i, size -= size > 0) v = v << 8 | (size ? *data++ : 0);
    return v;
  }
};

// Positions that matter most: off the board, on its edges, and no number at all.
constexpr float kInf = std::numeric_limits<float>::infinity();
const float kEdges[] = {std::nanf(""), kInf, -kInf, 0, 0.01f, 100, 200, 300, 300.01f, -1, 1e30f};
constexpr std::int16_t kKeys[] = {keys::kF2, keys::kNumPad0, 97, 101, 105, keys::kHome, keys::kClear,
                                  keys::kPageDown, keys::kDown, keys::kUp, '5', 0, -1};

[[noreturn]] void Fail(const std::string& what, int event) {
  std::fprintf(stderr, "broken after event %d: %s\n", event, what.c_str());
  std::abort();
}

const std::filesystem::path& Folder() {  // under TMPDIR, which the fuzzing stage points at its scratch folder
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zandor-fuzz-" + std::to_string(std::random_device()()));
  return folder;
}

int Entries() {
  std::ifstream in(Folder() / kLossLogName, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int n = 0;
  for (std::size_t at = text.find("Logged at "); at != std::string::npos; at = text.find("Logged at ", at + 1)) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in{data, size};
  std::filesystem::remove_all(Folder());
  std::filesystem::create_directories(Folder());
  NullToolkit toolkit(false);
  toolkit.programFolder = Folder().string();
  ManualClock clock;
  StdRandom random(in.Next(4));
  Game game(toolkit, clock, random);
  App app(game, toolkit);
  app.Main();
  int wins = 0;  // O's wins over the top level in one-player mode: each one a log entry
  for (int event = 1; in.size > 0 && !toolkit.closed; ++event) {
    const bool logs = game.OnePlayer == kTrue && game.Difficulty == 5;
    const std::int16_t scoreO = game.Score[1];
    const std::uint32_t op = in.Next(), v = in.Next(2);
    const auto position = [](std::uint32_t p) { return p < 11 ? kEdges[p] : static_cast<float>(p) / 180.0f - 20; };
    switch (op % 6) {
      case 0:
      case 1: app.picMain_MouseUp(1, 0, position(v >> 8), position(v & 0xFF) * 2); break;
      case 2: app.HandleKey(v < 13 ? kKeys[v] : static_cast<std::int16_t>(v), static_cast<std::int16_t>(op >> 3)); break;
      case 3: app.OnMenu(static_cast<MenuItem>(v % kMenuItemCount)); break;
      case 4: app.SetDifficulty(static_cast<std::uint8_t>(v)); break;
      default: clock.SetSecondsSinceMidnight(static_cast<float>(v) * 1.32f); break;
    }
    if (std::string broken = test::Broken(game, toolkit); !broken.empty()) Fail(broken, event);
    wins += logs && game.Score[1] > scoreO && game.Score[1] < kMaxScore;
    if (game.Score[1] > scoreO && Entries() != wins) Fail("loss log entries differ from O's wins at level 5", event);
  }
  return 0;
}
