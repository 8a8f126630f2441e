// The computer's turn on scripted draws: every fixed reply, line rule and playbook rule, the gate, the think time,
// the opening and the random move; and the real random source's fractions and reseeds.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ai/computer.h"
#include "support.h"

namespace zandor::test {
namespace {

float Up(float r) { return std::nextafter(r, 2.0f); }  // the next draw above or below r
float Down(float r) { return std::nextafter(r, -1.0f); }

// One computer turn on exactly the think draw and `draws`: the board when it returns, or as held if the game ended.
struct AiRig {
  Recorder window{&game};
  ScriptedRandom random{std::nullopt};
  Game game{window, window, random};
  std::string Turn(const char* board, std::int16_t level, std::uint8_t phase, float think, const std::vector<float>& draws) {
    random.game = &game, window.midnight = 43200;
    SetBoard(game, board, kX), game.OnePlayer = kTrue, game.Difficulty = level, game.AIPhase = phase;
    random.queue.assign(1, think), random.queue.insert(random.queue.end(), draws.begin(), draws.end()), ComputerMove(game);
    EXPECT_TRUE(random.queue.empty()) << board << ": draws left over";
    return window.held.empty() ? BoardString(game) : window.held;
  }
};

// The fixed replies, the 24 line rules and the 50 playbook rules as the game's rules publish them, each on its
// own position at the top level; the think draw alternates between 0 and just below 1: 0.3 s and just under 0.5 s.
TEST(ComputerMove, EveryFixedReplyLineRuleAndPlaybookRule) {
  // Phase 2: O's first mark, the centre's draw (-1: none), X's cell (-1: no O, no move).
  const struct { const char* board; float r; int cell; } replies[] = {
      {"O........", -1, 4}, {"..O......", -1, 4}, {"......O..", -1, 4}, {"........O", -1, 4}, {".O.......", -1, 7},
      {"...O.....", -1, 5}, {".....O...", -1, 3}, {".......O.", -1, 1}, {".........", -1, -1},
      {"....O....", 0, 0}, {"....O....", Down(0.25f), 0}, {"....O....", 0.25f, 6}, {"....O....", Down(0.5f), 6},
      {"....O....", 0.5f, 2}, {"....O....", Down(0.75f), 2}, {"....O....", 0.75f, 8}, {"....O....", Down(1), 8}};
  // Line rules 1 to 24: a lone pair of X (a win) or of O (a block), then the cell that completes its line.
  const char* lines[] = {
      "XX.......2", "O.O......1", ".XX......0", "...OO....5", "...X.X...4", "....OO...3", "......XX.8", "......O.O7",
      ".......XX6", "O..O.....6", "...X..X..0", "O.....O..3", ".X..X....7", "....O..O.1", ".X.....X.4", "..O..O...8",
      ".....X..X2", "..O.....O5", "X...X....8", "....O...O0", "X.......X4", "....O.O..2", "..X.X....6", "..O...O..4"};
  // Playbook rules 1 to 50: the position the rule names (43 to 50: the earlier ones' cells taken), then targets A, B.
  const char* book[] = {
      "..X.O.O..08", "..O.O.X..08", "O...O...X62", "X...O...O62", "O....OX..88", "X....OO..22", ".O....O.X22",
      ".O....X.O00", "..OO....X66", "..XO....O00", "O.X....O.88", "X.O....O.66", "O...X...O73", "..O.X.O..51",
      ".O.O...X.00", ".O...O.X.22", ".O..O..X.86", ".O....OX.22", ".O.....XO00", ".O.O.X...00", "...O.X.O.66",
      "...OOX...06", "..OO.X...66", "...O.X..O00", ".X.O...O.66", ".X...O.O.88", ".X..O..O.86", "OX.....O.88",
      ".XO....O.66", ".O.X.O...22", "...X.O.O.88", "...XOO...28", "O..X.O...88", "...X.OO..22", "O...XO...12",
      "O...X..O.66", "..O.X..O.58", "..OOX....01", "....XOO..87", ".O..X.O..03", "...OX...O67", ".O..X...O25",
      "X.......O46", "O.....X..45", "...X.O...42", "..X...O..48", "..X..OO..40", ".O...XO..48", ".X...OO.X40",
      ".OXX....O46"};
  int row = 0;
  const auto check = [&row](const char* board, std::uint8_t phase, const std::vector<float>& draws, int cell) {
    AiRig rig;
    const float think = row++ % 2 ? Down(1) : 0;
    const std::string after = rig.Turn(board, 5, phase, think, draws);
    int placed = -1;
    for (int i = 0; i < 9; ++i) placed = after[i] == 'X' && board[i] != 'X' ? i : placed;
    EXPECT_EQ(placed, cell) << "phase " << int(phase) << " on " << board << ", last draw " << draws.back();
    const double thought = rig.window.now - (rig.window.held.empty() ? 0 : 1);
    EXPECT_TRUE(think ? thought > 0.4999999 && thought < 0.5 : thought == 0.3) << board << " thought " << thought;
    EXPECT_TRUE(phase == 3 || rig.game.AIPhase == 3) << board;
  };
  for (const auto& c : replies) check(c.board, 2, c.r < 0 ? std::vector<float>{0} : std::vector<float>{0, c.r}, c.cell);
  for (const std::string c : lines) check(c.substr(0, 9).c_str(), 3, {0}, c[9] - '0');
  for (const std::string c : book)
    for (float r : {Down(0.5f), 0.5f}) {  // the gate's 0, then one draw per rule, all 50 alike: below 0.5 takes A
      std::vector<float> draws(51, r);
      check(c.substr(0, 9).c_str(), 3, (draws[0] = 0, draws), c[r < 0.5f ? 9 : 10] - '0');
    }
}

// The gate, the opening, random moves, the order of the line rules and the playbook's draw per rule.
// After: the board when the turn returns, or as held if the move ended the game. Trace: d a draw, r a reseed.
TEST(ComputerMove, PlaysItsScriptOnTheDrawsItIsGiven) {
  const auto Book = [](std::vector<std::pair<int, float>> at, std::vector<float> tail = {}) {
    std::vector<float> draws(51, 0.0f);  // the gate's 0, the playbook's fifty (0 but the given rules'), then tail
    for (const auto& [rule, r] : at) draws[static_cast<std::size_t>(rule)] = r;
    return draws.insert(draws.end(), tail.begin(), tail.end()), draws;
  };
  const struct {
    const char* board; std::int16_t level; std::uint8_t phase; std::vector<float> draws; const char* after;
    std::uint8_t phaseAfter = 3; std::string trace{};
  } cases[] = {
      // The gate: random when r * 5, rounded to single precision, exceeds the level; its coordinates are twice a
      // draw rounded half to even: 0.3 and 0.8 give column 1, row 2.
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
      {"....O....", 5, 2, {0, 0.25f}, "....O.X..", 3, "drdd"},
      // Lines: win before block, the first line in table order, no draws needed.
      {"OO.XX....", 5, 3, {0}, "OO.XXX...", 2, "drd"},  // X's own row, though O's row comes first
      {"OXOXX...O", 5, 3, {0}, "OXOXXX..O", 2}, {"O.O.X.O.X", 5, 3, {0}, "OXO.X.O.X"},
      // The playbook: rule 1's target taken by the draw, rule 17's then, and neither, so a random move.
      {"XOX.O.OX.", 5, 3, Book({{1, 0.5f}}), "XOX.O.OXX"}, {"XOX.O.OX.", 5, 3, Book({{1, 0.1f}, {17, 0.1f}}), "XOX.O.OXX"},
      {"XOX.O.OX.", 5, 3, Book({{1, 0.1f}, {17, 0.9f}}, {0.1f, 0.5f}), "XOXXO.OX."},
      {"O...X....", 5, 3, Book({}, {0.9f, 0.9f}), "O...X...X", 3, "drd" + std::string(50, 'd') + "rdd"},
  };
  for (const auto& c : cases) {
    AiRig rig;
    EXPECT_EQ(rig.Turn(c.board, c.level, c.phase, 0.5f, c.draws), c.after) << c.board << " L" << c.level;
    EXPECT_EQ(rig.game.AIPhase, c.phaseAfter) << c.board;
    // Thought for 0.3 + 0.5 / 5 seconds on the clock, then reseeded from it: seconds since midnight / 1000.
    EXPECT_NEAR(rig.random.lastSeed, 43.2004f, 2e-5f) << c.board;
    EXPECT_TRUE(c.trace.empty() || rig.random.trace == c.trace) << c.board << " " << rig.random.trace;
  }
  AiRig rig;  // a random move that cannot land fails with the position instead of hanging
  EXPECT_THROW(rig.Turn("OXOXOXXO.", 1, 3, 0.5f, {0.9f, 0.0f, 0.0f}), std::runtime_error);
}

}  // namespace
}  // namespace zandor::test
