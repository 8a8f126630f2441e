// Turns the positions shown during one input into the sentences a screen reader says when it is handled.
#include "ui/board_narrator.h"

#include <cmath>

#include "game/game.h"
#include "ui/board_words.h"

namespace zandor {

namespace {

int CellFromPixel(float p) {
  const double v = (static_cast<double>(p) - 50.0) / 100.0;
  const double whole = std::floor(v);
  const double fraction = v - whole;
  double rounded = whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) rounded = whole + 1;
  return static_cast<int>(rounded);
}

}  // namespace

int CellAtPixel(float x, float y) {
  // Beyond the right or bottom edge (after a drag), at or left of pixel 0, or not a number at all: no cell.
  if (!(x > 0 && y > 0 && x <= kBoardSize && y <= kBoardSize)) return -1;
  return CellFromPixel(y) * 3 + CellFromPixel(x);
}

void BoardNarrator::NoteBitBlt(int x, int y, int width, int height, RasterOp op) {
  if (op == RasterOp::SrcCopy && x <= 0 && y <= 0 && width >= kBoardSize && height >= kBoardSize) newGame_ = true;
}

void BoardNarrator::Say(const std::string& sentence) { pending_ = words::Join(pending_, sentence); }

void BoardNarrator::Update(const GameState& state) {
  int placed = -1;
  int newMarks = 0;
  for (int i = 0; i < 9; ++i) {
    if (board_[i] == state.Board[i]) continue;
    changed_ |= 1u << i;
    if (board_[i] == kEmpty) placed = i, ++newMarks;
  }
  board_ = state.Board;
  // Seen for the first time (assistive technology came later): nothing happened that can be told.
  if (!synced_) {
    synced_ = true;
    newGame_ = false;
    return;
  }
  if (newGame_) {
    newGame_ = false;
    Say(words::Score(state.Score[1], state.Score[2]));
    Say(words::NewGame());
    return;
  }
  if (newMarks != 1) return;
  // Read at the refresh that shows the mark, before the game strikes a line or pauses; the game's own line
  // table, in its order, names the line.
  const std::uint8_t mark = state.Board[placed];
  Say(words::Took(mark, placed));
  for (int l = 0; l < 8; ++l) {
    const Line& line = kLines[l];
    if (state.Board[line.cells[0]] == mark && state.Board[line.cells[1]] == mark &&
        state.Board[line.cells[2]] == mark)
      return Say(words::Wins(mark, l));
  }
  bool full = true;
  for (std::uint8_t cell : state.Board) full = full && cell != kEmpty;
  if (full) Say(words::Draw());
}

void BoardNarrator::Refused(const GameState& state, int cell, std::uint8_t mark) {
  if (cell < 0 || cell > 8) return;
  Say(state.Board[static_cast<std::size_t>(cell)] != kEmpty ? words::Taken() : words::NotTurn(mark));
}

BoardNarrator::Said BoardNarrator::Take(const GameState& state) {
  Said said{pending_, changed_};
  if (!said.text.empty()) said.text = words::Join(said.text, words::ToMove(state.Turn));
  if (!said.text.empty()) {
    description_ = said.text;
  } else if (description_.empty()) {
    description_ = words::ToMove(state.Turn);
  }
  pending_.clear();
  changed_ = 0;
  return said;
}

std::string BoardNarrator::CellName(int cell) const {
  return cell >= 0 && cell < 9 ? words::CellName(cell, board_[static_cast<std::size_t>(cell)]) : std::string();
}

}  // namespace zandor
