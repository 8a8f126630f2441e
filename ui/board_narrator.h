// What assistive technology is told about the board: the cells' names and a description of the last change,
// worked out from the position each time the board is put on screen, so the game itself knows nothing of it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/state.h"
#include "game/toolkit.h"

namespace zandor {

class BoardNarrator {
 public:
  // Every transfer the game makes: a whole-board copy is how a new game clears the board.
  void NoteBitBlt(int x, int y, int width, int height, RasterOp op);
  // Takes the position the board now shows; returns a bit per cell (1 << cell) whose name changed.
  // Description() then sums up the last change and whose turn it is.
  unsigned Update(const GameState& state);

  std::string CellName(int cell) const;
  const std::string& Description() const { return description_; }
  bool DescriptionChanged() const { return descriptionChanged_; }
  // The cell a point of the 300-pixel board lies in, or -1.
  static int CellAt(float x, float y);
  // The middle of a cell in board pixels: where a release is sent to press it.
  static float CellCentre(int index) { return static_cast<float>(index * 100 + 50); }

 private:
  std::array<std::uint8_t, 9> board_{};
  bool newGame_ = false;
  std::string result_;  // the last game's result, said again with the next new game
  std::string description_;
  bool descriptionChanged_ = false;
};

}  // namespace zandor
