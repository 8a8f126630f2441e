// What a board has had drawn on it since it was last covered whole, so a front end can draw it again at a new scale.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game.h"
#include "game/toolkit.h"

namespace zandor {

// One block transfer or one line, in 1x pixels.
struct DrawOp {
  bool line;
  int x, y, width, height, srcX, srcY;
  RasterOp op;
  float x1, y1, x2, y2;
  std::uint32_t colourBgr;
  int penWidth;
};

class DrawLog {
 public:
  // A whole-board copy hides everything drawn before it: the log restarts there (at every new game).
  const DrawOp& Blit(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) {
    if (op == RasterOp::SrcCopy && x == 0 && y == 0 && srcX == 0 && srcY == 0 && width >= kBoardSize &&
        height >= kBoardSize)
      ops_.clear();
    return ops_.emplace_back(DrawOp{false, x, y, width, height, srcX, srcY, op, 0, 0, 0, 0, 0, 0});
  }
  const DrawOp& Line(float x1, float y1, float x2, float y2, std::uint32_t colourBgr, int penWidth = 0) {
    return ops_.emplace_back(DrawOp{true, 0, 0, 0, 0, 0, 0, RasterOp::SrcCopy, x1, y1, x2, y2, colourBgr, penWidth});
  }
  const std::vector<DrawOp>& ops() const { return ops_; }

 private:
  std::vector<DrawOp> ops_;
};

}  // namespace zandor
