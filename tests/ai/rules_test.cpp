// The line rules and the playbook: which cell X takes, in which order, and what ends the run.
#include "ai/rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/computer.h"
#include "ai_support.h"

namespace zandor::test {
namespace {

struct LineCase {
  std::string name;
  std::string board;
  std::uint8_t lineRule;
  std::uint8_t turn;
  std::string expected;  // the board after the run, or as it stood when X's line was struck
};

TEST(LineRules, WhichPairIsCompleted) {
  const std::vector<LineCase> cases = {
      {"empty board", ".........", 2, kX, "........."},
      {"O to move", "XX.OO....", 1, kO, "XX.OO...."},
      {"either side to move", "XX.OO....", 2, 0, "XX.OO...."},
      {"playbook mode", "XX.OO....", 3, kX, "XX.OO...."},
      {"unknown mode", "XX.OO....", 0, kX, "XX.OO...."},
      {"own pair", "XX.......", 1, kX, "XXX......"},
      {"O pair ignored when winning", "...OO....", 1, kX, "...OO...."},
      {"O pair blocked", "...OO....", 2, kX, "...OOX..."},
      {"mixed pair", "XO.......", 2, kX, "XO......."},
      {"target taken", "XXO......", 1, kX, "XXO......"},
      // Two winning lines: row 1 (rule 4) comes before column 1 (rule 13).
      {"first winning line", "OXOXX...O", 1, kX, "OXOXXX..O"},
      // A fork on row 0 and column 0: row 0 is blocked, column 0 stays open.
      {"fork", "O.O.X.O.X", 1, kX, "O.O.X.O.X"},
      {"fork blocked once", "O.O.X.O.X", 2, kX, "OXO.X.O.X"},
      {"diagonal block", "O...O..X.", 2, kX, "O...O..XX"},
      {"own pair wins under blocking mode too", "X.O.X.O..", 2, kX, "X.O.X.O.X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StrikeRig rig;
    XToMove(rig.game, c.board);
    rig.game.OnePlayer = kFalse;  // no computer opening in the next game
    rig.game.LineRule = c.lineRule;
    rig.game.Turn = c.turn;
    PlayLines(rig.game);
    const bool won = !rig.toolkit.struck.empty();
    EXPECT_EQ(won ? rig.toolkit.struck : BoardString(rig.game), c.expected);
    // A win is scored and the next game is on the board before the run returns.
    EXPECT_EQ(rig.game.Score[2], won ? 1 : 0);
    if (won) {
      EXPECT_EQ(BoardString(rig.game), ".........");
    }
    EXPECT_EQ(rig.random.draws(), 0);
  }
}

// Every cell of every line is a target: X on the other two cells wins there, under either mode.
TEST(LineRules, EachLineCompletesOnEachOfItsCells) {
  for (const Line& line : kLines)
    for (int t = 0; t < 3; ++t)
      for (std::uint8_t mode : {1, 2}) {
        std::string board(9, '.');
        for (int i = 0; i < 3; ++i)
          if (i != t) board[line.cells[i]] = 'X';
        SCOPED_TRACE(board);
        Rig rig;
        XToMove(rig, board);
        rig.game.OnePlayer = kFalse;
        rig.game.LineRule = mode;
        rig.game.History = {};
        PlayLines(rig.game);
        EXPECT_EQ(rig.game.Score[2], 1);
        EXPECT_EQ(rig.game.MoveCount, 0);  // the next game has begun
      }
}

struct ChainCase {
  std::string name;
  std::string board;
  std::vector<float> draws;  // after the think time and the gate
  std::string expected;      // the board when the computer's turn returns
  std::uint8_t turn;
  std::int16_t xWins;
  int totalDraws;
};

// Whole computer turns at level 5 where the move ends the game inside the rule chain.
TEST(RuleChain, AMoveThatEndsTheGameStopsEveryLaterStage) {
  const std::vector<ChainCase> cases = {
      // The win takes rule 2 (row 0); every later rule, the playbook and the random move are
      // skipped on the new, empty board, which O opens.
      {"line win", "X.X.O.O..", {}, ".........", kO, 1, 2},
      // O's diagonal is blocked on the last cell: a draw, and nobody is due on the new board.
      {"block fills the board", ".XOOOXXXO", {}, ".........", 0, 0, 2},
      // Rule 24 fills the last cell; rules 43 to 50 would fit the new empty board but Turn is 0.
      {"playbook fills the board", ".XOOXXXOO", {}, ".........", 0, 0, 52},
      // The playbook places X and the game goes on: the remaining rules still draw, and fail.
      {"playbook move", "O...O...X", {}, "O...O.X.X", kO, 0, 52},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    XToMove(rig, c.board);
    rig.random.Push(0.0f, 0.0f);
    for (float d : c.draws) rig.random.Push(d);
    ComputerMove(rig.game);
    EXPECT_EQ(BoardString(rig.game), c.expected);
    EXPECT_EQ(rig.game.Turn, c.turn);
    EXPECT_EQ(rig.game.Score[2], c.xWins);
    EXPECT_EQ(rig.game.Score[1], 0);
    EXPECT_EQ(rig.random.draws(), c.totalDraws);
    EXPECT_EQ(rig.game.LineRule, 3);
  }
}

struct PatternCase {
  std::string name;
  std::string board;
  std::vector<float> draws;  // one per rule from rule 1; the rest are 0
  std::string expected;
};

std::vector<float> DrawsAt(std::initializer_list<std::pair<int, float>> at) {
  std::vector<float> draws(50, 0.0f);
  for (const auto& [rule, r] : at) draws[static_cast<std::size_t>(rule - 1)] = r;
  return draws;
}

TEST(Playbook, ChoiceOfTargetAndTheOddRules) {
  const std::vector<PatternCase> cases = {
      {"rule 13 A", "O...X...O", DrawsAt({{13, 0.4999f}}), "O...X..XO"},
      {"rule 13 B at one half", "O...X...O", DrawsAt({{13, 0.5f}}), "O..XX...O"},
      {"rule 15 either draw", ".O.O...X.", DrawsAt({{15, 0.9f}}), "XO.O...X."},
      // Rule 17 takes the corners beside X's own edge cell.
      {"rule 17 A", ".O..O..X.", DrawsAt({{17, 0.1f}}), ".O..O..XX"},
      {"rule 17 B", ".O..O..X.", DrawsAt({{17, 0.6f}}), ".O..O.XX."},
      // Rule 36 takes the corner 6 whatever the draw.
      {"rule 36 low", "O...X..O.", DrawsAt({{36, 0.1f}}), "O...X.XO."},
      {"rule 36 high", "O...X..O.", DrawsAt({{36, 0.9f}}), "O...X.XO."},
      {"rule 43 A", "X.......O", DrawsAt({{43, 0.2f}}), "X...X...O"},
      {"rule 43 B", "X.......O", DrawsAt({{43, 0.7f}}), "X.....X.O"},
      // Rule 43 fails on the X in 6; rule 44's B is the edge cell 5.
      {"rule 44 A", "O.....X..", DrawsAt({{44, 0.2f}}), "O...X.X.."},
      {"rule 44 B", "O.....X..", DrawsAt({{44, 0.5f}}), "O....XX.."},
      // Rule 1 matches; its chosen target 0 is taken, so it places nothing though 8 is free.
      {"rule 1 B", "XOX.O.OX.", DrawsAt({{1, 0.5f}}), "XOX.O.OXX"},
      {"rule 1 taken then 17 A", "XOX.O.OX.", DrawsAt({{1, 0.1f}, {17, 0.1f}}), "XOX.O.OXX"},
      // Rule 17 chooses its taken B, and rule 18's only target is taken: nothing moves.
      {"no rule places", "XOX.O.OX.", DrawsAt({{1, 0.1f}, {17, 0.9f}}), "XOX.O.OX."},
      {"centre taken", "O...X....", DrawsAt({}), "O...X...."},
      // A required-empty cell holding O, or a required O cell holding X, fails the rule.
      {"required empty held", "O..O....X", DrawsAt({}), "O..OX...X"},
      {"required O held by X", "X...O...X", DrawsAt({}), "X...O...X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    XToMove(rig, c.board);
    for (float d : c.draws) rig.random.Push(d);
    PlayPatterns(rig.game);
    EXPECT_EQ(BoardString(rig.game), c.expected);
    EXPECT_EQ(rig.random.pending(), 0u);  // all fifty draws, placed or not
    EXPECT_EQ(rig.game.Turn, c.expected == c.board ? kX : kO);
  }
}

// A perfect-play solver, independent of the rules: +1 X wins, 0 draw, -1 O wins, X to move.
int Solve(std::string& b, char toMove) {
  for (const Line& line : kLines) {
    const char a = b[line.cells[0]];
    if (a != '.' && a == b[line.cells[1]] && a == b[line.cells[2]]) return a == 'X' ? 1 : -1;
  }
  if (b.find('.') == std::string::npos) return 0;
  int best = toMove == 'X' ? -2 : 2;
  for (char& cell : b) {
    if (cell != '.') continue;
    cell = toMove;
    const int v = Solve(b, toMove == 'X' ? 'O' : 'X');
    cell = '.';
    best = toMove == 'X' ? std::max(best, v) : std::min(best, v);
  }
  return best;
}

// Each rule of two O and one X names replies that hold the draw in its bare position, and each
// of its targets is actually played there by the playbook, by one draw or the other.
TEST(Playbook, TargetsOfTheOpeningRulesHoldTheDraw) {
  for (std::size_t k = 0; k < 42; ++k) {
    const auto& p = rules::kPatterns[k];
    std::string board(9, '.');
    board[p.cell1] = ".OX"[p.content1];
    board[p.cell2] = ".OX"[p.content2];
    board[p.cell3] = ".OX"[p.content3];
    SCOPED_TRACE("rule " + std::to_string(k + 1) + " " + board);
    for (const float r : {0.25f, 0.75f}) {
      Rig rig;
      XToMove(rig, board);
      for (std::size_t i = 0; i < 50; ++i) rig.random.Push(i == k ? r : 0.75f);
      PlayPatterns(rig.game);
      const std::string after = BoardString(rig.game);
      const int cell = NewCell(board, after);
      ASSERT_GE(cell, 0) << "no placement";
      EXPECT_EQ(cell, r < 0.5f ? p.targetA : p.targetB);
      std::string next = after;
      EXPECT_EQ(Solve(next, 'O'), 0) << "X on " << cell << " loses";
    }
  }
}

}  // namespace
}  // namespace zandor::test
