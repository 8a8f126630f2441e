// Placing marks, ending games, scoring and new games, driven headless through the real procedures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support.h"

namespace zandor::test {
namespace {

// Two-player rig: no computer, so every mark is placed by the test.
struct TwoPlayer : Rig {
  TwoPlayer() {
    Started();
    app.mnu2Ply_Click();
  }
};

// A toolkit that records what the game asked of the window, in order, with the score at each step.
class Recorder final : public Toolkit {
 public:
  std::vector<std::string> events;
  void BitBlt(int x, int y, int, int, int srcX, int srcY, RasterOp op) override {
    events.push_back("blt " + std::to_string(x) + "," + std::to_string(y) + " from " + std::to_string(srcX) +
                     "," + std::to_string(srcY) + " op" + std::to_string(static_cast<int>(op)));
  }
  void Refresh() override { events.push_back("refresh"); }
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t c) override {
    events.push_back("line " + std::to_string(int(x1)) + "," + std::to_string(int(y1)) + "-" +
                     std::to_string(int(x2)) + "," + std::to_string(int(y2)) + " c" + std::to_string(c));
  }
  void SetCaption(const std::string& text) override { events.push_back("caption " + text); }
  void SetChecked(MenuItem, bool) override {}
  void CreateWindow() override {}
  void ShowWindow() override {}
  void FocusWindow() override {}
  void CloseAndExit() override {}
  std::string ProgramFolder() override { return "/x"; }
};

TEST(PlaceMark, RefusesMarksOutOfTurnAndOnTakenCells) {
  struct Case {
    const char* name;
    const char* board;
    std::uint8_t turn, x, y, mark;
    bool accepted;
  };
  const Case cases[] = {
      {"O on O's turn", ".........", 1, 1, 1, kO, true},
      {"X on O's turn", ".........", 1, 1, 1, kX, false},
      {"O on X's turn", "O........", 2, 1, 1, kO, false},
      {"X on X's turn", "O........", 2, 1, 1, kX, true},
      {"O when either may", ".........", 0, 0, 0, kO, true},
      {"X when either may", ".........", 0, 2, 2, kX, true},
      {"O onto an O", "....O....", 1, 1, 1, kO, false},
      {"O onto an X", "....X....", 1, 1, 1, kO, false},
      {"X onto an O", "O...X...O", 2, 0, 0, kX, false},
      {"column past the board", ".........", 0, 3, 0, kO, false},
      {"row far past the board", ".........", 0, 0, 200, kX, false},
  };
  for (const Case& c : cases) {
    TwoPlayer rig;
    SetBoard(rig.game, c.board);
    rig.game.Turn = c.turn;
    const std::string before = BoardString(rig.game);
    const int moves = rig.game.MoveCount;
    const int refreshes = rig.toolkit.refreshes;
    rig.game.PlaceMark(c.x, c.y, c.mark);
    if (c.accepted) {
      EXPECT_EQ(rig.game.Cell(c.x, c.y), c.mark) << c.name;
      EXPECT_EQ(rig.game.Turn, c.mark == kO ? kX : kO) << c.name;
      EXPECT_EQ(rig.game.MoveCount, moves + 1) << c.name;
    } else {
      EXPECT_EQ(BoardString(rig.game), before) << c.name;
      EXPECT_EQ(rig.game.Turn, c.turn) << c.name;
      EXPECT_EQ(rig.game.MoveCount, moves) << c.name;
      EXPECT_EQ(rig.toolkit.refreshes, refreshes) << c.name << ": a refused mark draws nothing";
    }
  }
}

TEST(PlaceMark, DrawsMaskThenImageAndRefreshesBeforeAnythingElse) {
  Recorder window;
  ManualClock clock;
  ScriptedRandom random;
  Game game(window, clock, random);
  game.NewMatch();  // two-player: OnePlayer is false
  window.events.clear();
  game.PlaceMark(2, 1, kO);
  game.PlaceMark(0, 2, kX);
  const std::vector<std::string> expected = {
      "blt 220,118 from 301,216 op1", "blt 220,118 from 301,73 op2", "refresh", "refresh",
      "blt 20,218 from 301,144 op1",  "blt 20,218 from 301,0 op2",   "refresh", "refresh",
  };
  EXPECT_EQ(window.events, expected);
}

TEST(CheckLines, StrikesOnlyTheFirstCompletedLineInOrder) {
  struct Case {
    const char* name;
    const char* before;  // the last mark goes to `cell`
    int cell;
    std::uint8_t mark;
    const char* strike;
  };
  const Case cases[] = {
      {"X completes top row and left column", ".XXX..X..", 0, kX, "line 10,50-290,50 c255"},
      {"O completes both diagonals", "O.O...O.O", 4, kO, "line 280,280-20,20 c255"},
      {"O completes middle column", ".O.....O.", 4, kO, "line 150,10-150,290 c255"},
      {"X completes bottom row and right column", "..X..XXX.", 8, kX, "line 10,250-290,250 c255"},
      {"anti-diagonal alone", "..X...X..", 4, kX, "line 280,20-20,280 c255"},
  };
  for (const Case& c : cases) {
    Recorder window;
    ManualClock clock;
    ScriptedRandom random;
    Game game(window, clock, random);
    game.NewMatch();
    SetBoard(game, c.before);
    game.Turn = c.mark;
    window.events.clear();
    game.PlaceMark(static_cast<std::uint8_t>(c.cell % 3), static_cast<std::uint8_t>(c.cell / 3), c.mark);
    std::vector<std::string> lines;
    for (const auto& e : window.events)
      if (e.rfind("line", 0) == 0) lines.push_back(e);
    ASSERT_EQ(lines.size(), 1u) << c.name;
    EXPECT_EQ(lines[0], c.strike) << c.name;
    EXPECT_EQ(game.Score[c.mark], 1) << c.name << ": counted once";
    EXPECT_EQ(game.Score[3 - c.mark], 0) << c.name;
  }
}

// Winning marks and ninth marks: who scores, who opens the next game, and what the hold shows.
TEST(EndGame, AFinishScoresTheWinnerAndTheLoserOpensTheNextGame) {
  struct Case {
    const char* name;
    const char* before;
    int cell;
    std::uint8_t mark;
    bool win;
  };
  const Case cases[] = {
      {"O wins the top row: X opens next", "OO.XX....", 2, kO, true},
      {"X wins the top row: O opens next", "XX.OO.O..", 2, kX, true},
      {"O's ninth mark completes no line: a draw", "XOXXOOOX.", 8, kO, false},
      {"X's ninth mark completes no line: a draw", "OOXXXOOX.", 8, kX, false},
      {"O's ninth mark completes the main diagonal: a win", "OXXXOOOX.", 8, kO, true},
      {"X's ninth mark completes a column and a row: one win", "OOXOOXXX.", 8, kX, true},
  };
  for (const Case& c : cases) {
    TwoPlayer rig;
    SetBoard(rig.game, c.before);
    rig.game.Turn = c.mark;
    rig.game.PlaceMark(static_cast<std::uint8_t>(c.cell % 3), static_cast<std::uint8_t>(c.cell / 3), c.mark);
    const int won = c.win ? 1 : 0;
    EXPECT_EQ(rig.game.Score[c.mark], won) << c.name;
    EXPECT_EQ(rig.game.Score[3 - c.mark], 0) << c.name;
    EXPECT_EQ(rig.game.Turn, c.win ? 3 - c.mark : 0) << c.name << ": the loser opens, nobody after a draw";
    EXPECT_EQ(rig.toolkit.caption, CaptionFor(rig.game.Score[1], rig.game.Score[2])) << c.name;
    EXPECT_EQ(rig.toolkit.lines, won) << c.name << ": a strike line only for a win";
    EXPECT_DOUBLE_EQ(rig.clock.slept(), 1.0) << c.name << ": the finished board is held one second";
    EXPECT_EQ(BoardString(rig.game), ".........") << c.name << ": the next game is set up";
    EXPECT_EQ(rig.game.MoveCount, 0) << c.name;
    EXPECT_EQ(rig.game.GameOver, kFalse) << c.name;
    EXPECT_EQ(rig.game.AIPhase, 2) << c.name << ": two-player mode never hands the opening to the computer";
  }
}

TEST(EndGame, CaptionKeepsTheOldScoreDuringTheHold) {
  // The caption is rewritten only when the next game starts, after the pause.
  struct Probe final : Clock {
    NullToolkit* toolkit = nullptr;
    std::string captionDuringPause;
    double now = 0;
    double Now() override { return now; }
    void Sleep(double s) override {
      captionDuringPause = toolkit->caption;
      now += s;
    }
    float SecondsSinceMidnight() override { return 0; }
  } clock;
  NullToolkit toolkit(false);
  clock.toolkit = &toolkit;
  ScriptedRandom random;
  Game game(toolkit, clock, random);
  game.NewMatch();
  SetBoard(game, "OO.XX....");
  game.Turn = kO;
  game.PlaceMark(2, 0, kO);
  EXPECT_EQ(clock.captionDuringPause, "Zandor [O:0; X:0]");
  EXPECT_EQ(toolkit.caption, "Zandor [O:1; X:0]");
}

TEST(EndGame, ScoreStopsAtTheLargestCount) {
  // Regression: a win past 32767 wrapped the count negative and the caption showed a minus sign.
  struct Case {
    std::int16_t start;
    std::int16_t after;
  };
  for (const Case c : {Case{32766, 32767}, Case{32767, 32767}, Case{0, 1}}) {
    for (std::uint8_t winner : {kO, kX}) {
      TwoPlayer rig;
      rig.game.Score[winner] = c.start;
      SetBoard(rig.game, winner == kO ? "OO.XX...." : "XX.OO.O..");
      rig.game.Turn = winner;
      rig.game.PlaceMark(2, 0, winner);
      EXPECT_EQ(rig.game.Score[winner], c.after);
      EXPECT_EQ(rig.toolkit.caption, winner == kO ? CaptionFor(c.after, 0) : CaptionFor(0, c.after));
    }
  }
}

TEST(Caption, ShowsBothCountsWithoutPaddingOrSign) {
  struct Case {
    std::int16_t o, x;
    const char* text;
  };
  for (const Case& c : {Case{0, 0, "Zandor [O:0; X:0]"}, Case{3, 2, "Zandor [O:3; X:2]"},
                        Case{32767, 10, "Zandor [O:32767; X:10]"}}) {
    TwoPlayer rig;
    rig.game.Score[1] = c.o;
    rig.game.Score[2] = c.x;
    rig.game.UpdateCaption();
    EXPECT_EQ(rig.toolkit.caption, c.text);
  }
}

TEST(History, RecordsEveryMarkInOrderAndNewGameResetsIt) {
  TwoPlayer rig;
  const std::uint8_t moves[][3] = {{1, 1, kX}, {0, 0, kO}, {2, 0, kX}, {0, 2, kO}};
  for (const auto& m : moves) rig.game.PlaceMark(m[0], m[1], m[2]);
  ASSERT_EQ(rig.game.MoveCount, 4);
  for (int i = 1; i <= 4; ++i) {
    const MoveRecord& r = rig.game.History[i];
    EXPECT_EQ(r.x, moves[i - 1][0]);
    EXPECT_EQ(r.y, moves[i - 1][1]);
    EXPECT_EQ(r.mark, moves[i - 1][2] == kO ? "O" : "X");
  }
  for (int i = 5; i <= 9; ++i) EXPECT_EQ(rig.game.History[i].mark, " ");
  rig.game.NewGame();
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(rig.game.History[i].x, 0);
    EXPECT_EQ(rig.game.History[i].y, 0);
    EXPECT_EQ(rig.game.History[i].mark, " ");
  }
}

