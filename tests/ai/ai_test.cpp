// The computer's turn on scripted draws, its real random source, and a search showing the top level never loses.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ai/computer.h"
#include "support.h"

namespace zandor::test {
namespace {

// A game over a recording window and clock (which keeps the board held after a finished game) and scripted draws.
struct AiRig {
  Recorder window{&game};
  ScriptedRandom random;
  Game game{window, window, random};
};

float Up(float r) { return std::nextafter(r, 2.0f); }  // the next draw above or below r
float Down(float r) { return std::nextafter(r, -1.0f); }

// The gate draw 0, the playbook's fifty draws (all 0 but the given rules'), then `tail`.
std::vector<float> Book(std::vector<std::pair<int, float>> at, std::vector<float> tail = {}) {
  std::vector<float> draws(51, 0.0f);
  for (const auto& [rule, r] : at) draws[static_cast<std::size_t>(rule)] = r;
  draws.insert(draws.end(), tail.begin(), tail.end());
  return draws;
}

// Draws after the think-time draw: the gate, then the move's. After: the board when the turn returns, or as
// held if the move ended the game. Trace: d a draw, r a reseed; empty: not checked.
struct TurnCase {
  const char* board; std::int16_t level; std::uint8_t phase; std::vector<float> draws; const char* after;
  std::uint8_t phaseAfter = 3; std::string trace{};
};

TEST(ComputerMove, PlaysItsScriptOnTheDrawsItIsGiven) {
  const std::string book(50, 'd');
  const TurnCase cases[] = {
      // The gate: random when r * 5, rounded to single precision, exceeds the level.
      // Its coordinates are twice a draw rounded half to even: 0.3 and 0.8 give column 1, row 2.
      {"O........", 1, 2, {0.2f}, "O...X...."}, {"O........", 1, 2, {Up(0.2f), 0.3f, 0.8f}, "O......X."},
      // 0.6f * 5 and 0.8f * 5 are above 3 and 4 in double precision, exactly 3 and 4 in single.
      {"O........", 3, 2, {0.6f}, "O...X...."}, {"O........", 3, 2, {Up(0.6f), 0.7f, 0.2f}, "OX......."},
      {"O........", 4, 2, {0.8f}, "O...X...."}, {"O........", 4, 2, {Up(0.8f), 0.9f, 0.9f}, "O.......X"},
      {"O........", 5, 2, {Down(1.0f)}, "O...X...."}, {".........", 1, 1, {0.5f, 0.5f, 0.5f}, "....X...."},
      {"XOX.O.OX.", 1, 3, {0.9f, 0.0f, 0.0f, 0.5f, 0.5f, 0.1f, 0.5f}, "XOXXO.OX."},  // redraws taken cells
      // A random move that ends the game leaves the next game the phase its set-up chose.
      {"XX.OO....", 1, 3, {0.9f, 0.9f, 0.1f}, "XXXOO....", 2, "drdrdd"},
      // The opening: any cell but the centre, halves rounding to even.
      {".........", 5, 1, {0, 0.0f, 0.0f}, "X........"}, {".........", 5, 1, {0, 0.25f, 0.75f}, "......X.."},
      {".........", 5, 1, {0, 0.5f, 0.5f, 0.9f, 0.1f}, "..X......", 3, "drddddd"},
      // The fixed reply to O's first mark.
      {"........O", 5, 2, {0}, "....X...O"}, {".O.......", 5, 2, {0}, ".O.....X."},
      {"....O....", 5, 2, {0, Down(0.25f)}, "X...O....", 3, "drdd"}, {"....O....", 5, 2, {0, 0.25f}, "....O.X.."},
      {"....O....", 5, 2, {0, Down(0.75f)}, "..X.O...."}, {"....O....", 5, 2, {0, 0.75f}, "....O...X"},
      // Lines: win before block, the first line in table order, no draws needed.
      {"OO.XX....", 5, 3, {0}, "OO.XXX...", 2, "drd"},  // X's own row, though O's row comes first
      {"OXOXX...O", 5, 3, {0}, "OXOXXX..O", 2}, {"X.O.X.O..", 5, 3, {0}, "X.O.X.O.X", 2},
      {"O.O.X.O.X", 5, 3, {0}, "OXO.X.O.X"}, {"O...O..X.", 5, 3, {0}, "O...O..XX"},
      // The playbook: one draw per rule, placed or not; below one half takes target A.
      {"O...X...O", 5, 3, Book({{13, 0.4999f}}), "O...X..XO"}, {"O...X...O", 5, 3, Book({{13, 0.5f}}), "O..XX...O"},
      {"..X..OO..", 5, 3, Book({{47, 0.2f}}), "..X.XOO.."}, {"..X..OO..", 5, 3, Book({{47, 0.7f}}), "X.X..OO.."},
      {"XOX.O.OX.", 5, 3, Book({{1, 0.5f}}), "XOX.O.OXX"}, {"XOX.O.OX.", 5, 3, Book({{1, 0.1f}, {17, 0.1f}}), "XOX.O.OXX"},
      {"XOX.O.OX.", 5, 3, Book({{1, 0.1f}, {17, 0.9f}}, {0.1f, 0.5f}), "XOXXO.OX."},  // then a random move
      {"O...X....", 5, 3, Book({}, {0.9f, 0.9f}), "O...X...X", 3, "drd" + book + "rdd"},
  };
  for (const TurnCase& c : cases) {
    AiRig rig;
    rig.window.midnight = 43200;
    XToMove(rig.game, c.board, c.level, c.phase);
    rig.random.Push(0.5f);
    for (float d : c.draws) rig.random.Push(d);
    ComputerMove(rig.game);
    EXPECT_EQ(rig.window.held.empty() ? BoardString(rig.game) : rig.window.held, c.after) << c.board << " L" << c.level;
    EXPECT_EQ(rig.random.draws(), 1 + static_cast<int>(c.draws.size())) << c.board << " draws";
    EXPECT_EQ(rig.game.AIPhase, c.phaseAfter) << c.board;
    // Thought for 0.3 + 0.5 / 5 seconds on the clock, then reseeded from it: seconds since midnight / 1000.
    EXPECT_NEAR(rig.window.now - (rig.window.held.empty() ? 0 : 1), 0.4, 1e-9) << c.board;
    EXPECT_NEAR(rig.random.lastSeed, 43.2004f, 2e-5f) << c.board;
    EXPECT_TRUE(c.trace.empty() || rig.random.trace == c.trace) << c.board << " " << rig.random.trace;
  }
}

// The real source: exact 24-bit fractions below one, spread over the whole range, and reseeds that mix
// instead of replay.
TEST(StdRandom, DrawsExactFractionsBelowOneAndReseedsMix) {
  StdRandom a(1), b(2), random(31);
  a.Reseed(43.2f), b.Reseed(43.2f);
  EXPECT_NE(a.Next(), b.Next()) << "a reseed mixes into the state";
  float low = 1, high = 0;
  for (int i = 0; i < 40000; ++i) {
    const float r = random.Next();
    ASSERT_TRUE(r >= 0 && r < 1 && std::ldexp(r, 24) == std::floor(std::ldexp(r, 24))) << r;
    low = std::min(low, r), high = std::max(high, r);
  }
  EXPECT_TRUE(low < 0.001f && high > 0.999f) << low << " to " << high;
}

}  // namespace
}  // namespace zandor::test
