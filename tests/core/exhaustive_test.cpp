// Every complete game of two-player play, through PlaceMark: the counts must match the published totals.
#include <gtest/gtest.h>

#include "support.h"

namespace zandor::test {
namespace {

struct Totals {
  long games = 0, firstWins = 0, secondWins = 0, draws = 0;
};

// Depth-first over every legal mark; the state is copied and restored around each try, since a
// finishing mark clears the board and sets up the next game inside PlaceMark.
void Explore(Game& game, std::uint8_t first, Totals& totals) {
  const GameState saved = game;
  for (std::uint8_t cell = 0; cell < 9; ++cell) {
    if (game.Board[cell] != kEmpty) continue;
    const std::uint8_t mark = game.Turn == 0 ? first : game.Turn;
    game.PlaceMark(cell % 3, cell / 3, mark);
    ASSERT_EQ(game.GameOver, kFalse);
    if (game.MoveCount == 0) {  // the game ended and the next one is set up
      ++totals.games;
      if (game.Score[first] > saved.Score[first]) {
        ++totals.firstWins;
        ASSERT_EQ(game.Turn, 3 - first) << "the loser opens the next game";
      } else if (game.Score[3 - first] > saved.Score[3 - first]) {
        ++totals.secondWins;
        ASSERT_EQ(game.Turn, first);
      } else {
        ++totals.draws;
        ASSERT_EQ(game.Turn, 0) << "either side opens after a draw";
      }
    } else {
      int marks = 0;
      for (std::uint8_t c : game.Board) marks += c != kEmpty;
      ASSERT_EQ(marks, game.MoveCount);
      ASSERT_EQ(game.History[game.MoveCount].mark, mark == kO ? "O" : "X");
      Explore(game, first, totals);
    }
    static_cast<GameState&>(game) = saved;
  }
}

TEST(Exhaustive, EveryTwoPlayerGameMatchesThePublishedTotals) {
  for (std::uint8_t first : {kO, kX}) {
    Rig rig;
    rig.Started();
    rig.app.mnu2Ply_Click();
    ASSERT_EQ(rig.game.Turn, 0);
    Totals totals;
    Explore(rig.game, first, totals);
    EXPECT_EQ(totals.games, 255168) << "first mark " << int(first);
    EXPECT_EQ(totals.firstWins, 131184);
    EXPECT_EQ(totals.secondWins, 77904);
    EXPECT_EQ(totals.draws, 46080);
    EXPECT_EQ(rig.clock.slept(), 255168.0) << "one second's hold per finished game";
  }
}

}  // namespace
}  // namespace zandor::test