TEST(NewGame, OpeningFollowsHowTheLastGameEnded) {
  struct Case {
    const char* name;
    bool onePlayer;
    std::uint8_t turn;
    std::uint8_t phase;
  };
  const Case cases[] = {
      {"one-player, after O's win", true, kX, 1},  {"one-player, after X's win", true, kO, 2},
      {"one-player, after a draw", true, 0, 2},    {"two-player, after O's win", false, kX, 2},
      {"two-player, after X's win", false, kO, 2}, {"two-player, after a draw", false, 0, 2},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.game.OnePlayer = c.onePlayer ? kTrue : kFalse;
    rig.game.Turn = c.turn;
    rig.game.NewGame();
    EXPECT_EQ(rig.game.AIPhase, c.phase) << c.name;
    EXPECT_EQ(rig.game.Turn, c.turn) << c.name << ": NewGame leaves the turn alone";
  }
}

TEST(Pause, SleepsOnTheMonotonicClockUntilTheTimeHasPassed) {
  // A clock whose sleeps come back early, and whose wall clock jumps backwards on every read.
  struct Sleepy final : Clock {
    double now = 500;
    int sleeps = 0;
    float wall = 86399.9f;
    double Now() override { return now; }
    void Sleep(double s) override {
      ++sleeps;
      now += s * 0.6 + 0.001;  // wakes early, as an interrupted sleep does
    }
    float SecondsSinceMidnight() override { return wall -= 3600; }
  };
  struct Case {
    double seconds;
    bool waits;
  };
  for (const Case c :
       {Case{0, false}, Case{-1, false}, Case{-1e300, false}, Case{0.3, true}, Case{1, true}}) {
    Sleepy clock;
    NullToolkit toolkit(false);
    ScriptedRandom random;
    Game game(toolkit, clock, random);
    game.Pause(c.seconds);
    if (!c.waits) {
      EXPECT_EQ(clock.sleeps, 0) << c.seconds;
      continue;
    }
    EXPECT_GE(clock.now - 500, c.seconds) << "never returns early";
    EXPECT_LE(clock.sleeps, 40) << "sleeps rather than spinning";
  }
}

TEST(Pause, RealClockWaitsAtLeastTheRequestedTime) {
  SystemClock clock;
  NullToolkit toolkit(false);
  ScriptedRandom random;
  Game game(toolkit, clock, random);
  const double start = clock.Now();
  game.Pause(0.05);
  EXPECT_GE(clock.Now() - start, 0.05);
}

}  // namespace
}  // namespace zandor::test
