// Raster operations and lines on plain images.
#include "ui/image.h"

#include <algorithm>
#include <cmath>

namespace zandor {
namespace {

// One row of a block transfer with the operation fixed at compile time, so the loop vectorises.
template <RasterOp Op>
void BlitRow(std::uint32_t* dst, const std::uint32_t* src, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) dst[i] = ApplyRop(src[i], dst[i], Op);
}

}  // namespace

void Blit(Image& dst, int x, int y, int width, int height, const Image& src, int srcX, int srcY,
          RasterOp op) {
  // Clip the rectangle to both images once, in 64 bits so no offset can overflow, then run rows
  // straight through: a NewGame copies 90,000 pixels and PlaceMark 10,000.
  const auto lo = [](long long a, long long b) { return std::max(a, b); };
  const long long col0 = lo(0, lo(-static_cast<long long>(x), -static_cast<long long>(srcX)));
  const long long row0 = lo(0, lo(-static_cast<long long>(y), -static_cast<long long>(srcY)));
  const long long col1 = std::min({static_cast<long long>(width), static_cast<long long>(dst.width) - x,
                                   static_cast<long long>(src.width) - srcX});
  const long long row1 = std::min({static_cast<long long>(height), static_cast<long long>(dst.height) - y,
                                   static_cast<long long>(src.height) - srcY});
  if (col0 >= col1 || row0 >= row1) return;
  const auto count = static_cast<std::size_t>(col1 - col0);
  for (long long row = row0; row < row1; ++row) {
    std::uint32_t* d = &dst.At(static_cast<int>(x + col0), static_cast<int>(y + row));
    const std::uint32_t* s =
        &src.pixels[static_cast<std::size_t>(srcY + row) * static_cast<std::size_t>(src.width) +
                    static_cast<std::size_t>(srcX + col0)];
    switch (op) {
      case RasterOp::SrcCopy: BlitRow<RasterOp::SrcCopy>(d, s, count); break;
      case RasterOp::MergePaint: BlitRow<RasterOp::MergePaint>(d, s, count); break;
      case RasterOp::SrcAnd: BlitRow<RasterOp::SrcAnd>(d, s, count); break;
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
