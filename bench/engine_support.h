// Shared by the engine benchmarks: every complete game of noughts and crosses, played through PlaceMark.
#pragma once

#include <cstdint>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/null_toolkit.h"

namespace zandor::bench {

// A two-player game on the null toolkit with O to move on an empty board; pauses pass at once.
struct TwoPlayerGame {
  explicit TwoPlayerGame(bool draw) : toolkit(draw) {
    game.OnePlayer = kFalse;
    game.NewMatch();
    game.Turn = kO;
  }
  NullToolkit toolkit;
  ManualClock clock;
  StdRandom random{1};
  Game game{toolkit, clock, random};
};

// Plays every legal game from the current position (O to move on an empty board in two-player mode)
// through Game::PlaceMark and returns how many games ended. There are 255,168 from the empty board.
inline std::uint64_t PlayAllGames(Game& game) {
  std::uint64_t games = 0;
  const GameState here = game;
  for (std::uint8_t cell = 0; cell < 9; ++cell) {
    if (here.Board[cell] != kEmpty) continue;
    game.PlaceMark(cell % 3, cell / 3, here.Turn == kX ? kX : kO);
    // A finished game has already been replaced by the next one, so the count is back at 0.
    if (game.MoveCount == 0)
      ++games;
    else
      games += PlayAllGames(game);
    static_cast<GameState&>(game) = here;
  }
  return games;
}

}  // namespace zandor::bench
