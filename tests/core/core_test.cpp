// Placing marks, finishing games, scores, new games and the pause, driven through the real procedures.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "invariants.h"
#include "support.h"

namespace zandor::test {
namespace {

// Window and clock in one: writes down, in order, what the game asks of both.
struct Recorder final : Toolkit, Clock {
  std::string trace;
  double now = 0, wake = 1;  // wake < 1: sleeps come back early, as interrupted ones do
  void Add(const char* format, double a, double b, double c, double d, double e = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b, c, d, e);
    trace += text;
  }
  void BitBlt(int x, int y, int, int, int sx, int sy, RasterOp op) override {
    Add("blt%g,%g<%g,%g:%g ", x, y, sx, sy, static_cast<int>(op));
  }
  void Refresh() override { trace += "refresh "; }
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t c) override {
    Add("line%g,%g-%g,%g#%g ", x1, y1, x2, y2, c);
  }
  void SetCaption(const std::string& text) override { trace += text + " "; }
  void SetChecked(MenuItem, bool) override {}
  void CreateWindow() override {}
  void ShowWindow() override {}
  void FocusWindow() override {}
  void CloseAndExit() override {}
  std::string ProgramFolder() override { return "/x"; }
  double Now() override { return now; }
  void Sleep(double s) override {
    Add("sleep%g ", s, 0, 0, 0);
    now += s * wake + (wake < 1 ? 1e-3 : 0);
  }
  float SecondsSinceMidnight() override { return 0; }
};

// A mark's mask then its image, at its place in cell (x, y), then the refresh.
std::string Drawn(int x, int y, std::uint8_t mark) {
  const int left = x * 100 + 20, top = y * 100 + 18;
  const std::string at = "blt" + std::to_string(left) + "," + std::to_string(top);
  return mark == kO ? at + "<301,216:1 " + at + "<301,73:2 refresh " : at + "<301,144:1 " + at + "<301,0:2 refresh ";
}
// The one-second hold with the old caption still up, then the next game's caption and empty board.
std::string Next(const char* caption) { return std::string("sleep1 ") + caption + " blt0,0<0,0:0 refresh "; }

TEST(PlaceMark, RefusesOrDrawsStrikesHoldsAndSetsUpTheNextGameInOrder) {
  const struct {
    const char* board;
    std::uint8_t turn, x, y, mark;
    std::string trace;  // empty: refused, and nothing changes
  } cases[] = {
      {".........", kO, 1, 1, kO, Drawn(1, 1, kO) + "refresh "},
      {".........", kO, 1, 1, kX, ""},
      {"O........", kX, 1, 1, kO, ""},
      {".........", 0, 0, 2, kX, Drawn(0, 2, kX) + "refresh "},
      {"....X....", kO, 1, 1, kO, ""},
      {"O...X....", kX, 1, 1, kX, ""},
      {".........", 0, 3, 0, kO, ""},
      {".........", 0, 0, 3, kX, ""},
      {".........", 0, 255, 255, kX, ""},
      {".O.X.X.O.", kO, 1, 1, kO, Drawn(1, 1, kO) + "line150,10-150,290#255 refresh " + Next("Zandor [O:1; X:0]")},
      {"X..O.OX..", kO, 1, 1, kO, Drawn(1, 1, kO) + "line10,150-290,150#255 refresh " + Next("Zandor [O:1; X:0]")},
      {"OXOX.XO.O", kO, 1, 1, kO, Drawn(1, 1, kO) + "line280,280-20,20#255 refresh " + Next("Zandor [O:1; X:0]")},
      {"XO.O....X", kX, 1, 1, kX, Drawn(1, 1, kX) + "line280,280-20,20#255 refresh " + Next("Zandor [O:0; X:1]")},
      {"X.O..XO..", kO, 1, 1, kO, Drawn(1, 1, kO) + "line280,20-20,280#255 refresh " + Next("Zandor [O:1; X:0]")},
      {"OXOX.OXOX", kX, 1, 1, kX, Drawn(1, 1, kX) + Next("Zandor [O:0; X:0]") + "refresh "},
  };
  for (const auto& c : cases) {
    Recorder window;
    ScriptedRandom random;
    Game game(window, window, random);
    game.AIPhase = 2;
    SetBoard(game, c.board, c.turn);
    game.PlaceMark(c.x, c.y, c.mark);
    EXPECT_EQ(window.trace, c.trace) << c.board << " " << int(c.x) << "," << int(c.y);
    if (c.trace.empty()) {
      EXPECT_EQ(BoardString(game), c.board);
    }
    EXPECT_EQ(Broken(game), "") << c.board;
  }
}

