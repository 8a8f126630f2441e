// Turns the position shown after each refresh into cell names and one sentence or two about what happened.
#include "ui/board_narrator.h"

#include "game/game.h"
#include "ui/board_words.h"

namespace zandor {

void BoardNarrator::NoteBitBlt(int x, int y, int width, int height, RasterOp op) {
  if (op == RasterOp::SrcCopy && x <= 0 && y <= 0 && width >= kBoardSize && height >= kBoardSize) newGame_ = true;
}

unsigned BoardNarrator::Update(const GameState& state) {
  unsigned changed = 0;
  int placed = -1;
  for (int i = 0; i < 9; ++i) {
    if (board_[i] == state.Board[i]) continue;
    changed |= 1u << i;
    if (board_[i] == kEmpty) placed = i;
  }
  board_ = state.Board;
  std::string description;
  if (newGame_) {
    newGame_ = false;
    description = (result_.empty() ? "" : result_ + " ") + words::NewGame() + " " + words::ToMove(state.Turn);
    result_.clear();
  } else if (placed >= 0) {
    // Read at the refresh that shows the mark, before the game strikes a line or pauses, so the
    // result is said at once; the game's own line table, in its order, names the line.
    const std::uint8_t mark = state.Board[placed];
    std::string outcome;
    for (int l = 0; l < 8; ++l) {
      const Line& line = kLines[l];
      if (state.Board[line.cells[0]] == mark && state.Board[line.cells[1]] == mark &&
          state.Board[line.cells[2]] == mark) {
        outcome = words::Wins(mark, l);
        break;
      }
    }
    bool full = true;
    for (std::uint8_t cell : state.Board) full = full && cell != kEmpty;
    if (outcome.empty() && full) outcome = words::Draw();
    result_ = outcome;
    description = words::Took(mark, placed) + " " + (outcome.empty() ? words::ToMove(state.Turn) : outcome);
  } else {
    description = description_.empty() ? words::ToMove(state.Turn) : description_;
  }
  descriptionChanged_ = description != description_;
  description_ = description;
  return changed;
}

std::string BoardNarrator::CellName(int cell) const {
  return cell >= 0 && cell < 9 ? words::CellName(cell, board_[static_cast<std::size_t>(cell)]) : std::string();
}

int BoardNarrator::CellAt(float x, float y) {
  if (!(x >= 0 && y >= 0 && x < kBoardSize && y < kBoardSize)) return -1;
  return static_cast<int>(y) / 100 * 3 + static_cast<int>(x) / 100;
}

}  // namespace zandor
