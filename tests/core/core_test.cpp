// Placing marks, finishing games, scores, new games and the pause, driven through the real procedures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "invariants.h"
#include "log/loss_log.h"
#include "support.h"

namespace zandor::test {
namespace {

std::string Drawn(int x, int y, std::uint8_t mark) {
  const std::string at = "blt " + std::to_string(x * 100 + 20) + "," + std::to_string(y * 100 + 18) + ",301,";
  return mark == kO ? at + "216,1 " + at + "73,2 refresh " : at + "144,1 " + at + "0,2 refresh ";
}
// The one-second hold with the old caption still up, then the next game's caption and empty board.
std::string Next(const char* caption) { return std::string("sleep 1 ") + caption + " blt 0,0,0,0,0 refresh "; }

TEST(PlaceMark, RefusesOrDrawsStrikesHoldsAndSetsUpTheNextGameInOrder) {
  const struct { const char* board; std::uint8_t turn, x, y, mark; std::string trace; } cases[] = {  // trace "": refused
      {".........", kO, 1, 1, kO, Drawn(1, 1, kO) + "refresh "},
      {".........", 0, 0, 2, kX, Drawn(0, 2, kX) + "refresh "},
      {".........", kO, 1, 1, kX, ""}, {"O........", kX, 1, 1, kO, ""}, {"....X....", kO, 1, 1, kO, ""},
      {"O...X....", kX, 1, 1, kX, ""}, {".........", 0, 3, 0, kO, ""}, {".........", 0, 0, 3, kX, ""},
      {".O.X.X.O.", kO, 1, 1, kO, Drawn(1, 1, kO) + "line 150,10,150,290,255 refresh " + Next("Zandor [O:1; X:0]")},
      {"X..O.OX..", kO, 1, 1, kO, Drawn(1, 1, kO) + "line 10,150,290,150,255 refresh " + Next("Zandor [O:1; X:0]")},
      {"OXOX.XO.O", kO, 1, 1, kO, Drawn(1, 1, kO) + "line 280,280,20,20,255 refresh " + Next("Zandor [O:1; X:0]")},
      {"X.O..XO..", kO, 1, 1, kO, Drawn(1, 1, kO) + "line 280,20,20,280,255 refresh " + Next("Zandor [O:1; X:0]")},
      {"OXOX.OXOX", kX, 1, 1, kX, Drawn(1, 1, kX) + Next("Zandor [O:0; X:0]") + "refresh "},
  };
  ScriptedRandom random;
  for (const auto& c : cases) {
    Recorder window;
    Game game(window, window, random);
    game.AIPhase = 2, SetBoard(game, c.board, c.turn), game.PlaceMark(c.x, c.y, c.mark);
    EXPECT_EQ(window.trace, c.trace) << c.board << " " << int(c.x) << "," << int(c.y);
    EXPECT_TRUE(!c.trace.empty() || BoardString(game) == c.board) << "a refused mark changed " << c.board;
    EXPECT_EQ(Broken(game), "") << c.board;
  }
  Recorder early;  // a sleep that comes back early, as an interrupted one does, must not end the hold early
  early.wake = 0.6, Game(early, early, random).Pause(1);
  EXPECT_TRUE(early.now >= 1.0 && early.trace.rfind("sleep 1 ", 0) == 0) << early.trace;
}

// Who scores, opens next and in which phase, by mode, the count held at its 16-bit top; only O's one-player win
// over the top level goes to the loss log.
TEST(EndGame, ScoresTheWinnerAndTheLoserOpensTheNextGame) {
  const struct {  // the last mark goes to cell 8
    const char* board; std::uint8_t mark; bool onePlayer; std::int16_t scoreBefore, scoreO, scoreX;
    std::uint8_t turn, phase; std::int16_t level = 5; int logged = 0;
  } cases[] = {
      {"OXXXOOOX.", kO, false, 0, 1, 0, kX, 2},  // ninth mark completes the diagonal: a win, not a draw
      {"XOXXOOOX.", kO, false, 0, 0, 0, 0, 2},   // ninth mark completes nothing: a draw, either side next
      {"OOXOOXXX.", kX, false, 7, 7, 8, kO, 2},  // a row and a column at once: one win
      {"XXO..OX..", kO, false, 32766, 32767, 32766, kX, 2}, {"XXO..OX..", kO, false, 32767, 32767, 32767, kX, 2},
      {"OOX..XO..", kX, false, 32767, 32767, 32767, kO, 2}, {"XOXXOOOX.", kO, true, 0, 0, 0, 0, 2},
      {"OOXOOXXX.", kX, true, 0, 0, 1, kO, 2},
      {"O.X.O.X..", kO, true, 0, 1, 0, kO, 3, 5, 1}, {"O.X.O.X..", kO, true, 0, 1, 0, kO, 3, 4},  // the computer opens at once
  };
  struct : SystemLossLogEnv {  // counts the writes begun, and lets none go further
    int writes = 0;
    std::unique_ptr<LogLock> Lock(const std::string&) override { return ++writes, nullptr; }
  } log;
  for (const auto& c : cases) {
    Rig rig;
    rig.game.SetLogEnv(&log), log.writes = 0, rig.game.Difficulty = c.level;
    rig.game.OnePlayer = c.onePlayer ? kTrue : kFalse, rig.game.Score = {0, c.scoreBefore, c.scoreBefore};
    SetBoard(rig.game, c.board, c.mark), rig.game.PlaceMark(2, 2, c.mark);
    EXPECT_EQ(std::vector<int>({rig.game.Score[1], rig.game.Score[2], rig.game.Turn, rig.game.AIPhase, log.writes}),
              std::vector<int>({c.scoreO, c.scoreX, c.turn, c.phase, c.logged})) << c.board;
    EXPECT_EQ(Broken(rig.game), "") << c.board;
  }
}

}  // namespace
}  // namespace zandor::test