// Who scores, who opens next and in which phase, by mode, with the count held at its 16-bit top; and
// only O's win over the top level in one-player mode goes to the loss log.
TEST(EndGame, ScoresTheWinnerAndTheLoserOpensTheNextGame) {
  const struct {
    const char* board;  // the last mark goes to cell 8
    std::uint8_t mark;
    bool onePlayer;
    std::int16_t scoreBefore, scoreO, scoreX;
    std::uint8_t turn, phase;
    std::int16_t level = 5;
    bool logged = false;
  } cases[] = {
      {"OXXXOOOX.", kO, false, 0, 1, 0, kX, 2},  // ninth mark completes the diagonal: a win, not a draw
      {"XOXXOOOX.", kO, false, 0, 0, 0, 0, 2},   // ninth mark completes nothing: a draw, either side next
      {"OOXOOXXX.", kX, false, 7, 7, 8, kO, 2},  // a row and a column at once: one win
      {"XXO..OX..", kO, false, 32766, 32767, 32766, kX, 2},
      {"XXO..OX..", kO, false, 32767, 32767, 32767, kX, 2},
      {"OOX..XO..", kX, false, 32767, 32767, 32767, kO, 2},
      {"XOXXOOOX.", kO, true, 0, 0, 0, 0, 2},
      {"OOXOOXXX.", kX, true, 0, 0, 1, kO, 2},
      {"O.X.O.X..", kO, true, 0, 1, 0, kO, 3, 5, true},  // and the computer opens the next game at once
      {"O.X.O.X..", kO, true, 0, 1, 0, kO, 3, 4},
  };
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zandor-endgame-" + std::to_string(std::random_device()()));
  for (const auto& c : cases) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    Rig rig;
    rig.game.AppFolder = folder.string() + "/";
    rig.game.OnePlayer = c.onePlayer ? kTrue : kFalse;
    rig.game.Difficulty = c.level;
    rig.game.Score = {0, c.scoreBefore, c.scoreBefore};
    SetBoard(rig.game, c.board, c.mark);
    rig.game.PlaceMark(2, 2, c.mark);
    EXPECT_EQ(rig.game.Score[1], c.scoreO) << c.board;
    EXPECT_EQ(rig.game.Score[2], c.scoreX) << c.board;
    EXPECT_EQ(rig.game.Turn, c.turn) << c.board;
    EXPECT_EQ(rig.game.AIPhase, c.phase) << c.board;
    EXPECT_EQ(rig.toolkit.caption, CaptionFor(c.scoreO, c.scoreX));
    EXPECT_EQ(std::filesystem::exists(folder / "AILog.txt"), c.logged) << c.board;
    EXPECT_EQ(Broken(rig.game), "") << c.board;
  }
  std::filesystem::remove_all(folder);
}

// Fault guarded: a test clock whose step fell below the resolution of its time never moved and
// Pause spun forever. And a sleep that wakes early must not end the pause early.
TEST(Pause, EndsOnceTheTimeHasPassedAndNeverSpins) {
  const struct {
    double start, seconds;
  } cases[] = {{1000.0, 1.0}, {1001.3, 0.3 + 0.9999999f / 5.0f}, {1e9 + 0.1, 0.4}, {1000.0, 1e-300},
               {7.0, 0.49999997}, {5.0, 0.0}, {5.0, -1.0}};
  for (const auto& c : cases) {
    Rig rig;
    rig.clock.Advance(c.start - rig.clock.Now());
    rig.game.Pause(c.seconds);
    EXPECT_GE(rig.clock.Now() - c.start, c.seconds) << c.start;
    EXPECT_LE(rig.clock.sleeps(), c.seconds > 0 ? 2 : 0) << "sleeps, never spins";
  }
  Recorder early;
  early.wake = 0.6;
  ScriptedRandom random;
  Game(early, early, random).Pause(1);
  EXPECT_GE(early.now, 1.0);
}

// Every complete two-player game through PlaceMark against the published totals, with the
// invariants holding after every mark.
struct Totals {
  long games = 0, firstWins = 0, secondWins = 0, draws = 0;
};
void Explore(Game& game, std::uint8_t first, Totals& t) {
  const GameState saved = game;
  for (std::uint8_t cell = 0; cell < 9; ++cell) {
    if (game.Board[cell] != kEmpty) continue;
    game.PlaceMark(cell % 3, cell / 3, game.Turn == 0 ? first : game.Turn);
    ASSERT_EQ(Broken(game), "") << BoardString(saved) << " + " << int(cell);
    if (game.MoveCount > 0) {
      Explore(game, first, t);
    } else {
      ++t.games;
      t.firstWins += game.Score[first] > saved.Score[first];
      t.secondWins += game.Score[3 - first] > saved.Score[3 - first];
      t.draws += game.Turn == 0;
    }
    static_cast<GameState&>(game) = saved;
  }
}

TEST(Exhaustive, EveryTwoPlayerGameMatchesThePublishedTotals) {
  for (std::uint8_t first : {kO, kX}) {
    Rig rig;
    rig.Started();
    rig.app.mnu2Ply_Click();
    Totals t;
    Explore(rig.game, first, t);
    EXPECT_EQ(t.games, 255168);
    EXPECT_EQ(t.firstWins, 131184);
    EXPECT_EQ(t.secondWins, 77904);
    EXPECT_EQ(t.draws, 46080);
    EXPECT_EQ(rig.clock.slept(), 255168.0) << "one second's hold per finished game";
  }
}

}  // namespace
}  // namespace zandor::test
