// Block transfers clip to both images exactly as a pixel-by-pixel copy would, for any rectangle.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "ui/image.h"

namespace zandor {
namespace {

// The plain definition: every pixel of the rectangle that lies inside both images, one at a time.
void ReferenceBlit(Image& dst, long long x, long long y, long long width, long long height, const Image& src,
                   long long srcX, long long srcY, RasterOp op) {
  for (long long row = 0; row < height && row < 2000; ++row)
    for (long long col = 0; col < width && col < 2000; ++col) {
      const long long dx = x + col, dy = y + row, sx = srcX + col, sy = srcY + row;
      if (dx < 0 || dy < 0 || sx < 0 || sy < 0 || dx >= dst.width || dy >= dst.height || sx >= src.width ||
          sy >= src.height)
        continue;
      dst.At(static_cast<int>(dx), static_cast<int>(dy)) =
          ApplyRop(src.At(static_cast<int>(sx), static_cast<int>(sy)),
                   dst.At(static_cast<int>(dx), static_cast<int>(dy)), op);
    }
}

Image Pattern(int width, int height, std::uint32_t salt) {
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.At(x, y) = (static_cast<std::uint32_t>(x * 2654435761u + y * 40503u) ^ salt) & 0x00FFFFFF;
  return image;
}

TEST(BlitTest, MatchesPixelByPixelCopyForAnyRectangle) {
  struct Case {
    int x, y, width, height, srcX, srcY;
  };
  const Case cases[] = {
      {0, 0, 30, 20, 0, 0},        // whole image
      {5, 3, 10, 7, 11, 2},        // inside both
      {-4, -2, 12, 9, 0, 0},       // off the destination's top left
      {25, 15, 12, 9, 0, 0},       // past the destination's bottom right
      {0, 0, 12, 9, -5, -3},       // starting before the source
      {0, 0, 40, 40, 30, 10},      // source runs out
      {3, 3, 0, 5, 0, 0},          // no width
      {3, 3, 5, -1, 0, 0},         // negative height
      {INT_MAX, 0, 10, 10, 0, 0},  // offsets that would overflow an int
      {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0},
      {0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
      {-1, -1, INT_MAX, INT_MAX, 1, 1},
      {29, 19, 1, 1, 39, 24},  // last pixel to last pixel
  };
  for (RasterOp op : {RasterOp::SrcCopy, RasterOp::MergePaint, RasterOp::SrcAnd}) {
    for (const Case& c : cases) {
      const Image src = Pattern(40, 25, 0x123456);
      Image got = Pattern(30, 20, 0xABCDEF);
      Image want = got;
      Blit(got, c.x, c.y, c.width, c.height, src, c.srcX, c.srcY, op);
      ReferenceBlit(want, c.x, c.y, c.width, c.height, src, c.srcX, c.srcY, op);
      EXPECT_EQ(got, want) << "op " << static_cast<int>(op) << " at " << c.x << "," << c.y << " size "
                           << c.width << "x" << c.height << " from " << c.srcX << "," << c.srcY;
    }
  }
}

}  // namespace
}  // namespace zandor
