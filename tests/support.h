// Shared test helpers: a headless rig of game, window logic and null toolkit, and boards as strings.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/app.h"
#include "ui/null_toolkit.h"

namespace zandor::test {

// A board string lists cells 0 to 8 in reading order: 'O', 'X' or '.'.
inline std::string BoardString(const GameState& s) {
  std::string out;
  for (std::uint8_t c : s.Board) out += c == kO ? 'O' : c == kX ? 'X' : '.';
  return out;
}

// Puts a position on the board as if its marks had been placed in reading order (History too).
inline void SetBoard(GameState& s, std::string_view cells) {
  if (cells.size() != 9) throw std::invalid_argument("a board string has 9 cells");
  s.Board.fill(kEmpty);
  s.MoveCount = 0;
  for (std::size_t i = 1; i <= 9; ++i) s.History[i] = MoveRecord{0, 0, " "};
  for (std::size_t n = 0; n < 9; ++n) {
    if (cells[n] == '.') continue;
    const std::uint8_t mark = cells[n] == 'O' ? kO : kX;
    s.Board[n] = mark;
    ++s.MoveCount;
    s.History[s.MoveCount] = MoveRecord{static_cast<std::uint8_t>(n % 3), static_cast<std::uint8_t>(n / 3),
                                        mark == kO ? "O" : "X"};
  }
}

// Game, window logic and a null toolkit with a manual clock and scripted draws: nothing waits.
struct Rig {
  explicit Rig(bool draw = false) : toolkit(draw) {}
  NullToolkit toolkit;
  ManualClock clock;
  ScriptedRandom random;
  Game game{toolkit, clock, random};
  App app{game, toolkit};

  // Started as the program starts: one-player, level 3, O to move.
  Rig& Started() {
    app.Main();
    return *this;
  }
};

}  // namespace zandor::test
