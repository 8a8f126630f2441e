// What assistive technology is told about the board: the cells' names and the sentences said after each input,
// worked out from the positions the board shows, so the game itself knows nothing of it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/state.h"
#include "game/toolkit.h"

namespace zandor {

// The cell a point of the 300-pixel board lies in, as a mouse release there plays it, or -1 off the board:
// (p - 50) / 100 rounded half to even, so pixel 100 belongs to the left column and 200 to the right one.
int CellAtPixel(float x, float y);

class BoardNarrator {
 public:
  // Every transfer the game makes: a whole-board copy is how a new game clears the board.
  void NoteBitBlt(int x, int y, int width, int height, RasterOp op);
  // Takes the position the board now shows and adds what changed to the sentences not yet said.
  void Update(const GameState& state);
  // A move the game refused on this cell: taken, or not this mark's turn.
  void Refused(const GameState& state, int cell, std::uint8_t mark);
  // Forgets what it has seen: the next position is taken as it stands, without a word.
  void Reset() { synced_ = false, pending_.clear(), changed_ = 0; }

  struct Said {
    std::string text;   // "" when there is nothing to say
    unsigned changed;   // a bit per cell (1 << cell) whose name changed since the last Take
  };
  // The sentences since the last Take, ending with whose turn it is now; empties them.
  Said Take(const GameState& state);

  std::string CellName(int cell) const;
  bool Marked(int cell) const { return cell >= 0 && cell < 9 && board_[static_cast<std::size_t>(cell)] != kEmpty; }
  // The last thing said, or whose turn it is: the board's description.
  const std::string& Description() const { return description_; }
  // The middle of a cell in board pixels: where a release is sent to press it.
  static float CellCentre(int index) { return static_cast<float>(index * 100 + 50); }

 private:
  void Say(const std::string& sentence);

  std::array<std::uint8_t, 9> board_{};
  bool synced_ = false;
  bool newGame_ = false;
  std::string pending_;
  unsigned changed_ = 0;
  std::string description_;
};

}  // namespace zandor
