// The computer's turn: think time, order of draws, the difficulty gate, the opening and the replies.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ai/computer.h"
#include "ai_support.h"
#include "ui/keys.h"

namespace zandor::test {
namespace {

struct GateCase {
  std::int16_t level;
  float draw;
  bool random;  // the gate turns the move into a random one
};

// O's corner opening is answered in the centre unless the gate fires; the random move is scripted
// onto the opposite corner, so the board tells which way the turn went.
TEST(DifficultyGate, ThresholdAtEveryLevelUsesTheSingleProductStrictly) {
  const std::vector<GateCase> cases = {
      {1, 0.2f, false},
      {1, std::nextafter(0.2f, 1.0f), true},
      {2, 0.4f, false},
      {2, std::nextafter(0.4f, 1.0f), true},
      // 0.6f * 5 is 3.00000012 in double precision, exactly 3 once rounded to single.
      {3, 0.6f, false},
      {3, std::nextafter(0.6f, 1.0f), true},
      {4, 0.8f, false},
      {4, std::nextafter(0.8f, 1.0f), true},
      {5, std::nextafter(1.0f, 0.0f), false},
      {1, 0.0f, false},
      {4, 0.99f, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("level " + std::to_string(c.level) + " draw " + std::to_string(c.draw));
    Rig rig;
    XToMove(rig, "O........", c.level, 2);
    rig.random.Push(0.5f, c.draw, 0.9f, 0.9f);
    ComputerMove(rig.game);
    EXPECT_EQ(BoardString(rig.game), c.random ? "O.......X" : "O...X....");
    EXPECT_EQ(rig.game.AIPhase, 3);
    EXPECT_EQ(rig.random.pending(), c.random ? 0u : 2u);
  }
}

TEST(DifficultyGate, FiresInTheOpeningPhaseToo) {
  Rig rig;
  XToMove(rig, ".........", 1, 1);
  rig.random.Push(0.0f, 0.5f, 0.5f, 0.5f);  // random move straight onto the centre
  ComputerMove(rig.game);
  EXPECT_EQ(BoardString(rig.game), "....X....");
  EXPECT_EQ(rig.game.AIPhase, 3);
}

struct OpeningCase {
  std::vector<float> draws;  // coordinate draws after the think time and the gate
  std::string board;
};

TEST(Opening, RedrawsTheCentreAndPlacesElsewhere) {
  const std::vector<OpeningCase> cases = {
      {{0.0f, 0.0f}, "X........"},
      {{0.25f, 0.75f}, "......X.."},  // halves round to even: 0.5 -> 0, 1.5 -> 2
      {{0.26f, 0.74f, 0.9f, 0.1f}, "..X......"},
      {{0.5f, 0.5f, 0.3f, 0.6f, 0.5f, 0.99f}, ".......X."},
      {{0.5f, 0.1f}, ".X......."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.board);
    Rig rig;
    XToMove(rig, ".........", 5, 1);
    rig.random.Push(0.0f, 0.0f);
    for (float d : c.draws) rig.random.Push(d);
    ComputerMove(rig.game);
    EXPECT_EQ(BoardString(rig.game), c.board);
    EXPECT_EQ(rig.random.pending(), 0u);  // every draw used, none more
    EXPECT_EQ(rig.game.Turn, kO);
    EXPECT_EQ(rig.game.AIPhase, 3);
  }
}

struct ReplyCase {
  std::string board;
  std::vector<float> draws;  // after the think time and the gate
  std::string expected;
};

TEST(Reply, FixedAnswerToOsFirstMark) {
  const float below = std::nextafter(0.25f, 0.0f);
  const std::vector<ReplyCase> cases = {
      {"O........", {}, "O...X...."},
      {"..O......", {}, "..O.X...."},
      {"......O..", {}, "....X.O.."},
      {"........O", {}, "....X...O"},
      {".O.......", {}, ".O.....X."},
      {"...O.....", {}, "...O.X..."},
      {".....O...", {}, "...X.O..."},
      {".......O.", {}, ".X.....O."},
      {"....O....", {0.0f}, "X...O...."},
      {"....O....", {below}, "X...O...."},
      {"....O....", {0.25f}, "....O.X.."},
      {"....O....", {std::nextafter(0.5f, 0.0f)}, "....O.X.."},
      {"....O....", {0.5f}, "..X.O...."},
      {"....O....", {std::nextafter(0.75f, 0.0f)}, "..X.O...."},
      {"....O....", {0.75f}, "....O...X"},
      {"....O....", {std::nextafter(1.0f, 0.0f)}, "....O...X"},
      // The first row that holds wins: a corner before an edge.
      {".O....O..", {}, ".O..X.O.."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.board);
    Rig rig;
    XToMove(rig, c.board, 5, 2);
    rig.random.Push(0.0f, 0.0f);
    for (float d : c.draws) rig.random.Push(d);
    ComputerMove(rig.game);
    EXPECT_EQ(BoardString(rig.game), c.expected);
    EXPECT_EQ(rig.random.draws(), 2 + static_cast<int>(c.draws.size()));
    EXPECT_EQ(rig.game.AIPhase, 3);
  }
}

TEST(Reply, NoOOnTheBoardPlacesNothingButEndsTheOpening) {
  Rig rig;
  XToMove(rig, ".........", 5, 2);
  ComputerMove(rig.game);
  EXPECT_EQ(BoardString(rig.game), ".........");
  EXPECT_EQ(rig.game.Turn, kX);
  EXPECT_EQ(rig.game.AIPhase, 3);
}

// One-player mode after a drawn game lets the keyboard place X first; the fixed reply then falls
// on that X, is refused, and the board waits for another X from the keyboard or a new match.
TEST(Reply, OntoATakenCellLeavesXToMove) {
  for (const bool restart : {false, true}) {
    SCOPED_TRACE(restart ? "new match" : "keyboard X");
    Rig rig;
    rig.Started();
    rig.app.mnuHardest_Click();
    SetBoard(rig.game, "XOXXOOOX.");
    rig.app.picMain_MouseUp(1, 0, 250, 250);  // O fills the board: a draw
    ASSERT_EQ(BoardString(rig.game), ".........");
    ASSERT_EQ(rig.game.Turn, 0);

    rig.app.HandleKey(keys::kClear, 0);  // X on the centre from the keyboard
    ASSERT_EQ(BoardString(rig.game), "....X....");
    rig.random.Push(0.5f, 0.0f);  // think time, gate
    rig.app.picMain_MouseUp(1, 0, 50, 50);
    EXPECT_EQ(BoardString(rig.game), "O...X....");
    EXPECT_EQ(rig.game.Turn, kX);
    EXPECT_EQ(rig.game.AIPhase, 3);
    const int draws = rig.random.draws();

    rig.app.picMain_MouseUp(1, 0, 250, 250);  // O cannot move
    EXPECT_EQ(BoardString(rig.game), "O...X....");
    EXPECT_EQ(rig.random.draws(), draws);  // nor is the computer called again

    if (restart) {
      rig.app.HandleKey(keys::kF2, 0);
      EXPECT_EQ(BoardString(rig.game), ".........");
      EXPECT_EQ(rig.game.Turn, kO);
    } else {
      rig.app.HandleKey(keys::kEnd, 0);
      EXPECT_EQ(BoardString(rig.game), "O...X.X..");
      EXPECT_EQ(rig.game.Turn, kO);
    }
  }
}

TEST(ThinkTime, BetweenThreeAndFiveTenthsOnTheClock) {
  for (const float r : {0.0f, 0.5f, std::nextafter(1.0f, 0.0f)}) {
    SCOPED_TRACE(r);
    Rig rig;
    XToMove(rig, "O........", 5, 2);
    rig.random.Push(r, 0.0f);
    const double before = rig.clock.Now();
    ComputerMove(rig.game);
    const double elapsed = rig.clock.Now() - before;
    EXPECT_NEAR(elapsed, 0.3 + static_cast<double>(r) / 5.0, 1e-9);
    EXPECT_GE(elapsed, 0.3);
    EXPECT_LT(elapsed, 0.5);
  }
}

struct OrderCase {
  std::string board;
  std::uint8_t phase;
  std::string events;  // d: a draw, r: a reseed
};

TEST(DrawOrder, ThinkDrawBeforeReseedAndOneReseedPerRandomMove) {
  const std::string playbook(50, 'd');
  const std::vector<OrderCase> cases = {
      // Nothing in the playbook fits, so the random move ends the chain.
      {"O...X....", 3, "drd" + playbook + "rdd"},
      {"O........", 2, "drd"},
      {"....O....", 2, "drdd"},
      {".........", 1,
       "drd"
       "dd"
       "dd"},                   // the first pair of coordinates lands on the centre
      {"XX.OO....", 3, "drd"},  // a line win needs no draws at all
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.board);
    NullToolkit toolkit(false);
    ManualClock clock;
    clock.SetSecondsSinceMidnight(43200.0f);
    ScriptedRandom script(0.9f);  // later coordinates land on the empty corner 8
    script.Push(0.0f, 0.0f, 0.5f, 0.5f);
    RecordingRandom recorder(script);
    Game game(toolkit, clock, recorder);
    SetBoard(game, c.board);
    game.OnePlayer = kTrue;
    game.Difficulty = 5;
    game.Turn = kX;
    game.AIPhase = c.phase;
    ComputerMove(game);
    EXPECT_EQ(recorder.events, c.events);
    // Reseeded from the clock after the 0.3 s think: seconds since midnight / 1000.
    for (float seed : recorder.seeds) EXPECT_NEAR(seed, 43.2003f, 2e-5f);
  }
}

TEST(RandomMoveTest, FullBoardIsLeftAloneWithoutDrawing) {
  Rig rig;
  XToMove(rig, "XOXXOOOXO");
  RandomMove(rig.game);
  EXPECT_EQ(BoardString(rig.game), "XOXXOOOXO");
  EXPECT_EQ(rig.random.draws(), 0);
  EXPECT_EQ(rig.random.reseeds(), 0);
}

TEST(RandomMoveTest, RedrawsUntilAnEmptyCell) {
  Rig rig;
  XToMove(rig, "XOXXO.OX.");
  rig.random.Push(0.0f, 0.0f, 0.5f, 0.5f, 0.9f, 0.5f);
  RandomMove(rig.game);
  EXPECT_EQ(BoardString(rig.game), "XOXXOXOX.");
  EXPECT_EQ(rig.random.pending(), 0u);
  EXPECT_EQ(rig.random.reseeds(), 1);
}

}  // namespace
}  // namespace zandor::test
