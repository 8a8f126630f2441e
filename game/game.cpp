// Placing marks, detecting the end of a game, scoring, and setting up new games and matches.
#include "game/game.h"

#include <string>

#include "ai/computer.h"
#include "log/loss_log.h"

namespace zandor {

void Game::PlaceMark(std::uint8_t x, std::uint8_t y, std::uint8_t mark) {
  // Input is mapped to cells before it gets here; anything else is refused rather than trusted.
  if (x > 2 || y > 2) return;
  if (mark != Turn && Turn != 0) return;
  if (Cell(x, y) != kEmpty) return;
  Cell(x, y) = mark;

  const bool isO = mark == kO;
  const SpriteRect& mask = isO ? kOMask : kXMask;
  const SpriteRect& image = isO ? kOImage : kXImage;
  toolkit_->BitBlt(MarkLeft(x), MarkTop(y), mask.width, mask.height, mask.x, mask.y, RasterOp::MergePaint);
  toolkit_->BitBlt(MarkLeft(x), MarkTop(y), image.width, image.height, image.x, image.y, RasterOp::SrcAnd);
  // The turn passes before the end-of-game check, so a win leaves Turn naming the loser.
  Turn = isO ? kX : kO;
  toolkit_->Refresh();

  ++MoveCount;
  RecordMove(x, y, mark);
  if (CheckLines()) EndGame();
  // Read afresh: a finished game may have handed the next opening to the computer.
  if (Turn == kX && OnePlayer) ComputerMove(*this);
}

void Game::RecordMove(std::uint8_t x, std::uint8_t y, std::uint8_t mark) {
  MoveRecord& record = History.at(MoveCount);
  record.x = x;
  record.y = y;
  // One character assigned as such: GCC 12 at -O3 warns falsely (-Wrestrict) on a literal assignment here.
  record.mark.assign(1, mark == kO ? 'O' : mark == kX ? 'X' : ' ');
}

Flag Game::CheckLines() {
  Flag complete = kFalse;
  for (const Line& line : kLines) {
    if ((Board[line.cells[0]] & Board[line.cells[1]] & Board[line.cells[2]]) != 0) {
      toolkit_->DrawLine(line.x1, line.y1, line.x2, line.y2, kStrikeColour);
      complete = kTrue;
      break;  // one mark completing two lines is struck and scored once
    }
  }
  if (!complete && BoardFull()) {
    Turn = 0;
    EndGame();
  }
  toolkit_->Refresh();
  return complete;
}

void Game::EndGame() {
  GameOver = kTrue;
  // A count stops at the largest value its 16 bits hold instead of wrapping negative.
  if (Turn == kO) {
    if (Score[2] < kMaxScore) ++Score[2];
  } else if (Turn == kX) {
    if (Score[1] < kMaxScore) ++Score[1];
    if (OnePlayer && Difficulty == 5) WriteLossLog(*this);
  }
  Pause(1);
  NewGame();
}

Flag Game::BoardFull() const {
  for (int x = 0; x <= 2; ++x)
    for (int y = 0; y <= 2; ++y)
      if (Cell(x, y) == kEmpty) return kFalse;
  return kTrue;
}

void Game::NewGame() {
  Board.fill(kEmpty);
  MoveCount = 0;
  for (std::size_t i = 1; i <= 9; ++i) History[i] = MoveRecord{0, 0, " "};
  UpdateCaption();
  toolkit_->BitBlt(0, 0, kBoardSize, kBoardSize, 0, 0, RasterOp::SrcCopy);
  toolkit_->Refresh();
  AIPhase = (Turn == kX && OnePlayer) ? 1 : 2;
  GameOver = kFalse;
}

void Game::NewMatch() {
  Score[1] = 0;
  Score[2] = 0;
  Turn = OnePlayer == kTrue ? kO : 0;
  NewGame();
}

std::string CaptionFor(std::int16_t scoreO, std::int16_t scoreX) {
  return "Zandor [O:" + std::to_string(scoreO) + "; X:" + std::to_string(scoreX) + "]";
}

void Game::UpdateCaption() { toolkit_->SetCaption(CaptionFor(Score[1], Score[2])); }

void Game::Pause(double seconds) {
  // Sleeps on the monotonic clock until the time has passed: no spinning, no events,
  // and nothing the wall clock does (midnight, adjustments) can shorten or stretch it.
  if (!(seconds > 0)) return;
  const double start = clock_->Now();
  for (;;) {
    const double elapsed = clock_->Now() - start;
    if (elapsed >= seconds) return;
    clock_->Sleep(seconds - elapsed);
  }
}

}  // namespace zandor
