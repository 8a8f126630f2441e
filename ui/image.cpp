// Raster operations and lines on plain images.
#include "ui/image.h"

#include <algorithm>
#include <cmath>

namespace zandor {

void Blit(Image& dst, int x, int y, int width, int height, const Image& src, int srcX, int srcY,
          RasterOp op) {
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) {
      const int dx = x + col, dy = y + row, sx = srcX + col, sy = srcY + row;
      if (!dst.Contains(dx, dy) || !src.Contains(sx, sy)) continue;
      dst.At(dx, dy) = ApplyRop(src.At(sx, sy), dst.At(dx, dy), op);
    }
  }
}

void DrawSegment(Image& dst, float x1, float y1, float x2, float y2, int penWidth, std::uint32_t pixel) {
  const float dx = x2 - x1, dy = y2 - y1;
  const int steps = std::max(1, static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)))));
  const int lo = -(penWidth / 2), hi = lo + penWidth;
  for (int i = 0; i <= steps; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(steps);
    const int cx = static_cast<int>(std::lround(x1 + dx * t));
    const int cy = static_cast<int>(std::lround(y1 + dy * t));
    for (int oy = lo; oy < hi; ++oy)
      for (int ox = lo; ox < hi; ++ox)
        if (dst.Contains(cx + ox, cy + oy)) dst.At(cx + ox, cy + oy) = pixel;
  }
}

}  // namespace zandor
