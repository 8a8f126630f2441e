// The computer's turn, its random moves and the two rule chains, in the order of draws the game depends on.
#include "ai/computer.h"

#include <stdexcept>

#include "ai/random.h"
#include "ai/rules.h"
#include "game/game.h"

namespace zandor {
namespace {

void RequireCell(std::uint8_t x, std::uint8_t y) {
  // The fixed tables never trip this; a bad coordinate is a programming error, not input.
  if (x > 2 || y > 2) throw std::out_of_range("cell coordinate outside 0 to 2");
}

// X's fixed answer to O's first mark; false when no O stands on the board.
bool ReplyCell(Game& game, std::uint8_t& x, std::uint8_t& y) {
  const auto o = [&](int cx, int cy) { return game.Cell(cx, cy) == kO; };
  if (o(0, 0) || o(2, 0) || o(0, 2) || o(2, 2)) {
    x = 1, y = 1;
  } else if (o(1, 0)) {
    x = 1, y = 2;
  } else if (o(0, 1)) {
    x = 2, y = 1;
  } else if (o(2, 1)) {
    x = 0, y = 1;
  } else if (o(1, 2)) {
    x = 1, y = 0;
  } else if (o(1, 1)) {
    const float r = game.random().Next();
    if (r < 0.25f) {
      x = 0, y = 0;
    } else if (r < 0.5f) {
      x = 0, y = 2;
    } else if (r < 0.75f) {
      x = 2, y = 0;
    } else {
      x = 2, y = 2;
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

void ComputerMove(Game& game) {
  // The think-time draw comes before the reseed.
  const float think = game.random().Next();
  game.Pause(static_cast<double>(think) / 5.0 + 0.3);
  ReseedRandom(game);

  const float gate = game.random().Next() * 5.0f;
  if (gate > static_cast<float>(game.Difficulty)) {
    game.AIPhase = 3;  // before the move: a finishing move sets up the next game's phase
    RandomMove(game);
    return;
  }

  switch (game.AIPhase) {
    case 1: {
      std::uint8_t x = 0, y = 0;
      do {
        x = CoordinateDraw(game.random().Next());
        y = CoordinateDraw(game.random().Next());
      } while ((x & y) == 1);  // never open in the centre
      game.PlaceMark(x, y, kX);
      game.AIPhase = 3;
      break;
    }
    case 2: {
      std::uint8_t x = 0, y = 0;
      // The reply does not test its cell: a taken one is refused and X stays to move.
      if (ReplyCell(game, x, y)) game.PlaceMark(x, y, kX);
      game.AIPhase = 3;
      break;
    }
    default:
      game.LineRule = 1;
      PlayLines(game);
      game.LineRule = 2;
      if (game.Turn == kX) PlayLines(game);
      game.LineRule = 3;
      if (game.Turn == kX) {
        PlayPatterns(game);
        if (game.Turn == kX) RandomMove(game);
      }
      break;
  }
}

void RandomMove(Game& game) {
  if (game.BoardFull()) return;
  ReseedRandom(game);
  std::uint8_t x = 0, y = 0;
  do {
    x = CoordinateDraw(game.random().Next());
    y = CoordinateDraw(game.random().Next());
  } while (game.Cell(x, y) != kEmpty);
  game.PlaceMark(x, y, kX);
}

void ReseedRandom(Game& game) {
  const float seed = game.clock().SecondsSinceMidnight() / 1000.0f;
  game.random().Reseed(seed);
}

void PlayLines(Game& game) {
  for (const auto& r : rules::kLineRules)
    TryLine(game, rules::ColOf(r.first), rules::RowOf(r.first), rules::ColOf(r.second),
            rules::RowOf(r.second), rules::ColOf(r.target), rules::RowOf(r.target));
}

void TryLine(Game& game, std::uint8_t x1, std::uint8_t y1, std::uint8_t x2, std::uint8_t y2, std::uint8_t xt,
             std::uint8_t yt) {
  if (game.Turn != kX) return;
  RequireCell(x1, y1);
  RequireCell(x2, y2);
  RequireCell(xt, yt);
  const std::uint8_t a = game.Cell(x1, y1);
  const std::uint8_t b = game.Cell(x2, y2);
  const std::uint8_t target = game.Cell(xt, yt);
  bool holds = false;
  switch (game.LineRule) {
    case 1: holds = a == kX && b == kX && target == kEmpty; break;
    case 2: holds = (a & b) != 0 && target == kEmpty; break;
    default: return;
  }
  if (holds) game.PlaceMark(xt, yt, kX);
}

void PlayPatterns(Game& game) {
  using rules::ColOf;
  using rules::RowOf;
  for (const auto& p : rules::kPatterns)
    TryPattern(game, ColOf(p.cell1), RowOf(p.cell1), p.content1, ColOf(p.cell2), RowOf(p.cell2), p.content2,
               ColOf(p.cell3), RowOf(p.cell3), p.content3, ColOf(p.targetA), RowOf(p.targetA),
               ColOf(p.targetB), RowOf(p.targetB));
}

void TryPattern(Game& game, std::uint8_t x1, std::uint8_t y1, std::uint8_t c1, std::uint8_t x2,
                std::uint8_t y2, std::uint8_t c2, std::uint8_t x3, std::uint8_t y3, std::uint8_t c3,
                std::uint8_t xA, std::uint8_t yA, std::uint8_t xB, std::uint8_t yB) {
  // One draw per rule, always, whatever the board: later rules see the same sequence of draws.
  const float r = game.random().Next();
  const std::uint8_t xt = r < 0.5f ? xA : xB;
  const std::uint8_t yt = r < 0.5f ? yA : yB;
  RequireCell(x1, y1);
  RequireCell(x2, y2);
  RequireCell(x3, y3);
  RequireCell(xt, yt);
  if (game.Turn == kX && game.Cell(x1, y1) == c1 && game.Cell(x2, y2) == c2 && game.Cell(x3, y3) == c3 &&
      game.Cell(xt, yt) == kEmpty)
    game.PlaceMark(xt, yt, kX);
}

}  // namespace zandor
