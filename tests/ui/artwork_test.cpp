// The artwork at 1x and 2x, block transfers at the edges, and what marks and lines leave on the board.
#include "ui/artwork.h"

#include <gtest/gtest.h>

#include <climits>

#include "game/game.h"

namespace zandor::test {
namespace {

TEST(Artwork, KeepsItsLayoutAtEveryScale) {
  for (int s : {1, 2}) {
    const Image art = MakeArtwork(s);
    for (const auto& [pic, mask] : {std::pair{kXImage, kXMask}, std::pair{kOImage, kOMask}})
      for (int y = 0; y < pic.height * s; ++y)
        for (int x = 0; x < pic.width * s; ++x) {
          const std::uint32_t p = art.At(pic.x * s + x, pic.y * s + y);
          const bool red = (p >> 16 & 255) > 2 * (p >> 8 & 255);
          // Regression: the O ran past its 64 x 71 area and was cut flat; every mark now has white around it.
          const bool edge = x == 0 || y == 0 || x == pic.width * s - 1 || y == 71 * s - 1;
          ASSERT_EQ(art.At(mask.x * s + x, mask.y * s + y), p == kWhite ? kWhite : kBlack) << s << x;
          ASSERT_TRUE(p == kWhite || (red && !edge))
              << s << "x: a red mark inside its area at " << x << "," << y;
        }
    for (int y = 0; y < kArtHeight * s; ++y)
      for (int x = 0; x < kArtWidth * s; ++x) {
        const int bx = x / s, by = y / s, p = static_cast<int>(art.At(x, y));
        const bool strip = bx == 300 || bx == 369 || by == 71 || by == 72 || by == 215 || by >= 292;
        const bool markArea = bx % 100 >= 20 && bx % 100 <= 87 && by % 100 >= 18 && by % 100 <= 93;
        const bool ink = (p >> 16) < 80 && (p >> 8 & 255) < 80 && (p & 255) < 80;
        ASSERT_TRUE(bx < 300 || !(strip || (by >= 144 && by <= 148)) || p == kWhite) << s << x << "," << y;
        ASSERT_FALSE(bx < 300 && markArea && ink) << s << "x: grid ink in a mark's area at " << x << "," << y;
      }
  }
}

// The three raster operations written out by hand: SRCCOPY, MERGEPAINT = (NOT src) OR dst, SRCAND = src
// AND dst, each keeping the unused top byte clear.
constexpr std::uint32_t kD = 0x00123456;  // the destination's pixels in the block transfers
constexpr std::uint32_t kRops[][5] = {
    // src         dst         SRCCOPY     MERGEPAINT  SRCAND
    {0x00FFFFFF, kD, 0x00FFFFFF, 0x00123456, 0x00123456},
    {0x00000000, kD, 0x00000000, 0x00FFFFFF, 0x00000000},
    {0xFF0000FF, kD, 0x000000FF, 0x00FFFF56, 0x00000056},
    {0x00A5A5A5, 0x005A5A0F, 0x00A5A5A5, 0x005A5A5F, 0x00000005},
};
constexpr RasterOp kOps[] = {RasterOp::SrcCopy, RasterOp::MergePaint, RasterOp::SrcAnd};

TEST(Blit, AppliesTheRasterOperationsClippedToBothImagesForAnyRectangle) {
  for (const auto& row : kRops)
    for (int op = 0; op < 3; ++op) EXPECT_EQ(ApplyRop(row[0], row[1], kOps[op]), row[2 + op]) << row[0] << " op " << op;
  // Source pixel (x, y) holds the table's source number (x + 2y) % 3, so a pixel taken from the wrong place shows.
  Image src(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) src.At(x, y) = kRops[(x + 2 * y) % 3][0];
  const int cases[][6] = {{-4, -2, 12, 9, 0, 0},  {25, 15, 12, 9, 0, 0},        {0, 0, 12, 9, -5, -3},
                          {2, 1, 40, 40, 10, 20}, {3, 3, 5, -1, 0, 0},          {INT_MAX, 0, 10, 10, 0, 0},
                          {-1, -1, INT_MAX, INT_MAX, 1, 1}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0}};
  for (int op = 0; op < 3; ++op)
    for (const auto& c : cases) {
      Image got(30, 20, kD), want = got;
      Blit(got, c[0], c[1], c[2], c[3], src, c[4], c[5], kOps[op]);
      for (long long y = 0; y < 20; ++y)  // the plain definition, pixel by pixel
        for (long long x = 0, k = x - c[0], r = y - c[1], sx = c[4] + k, sy = c[5] + r; x < 30; ++x, ++k, ++sx)
          if (k >= 0 && r >= 0 && k < c[2] && r < c[3] && sx >= 0 && sy >= 0 && sx < 40 && sy < 30)
            want.At(int(x), int(y)) = kRops[(sx + 2 * sy) % 3][2 + op];
      EXPECT_EQ(got, want) << c[0] << "," << c[1] << " " << c[2] << "x" << c[3] << " op " << op;
    }
}

}  // namespace
}  // namespace zandor::test
