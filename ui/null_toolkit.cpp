// The null toolkit's drawing: the same artwork and raster operations as a window, in memory.
#include "ui/null_toolkit.h"

#include "game/game.h"
#include "ui/app.h"
#include "ui/artwork.h"

namespace zandor {

NullToolkit::NullToolkit(bool drawPixels)
    : draw(drawPixels), artwork(drawPixels ? MakeArtwork() : Image()), board(kBoardSize, kBoardSize) {}

void NullToolkit::BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) {
  if (draw) Blit(board, x, y, width, height, artwork, srcX, srcY, op);
  if (app != nullptr) app->narrator().NoteBitBlt(x, y, width, height, op);
}

void NullToolkit::Refresh() {
  ++refreshes;
  if (app != nullptr) app->BoardShown();
}

void NullToolkit::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) {
  ++lines;
  if (draw) DrawSegment(board, x1, y1, x2, y2, kPenWidth, PixelFromBgr(colourBgr));
}

}  // namespace zandor
