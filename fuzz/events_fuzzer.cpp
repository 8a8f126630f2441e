// Turns arbitrary bytes into mouse, key, menu and level events for the real window handlers,
// and aborts the moment any event leaves the game in a state it must never be in.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "log/loss_log.h"
#include "ui/app.h"
#include "ui/artwork.h"
#include "ui/null_toolkit.h"

namespace zandor::fuzz {
namespace {

[[noreturn]] void Fail(const char* what, unsigned long long event) {
  std::fprintf(stderr, "invariant broken after event %llu: %s\n", event, what);
  std::abort();
}

// Reads the input from the front, so hand-written seeds stay readable; past the end every read is 0.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return pos_ >= size_; }
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::uint16_t U16() {
    const std::uint16_t lo = Byte();
    return static_cast<std::uint16_t>(lo | (Byte() << 8));
  }
  std::uint32_t U32() {
    const std::uint32_t lo = U16();
    return lo | (static_cast<std::uint32_t>(U16()) << 16);
  }
  std::uint64_t U64() {
    const std::uint64_t lo = U32();
    return lo | (static_cast<std::uint64_t>(U32()) << 32);
  }
  float Float() {
    const std::uint32_t bits = U32();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kMax = std::numeric_limits<float>::max();
constexpr float kTiniest = std::numeric_limits<float>::denorm_min();
constexpr float kSmallest = std::numeric_limits<float>::min();
// Positions where rounding, range checks and conversions are most likely to go wrong.
constexpr float kSpecialPositions[] = {
    kNaN,     -kNaN,   kInf,      -kInf,    0.0f,          -0.0f,          kTiniest,      kSmallest,
    1.0f,     49.999f, 50.0f,     99.999f,  100.0f,        100.0001f,      149.5f,        150.0f,
    199.999f, 200.0f,  200.0001f, 250.0f,   299.999f,      300.0f,         300.0001f,     301.0f,
    350.0f,   400.0f,  25650.0f,  25700.0f, 65535.0f,      1e10f,          kMax,          -1.0f,
    -50.0f,   -100.0f, -25650.0f, -kMax,    2147483648.0f, -2147483648.0f, 4294967296.0f, 1e30f,
};
constexpr std::size_t kSpecialCount = std::size(kSpecialPositions);

// The keyboard map, written out again here so the handlers are checked against the table,
// not against themselves: keypad code, navigation code, column, row.
struct KeyCell {
  std::int16_t keypad, navigation;
  int x, y;
};
constexpr KeyCell kKeyCells[9] = {{103, 36, 0, 0}, {104, 38, 1, 0}, {105, 33, 2, 0},
                                  {100, 37, 0, 1}, {101, 12, 1, 1}, {102, 39, 2, 1},
                                  {97, 35, 0, 2},  {98, 40, 1, 2},  {99, 34, 2, 2}};
constexpr std::int16_t kF2 = 113;

constexpr MenuItem kModeItems[2] = {MenuItem::OnePlayer, MenuItem::TwoPlayer};
constexpr MenuItem kLevelItems[5] = {MenuItem::Easiest, MenuItem::Easy, MenuItem::Medium, MenuItem::Hard,
                                     MenuItem::Hardest};

// The column or row a release at p belongs to: (p - 50) / 100 rounded half to even.
int ExpectedCell(float p) {
  return static_cast<int>(std::nearbyint((static_cast<double>(p) - 50.0) / 100.0));
}

class FixedDate final : public SystemLossLogEnv {
 public:
  std::string LocalDateTimeText() override { return "3/14/2001 9:26:53 PM"; }
};

// Built once per process: the artwork, and each cell's expected 100 x 100 block for an empty cell,
// an O and an X, made by blitting the sprites onto a fresh copy of the artwork's empty board.
struct Expected {
  Image artwork = MakeArtwork();
  Image cells[3][9];
  std::filesystem::path folder;

  Expected() {
    for (int mark = 0; mark < 3; ++mark) {
      for (int cell = 0; cell < 9; ++cell) {
        Image board(kBoardSize, kBoardSize);
        Blit(board, 0, 0, kBoardSize, kBoardSize, artwork, 0, 0, RasterOp::SrcCopy);
        const int cx = cell % 3, cy = cell / 3;
        if (mark != 0) {
          const SpriteRect& m = mark == 1 ? kOMask : kXMask;
          const SpriteRect& i = mark == 1 ? kOImage : kXImage;
          Blit(board, MarkLeft(cx), MarkTop(cy), m.width, m.height, artwork, m.x, m.y, RasterOp::MergePaint);
          Blit(board, MarkLeft(cx), MarkTop(cy), i.width, i.height, artwork, i.x, i.y, RasterOp::SrcAnd);
        }
        Image block(100, 100);
        Blit(block, 0, 0, 100, 100, board, cx * 100, cy * 100, RasterOp::SrcCopy);
        cells[mark][cell] = std::move(block);
      }
    }
    // Under TMPDIR, so a run that ends in a crash leaves its folder where the caller cleans up.
    std::string pattern = (std::filesystem::temp_directory_path() / "zandor-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    folder = pattern;
  }
  ~Expected() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
};

Expected& Shared() {
  static Expected expected;
  return expected;
}

unsigned long long g_events = 0;
unsigned long long g_inputs = 0;

void PrintTotals() {
  if (g_inputs) std::fprintf(stderr, "zandor fuzz: %llu inputs, %llu events\n", g_inputs, g_events);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Everything an ignored event must leave as it was.
struct Snapshot {
  GameState state;
  std::string caption;
  std::array<bool, kMenuItemCount> checked;
  int refreshes;
  int lines;
};

class Session {
 public:
  Session() : game_(toolkit_, clock_, random_, &date_), app_(game_, toolkit_) {
    toolkit_.draw = true;
    toolkit_.artwork = Shared().artwork;
    toolkit_.programFolder = Shared().folder.string();
    std::filesystem::remove(LogPath());
  }

  void Run(Reader& in) {
    random_ = StdRandom(in.U64());
    clock_.SetSecondsSinceMidnight(static_cast<float>(in.U32() % 86400u));
    app_.Main();
    if (game_.AppFolder != toolkit_.programFolder + "/") Fail("AppFolder is not the program folder", 0);
    Check();
    while (!in.done() && !toolkit_.closed) {
      Step(in);
      ++g_events;
      Check();
    }
    if (ReadFile(LogPath()) != expectedLog_)
      Fail("loss log differs from the games O won at level 5", g_events);
  }

 private:
  std::filesystem::path LogPath() const { return Shared().folder / "AILog.txt"; }

  Snapshot Take() const {
    return {static_cast<const GameState&>(game_), toolkit_.caption, toolkit_.checked, toolkit_.refreshes,
            toolkit_.lines};
  }

  bool SameAs(const Snapshot& s) const {
    const GameState& g = game_;
    bool history = true;
    for (std::size_t i = 0; i < g.History.size(); ++i)
      history = history && g.History[i].x == s.state.History[i].x && g.History[i].y == s.state.History[i].y &&
                g.History[i].mark == s.state.History[i].mark;
    return history && g.Board == s.state.Board && g.Turn == s.state.Turn &&
           g.OnePlayer == s.state.OnePlayer && g.Difficulty == s.state.Difficulty &&
           g.AIPhase == s.state.AIPhase && g.LineRule == s.state.LineRule && g.GameOver == s.state.GameOver &&
           g.MoveCount == s.state.MoveCount && g.Score == s.state.Score && toolkit_.caption == s.caption &&
           toolkit_.checked == s.checked && toolkit_.refreshes == s.refreshes && toolkit_.lines == s.lines;
  }

  // What an accepted mark of `mark` at (x, y) must have done, given the state before it.
  void CheckPlaced(const Snapshot& before, int x, int y, std::uint8_t mark) {
    const bool allowed = (before.state.Turn == 0 || before.state.Turn == mark) &&
                         before.state.Board[static_cast<std::size_t>(y * 3 + x)] == kEmpty;
    if (!allowed) {
      if (!SameAs(before)) Fail("a refused mark changed the game", g_events);
      return;
    }
    const bool ended = game_.Score != before.state.Score || game_.MoveCount <= before.state.MoveCount;
    if (ended) {
      if (mark == kO && game_.Score[1] == before.state.Score[1] + 1 && game_.OnePlayer &&
          game_.Difficulty == 5)
        ExpectLogEntry(before, x, y);
      return;
    }
    for (std::size_t i = 1; i <= before.state.MoveCount; ++i)
      if (game_.History[i].x != before.state.History[i].x ||
          game_.History[i].y != before.state.History[i].y ||
          game_.History[i].mark != before.state.History[i].mark)
        Fail("a move rewrote the History of earlier moves", g_events);
    const MoveRecord& r = game_.History[before.state.MoveCount + 1u];
    if (game_.Cell(x, y) != mark || r.x != x || r.y != y || r.mark != (mark == kO ? "O" : "X"))
      Fail("an accepted mark is not on the board or not recorded next", g_events);
  }

  // O has just won at the top level: the log gains that game, newest first, and keeps the rest.
  void ExpectLogEntry(const Snapshot& before, int x, int y) {
    std::string entry = "Logged at 3/14/2001 9:26:53 PM\r\n";
    auto line = [&](const std::string& mark, int cx, int cy) {
      entry += (mark == "O"   ? "Human at ("
                : mark == "X" ? "AIBot at ("
                              : "Empty at (") +
               std::to_string(cx) + "," + std::to_string(cy) + ").\r\n";
    };
    for (int i = 1; i <= before.state.MoveCount; ++i) {
      const MoveRecord& r = before.state.History[static_cast<std::size_t>(i)];
      line(r.mark, r.x, r.y);
    }
    line("O", x, y);
    expectedLog_ = entry + "\r\n" + expectedLog_;
    if (ReadFile(LogPath()) != expectedLog_)
      Fail("loss log entry missing, wrong or earlier entries lost", g_events);
  }

  void CheckNewMatch(std::optional<Flag> onePlayer) {
    if (onePlayer && game_.OnePlayer != *onePlayer) Fail("mode command did not set the mode", g_events);
    if (game_.Score[1] != 0 || game_.Score[2] != 0 || game_.MoveCount != 0 ||
        game_.Turn != (game_.OnePlayer ? kO : 0) || game_.AIPhase != 2)
      Fail("a new match did not start afresh", g_events);
  }

  void Mouse(float x, float y, std::int16_t button, std::int16_t shift) {
    const Snapshot before = Take();
    app_.picMain_MouseUp(button, shift, x, y);
    if (before.state.GameOver || !(x > 0 && y > 0)) {
      if (!SameAs(before))
        Fail("a release off the board or during a finished game changed the game", g_events);
      return;
    }
    // Beyond the right or bottom edge the treatment is open; the invariants still hold.
    if (x > kBoardSize || y > kBoardSize) return;
    CheckPlaced(before, ExpectedCell(x), ExpectedCell(y), kO);
  }

  void Key(std::int16_t code, std::int16_t shift, int via) {
    const Snapshot before = Take();
    if (via == 0)
      app_.HandleKey(code, shift);
    else if (via == 1)
      app_.picMain_KeyDown(code, shift);
    else
      app_.Form_KeyDown(code, shift);
    if (code == kF2) return CheckNewMatch(std::nullopt);
    if (code >= 97 && code <= 105 && (before.state.OnePlayer || before.state.GameOver)) {
      if (!SameAs(before)) Fail("a keypad digit acted in one-player mode", g_events);
      return;
    }
    for (const KeyCell& k : kKeyCells)
      if (code == k.keypad || code == k.navigation) return CheckPlaced(before, k.x, k.y, kX);
    if (!SameAs(before)) Fail("a key outside the map changed the game", g_events);
  }

  void Menu(MenuItem item) {
    const Snapshot before = Take();
    const std::int16_t level = game_.Difficulty;
    app_.OnMenu(item);
    switch (item) {
      case MenuItem::Exit:
        if (!toolkit_.closed) Fail("Exit did not close the window", g_events);
        if (!SameAs(before)) Fail("Exit changed the game", g_events);
        return;
      case MenuItem::OnePlayer: return CheckNewMatch(kTrue);
      case MenuItem::TwoPlayer: return CheckNewMatch(kFalse);
      case MenuItem::Restart:
        if (game_.Difficulty != level) Fail("Restart changed the level", g_events);
        return CheckNewMatch(before.state.OnePlayer);
      default:
        CheckNewMatch(before.state.OnePlayer);
        if (game_.Difficulty != static_cast<int>(item) - static_cast<int>(MenuItem::Easiest) + 1)
          Fail("a level item set another level", g_events);
        return;
    }
  }

  void Step(Reader& in) {
    switch (in.Byte() % 9) {
      case 0: {  // a release on or near the board, hitting the cell borders exactly
        const float x = static_cast<float>(in.Byte()) * 1.25f - 10.0f;
        const float y = static_cast<float>(in.Byte()) * 1.25f - 10.0f;
        return Mouse(x, y, 1, 0);
      }
      case 1: {  // any float at all, any button and modifiers
        const auto button = static_cast<std::int16_t>(in.U16());
        const auto shift = static_cast<std::int16_t>(in.U16());
        const float x = in.Float();
        return Mouse(x, in.Float(), button, shift);
      }
      case 2: {
        const float x = kSpecialPositions[in.Byte() % kSpecialCount];
        return Mouse(x, kSpecialPositions[in.Byte() % kSpecialCount], 2, 0);
      }
      case 3: {  // any of the 65,536 key codes with any shift state, through each of the three ways in
        const auto code = static_cast<std::int16_t>(in.U16());
        const auto shift = static_cast<std::int16_t>(in.U16());
        return Key(code, shift, in.Byte() % 3);
      }
      case 4: {  // one of the keys the board knows
        const std::uint8_t pick = in.Byte() % 19;
        const std::int16_t code = pick == 18 ? kF2
                                  : pick < 9 ? kKeyCells[pick].keypad
                                             : kKeyCells[pick - 9].navigation;
        return Key(code, static_cast<std::int16_t>(in.Byte()), 0);
      }
      case 5: return Menu(static_cast<MenuItem>(in.Byte() % kMenuItemCount));
      case 6: {
        const Snapshot before = Take();
        const std::uint8_t level = in.Byte();
        app_.SetDifficulty(level);
        CheckNewMatch(before.state.OnePlayer);
        if (game_.Difficulty != level) Fail("SetDifficulty did not set the level", g_events);
        return;
      }
      case 7:  // the wall clock the computer reseeds from, up to the moment before midnight
        clock_.SetSecondsSinceMidnight(static_cast<float>(in.U32() % 86400u) +
                                       (in.Byte() & 1 ? 0.999f : 0.0f));
        return;
      default: {  // whoever is due plays the chosen cell: drives games to their ends quickly
        const int cell = in.Byte() % 9;
        const int x = cell % 3, y = cell / 3;
        if (game_.Turn == kX) return Key(kKeyCells[cell].navigation, 0, 0);
        return Mouse(static_cast<float>(x * 100 + 50), static_cast<float>(y * 100 + 50), 1, 0);
      }
    }
  }

  void Check() {
    const auto fail = [](const char* what) { Fail(what, g_events); };
    const GameState& g = game_;
    if (g.GameOver) fail("GameOver is set between events");
    if (g.Turn > 2) fail("Turn is not 0, 1 or 2");
    if (g.OnePlayer != kTrue && g.OnePlayer != kFalse) fail("OnePlayer is not -1 or 0");
    if (g.Score[1] < 0 || g.Score[2] < 0) fail("a score is negative");
    if (g.AIPhase < 1 || g.AIPhase > 3 || g.LineRule > 3) fail("AIPhase or LineRule out of range");
    if (g.MoveCount > 8) fail("a ninth mark did not end the game");

    int marks = 0;
    for (std::uint8_t c : g.Board) {
      if (c > 2) fail("a cell holds no mark value");
      marks += c != kEmpty;
    }
    if (marks != g.MoveCount) fail("marks on the board differ from MoveCount");
    bool seen[9] = {};
    for (int i = 1; i <= 9; ++i) {
      const MoveRecord& r = g.History[static_cast<std::size_t>(i)];
      if (i > g.MoveCount) {
        if (r.x != 0 || r.y != 0 || r.mark != " ") fail("a History entry past MoveCount is not reset");
        continue;
      }
      if (r.x > 2 || r.y > 2) fail("a History entry lies off the board");
      const int cell = r.y * 3 + r.x;
      const std::uint8_t want = r.mark == "O" ? kO : r.mark == "X" ? kX : 0;
      if (seen[cell] || want == 0 || g.Board[static_cast<std::size_t>(cell)] != want)
        fail("History does not describe the marks on the board");
      seen[cell] = true;
      if (i > 1 && r.mark == g.History[static_cast<std::size_t>(i - 1)].mark)
        fail("History marks do not alternate");
    }
    if (g.MoveCount > 0 && g.Turn != (g.History[g.MoveCount].mark == "O" ? kX : kO))
      fail("Turn does not pass to the side that did not move last");
    for (const Line& line : kLines)
      if ((g.Board[line.cells[0]] & g.Board[line.cells[1]] & g.Board[line.cells[2]]) != 0)
        fail("a completed line is still on the board between events");

    char caption[64];
    std::snprintf(caption, sizeof caption, "Zandor [O:%d; X:%d]", g.Score[1], g.Score[2]);
    if (toolkit_.caption != caption) fail("the caption does not show the score");

    const bool one = toolkit_.IsChecked(kModeItems[0]), two = toolkit_.IsChecked(kModeItems[1]);
    if (one == two || one != (g.OnePlayer == kTrue)) fail("mode check marks disagree with OnePlayer");
    int levelsChecked = 0;
    for (int i = 0; i < 5; ++i) {
      if (!toolkit_.IsChecked(kLevelItems[i])) continue;
      ++levelsChecked;
      if (g.Difficulty != i + 1) fail("the checked level item is not Difficulty");
    }
    // A level outside 1 to 5 (only SetDifficulty can set one) shows no check mark at all.
    if (levelsChecked != (g.Difficulty >= 1 && g.Difficulty <= 5 ? 1 : 0))
      fail("not exactly one level checked");
    if (toolkit_.IsChecked(MenuItem::Restart) || toolkit_.IsChecked(MenuItem::Exit))
      fail("a command item is checked");

    const Image& board = toolkit_.board;
    if (board.width != kBoardSize || board.height != kBoardSize) fail("the board changed size");
    for (int cell = 0; cell < 9; ++cell) {
      const Image& want = Shared().cells[g.Board[static_cast<std::size_t>(cell)]][cell];
      const int left = (cell % 3) * 100, top = (cell / 3) * 100;
      for (int row = 0; row < 100; ++row)
        if (std::memcmp(&board.pixels[static_cast<std::size_t>(top + row) * kBoardSize + left],
                        &want.pixels[static_cast<std::size_t>(row) * 100], 100 * sizeof(std::uint32_t)) != 0)
          fail("the board's pixels are not the empty board with the marks' sprites");
    }
  }

  NullToolkit toolkit_{false};  // drawing is switched on with the shared artwork, made once
  ManualClock clock_;
  StdRandom random_{0};
  FixedDate date_;
  Game game_;
  App app_;
  std::string expectedLog_;
};

}  // namespace
}  // namespace zandor::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zandor::fuzz::Shared();
  std::atexit(zandor::fuzz::PrintTotals);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zandor::fuzz::Reader in(data, size);
  zandor::fuzz::Session session;
  session.Run(in);
  ++zandor::fuzz::g_inputs;
  return 0;
}
