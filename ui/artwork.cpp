// Draws the artwork: a stone board with a brushed ink grid, red X and O sprites and their masks.
#include "ui/artwork.h"

#include <algorithm>
#include <cmath>

#include "game/game.h"

namespace zandor {
namespace {

// A fixed hash, so the art is the same on every machine and every run.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}
float Unit(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  return static_cast<float>(Hash(x, y, seed) & 0xFFFFFF) / 16777216.0f;
}

float Smooth(float t) { return t * t * (3 - 2 * t); }

float ValueNoise(float x, float y, float scale, std::uint32_t seed) {
  const float fx = x / scale, fy = y / scale;
  const auto ix = static_cast<std::uint32_t>(std::floor(fx));
  const auto iy = static_cast<std::uint32_t>(std::floor(fy));
  const float tx = Smooth(fx - std::floor(fx)), ty = Smooth(fy - std::floor(fy));
  const float a = Unit(ix, iy, seed), b = Unit(ix + 1, iy, seed);
  const float c = Unit(ix, iy + 1, seed), d = Unit(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, std::uint32_t seed) {
  float sum = 0, amp = 0.5f, total = 0;
  for (float scale : {96.0f, 48.0f, 24.0f, 12.0f, 6.0f, 3.0f}) {
    sum += amp * ValueNoise(x, y, scale, seed++);
    total += amp;
    amp *= 0.55f;
  }
  return sum / total;
}

int Clamp255(float v) { return static_cast<int>(std::clamp(v, 0.0f, 255.0f)); }

std::uint32_t Shade(float r, float g, float b, float k) {
  return Rgb(Clamp255(r * k), Clamp255(g * k), Clamp255(b * k));
}

// Where the centre of pixel i of a picture drawn at `scale` lies in 1x pixels; exactly i at scale 1, so
// the 1x art keeps its pixels while the 2x art is the same picture sampled twice as finely.
float At1x(int i, float scale) { return (static_cast<float>(i) + 0.5f) / scale - 0.5f; }
// The pixel of a picture drawn at `scale` that holds a 1x position, with 1x pixel p covering p - 0.5 to p +
// 0.5.
int PixelAt(float at, float scale) { return static_cast<int>(std::lround(at * scale + (scale - 1) * 0.5f)); }

// Warm sandstone with soft clouds, fine grain, a few veins and darker edges.
void PaintStone(Image& art, int s) {
  const float scale = static_cast<float>(s);
  for (int y = 0; y < kBoardSize * s; ++y) {
    for (int x = 0; x < kBoardSize * s; ++x) {
      const float fx = At1x(x, scale), fy = At1x(y, scale);
      const float cloud = Fbm(fx, fy, 11);
      const float grain = Unit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 97) - 0.5f;
      const float vein = std::fabs(std::sin((fx * 0.035f + fy * 0.02f) + 6.0f * Fbm(fx, fy, 41)));
      const float veinDark = vein < 0.06f ? (0.06f - vein) * 1.6f : 0.0f;
      const float ex = std::min(fx, 299 - fx), ey = std::min(fy, 299 - fy);
      const float edge = std::min(1.0f, std::min(ex, ey) / 18.0f);
      const float k = (0.80f + 0.32f * cloud + 0.05f * grain - veinDark) * (0.86f + 0.14f * edge);
      art.At(x, y) = Shade(222, 208, 182, k);
    }
  }
}

// One brushed ink stroke along a gently wavering centre line, thinning at both ends (1x measures).
void PaintStroke(Image& art, int s, bool vertical, float centre, float from, float to, float width,
                 std::uint32_t seed) {
  const float scale = static_cast<float>(s);
  for (float t = from; t <= to; t += 0.25f / scale) {
    const float along = (t - from) / (to - from);
    const float wobble =
        0.9f * std::sin(t * 0.045f + static_cast<float>(seed)) + 0.5f * (ValueNoise(t, 0, 23, seed) - 0.5f);
    const float taper = std::min(1.0f, std::min(along, 1 - along) * 9.0f);
    const float half = 0.5f * width * (0.55f + 0.45f * taper) * (0.92f + 0.16f * ValueNoise(t, 7, 31, seed));
    const float c = centre + wobble;
    for (float o = -half; o <= half; o += 0.5f / scale) {
      const int a = PixelAt(c + o, scale);
      const int b = PixelAt(t, scale);
      const int px = vertical ? a : b, py = vertical ? b : a;
      if (!art.Contains(px, py) || px >= kBoardSize * s) continue;
      const float ink =
          0.9f + 0.25f * Unit(static_cast<std::uint32_t>(px), static_cast<std::uint32_t>(py), 7);
      art.At(px, py) = Shade(30, 26, 24, ink);
    }
  }
}

// A red mark's colour at a point: deep at its rim, bright along a highlight.
std::uint32_t MarkRed(float edgeness, float highlight, int x, int y) {
  const float grain = 0.04f * (Unit(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 5) - 0.5f);
  const float k = 0.62f + 0.38f * (1 - edgeness) + grain;
  return Rgb(Clamp255(205 * k + 45 * highlight), Clamp255(24 * k + 60 * highlight),
             Clamp255(28 * k + 48 * highlight));
}

float DistanceToSegment(float px, float py, float ax, float ay, float bx, float by, float& along) {
  const float vx = bx - ax, vy = by - ay;
  along = std::clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.0f, 1.0f);
  const float dx = px - (ax + vx * along), dy = py - (ay + vy * along);
  return std::sqrt(dx * dx + dy * dy);
}

// The X: two brush strokes, fuller in the middle, inside rows 5 to 70 of its 68 x 71 block.
void PaintX(Image& art, int s, int left, int top) {
  const float scale = static_cast<float>(s);
  const float strokes[2][4] = {{8, 10, 60, 65}, {60, 10, 8, 65}};
  for (int y = 5 * s; y < 71 * s; ++y) {
    for (int x = 0; x < kXImage.width * s; ++x) {
      float best = 2, highlight = 0;
      for (const auto& st : strokes) {
        float along = 0;
        const float d =
            DistanceToSegment((static_cast<float>(x) + 0.5f) / scale, (static_cast<float>(y) + 0.5f) / scale,
                              st[0], st[1], st[2], st[3], along);
        const float half = 5.4f + 2.8f * std::sin(along * 3.14159f);
        if (d <= half) {
          const float e = d / half;
          if (e < best) {
            best = e;
            highlight = std::max(0.0f, 1 - std::fabs(e - 0.35f) * 4) * 0.7f;
          }
        }
      }
      if (best <= 1) art.At(left + x, top + y) = MarkRed(best, highlight, x, y);
    }
  }
}

// The O: a brushed ring, thicker at the sides, wholly inside rows 0 to 70 of its 64 x 76 block with a
// white pixel to spare on every side, so no edge of the block cuts the ring flat.
void PaintO(Image& art, int s, int left, int top) {
  const float scale = static_cast<float>(s);
  const float cx = 32, cy = 35.5f, rx = 24.5f, ry = 27.5f;
  for (int y = 0; y < 71 * s; ++y) {
    for (int x = 0; x < kOImage.width * s; ++x) {
      const float px = (static_cast<float>(x) + 0.5f) / scale - cx;
      const float py = (static_cast<float>(y) + 0.5f) / scale - cy;
      const float angle = std::atan2(py / ry, px / rx);
      const float radial = std::sqrt((px / rx) * (px / rx) + (py / ry) * (py / ry));
      const float thickness = 0.20f + 0.07f * std::fabs(std::cos(angle + 0.5f));
      const float d = std::fabs(radial - 1) / thickness;
      if (d <= 1) {
        const float highlight = std::max(0.0f, std::cos(angle + 2.4f)) * std::max(0.0f, 1 - d) * 0.8f;
        art.At(left + x, top + y) = MarkRed(d, highlight, x, y);
      }
    }
  }
}

// A mask is the image's shape in solid black on white.
void PaintMask(Image& art, int s, const SpriteRect& image, const SpriteRect& mask) {
  for (int y = 0; y < image.height * s; ++y)
    for (int x = 0; x < image.width * s; ++x)
      art.At(mask.x * s + x, mask.y * s + y) =
          art.At(image.x * s + x, image.y * s + y) == kWhite ? kWhite : kBlack;
}

Image PaintArtwork(int s) {
  Image art(kArtWidth * s, kArtHeight * s, kWhite);
  PaintStone(art, s);
  PaintStroke(art, s, true, 109.5f, 14, 286, 7.0f, 3);
  PaintStroke(art, s, true, 208.0f, 12, 288, 6.0f, 8);
  PaintStroke(art, s, false, 107.0f, 13, 287, 7.5f, 13);
  PaintStroke(art, s, false, 210.0f, 15, 285, 6.0f, 21);
  PaintX(art, s, kXImage.x * s, kXImage.y * s);
  PaintO(art, s, kOImage.x * s, kOImage.y * s);
  PaintMask(art, s, kXImage, kXMask);
  PaintMask(art, s, kOImage, kOMask);
  return art;
}

// Drawn once per process and scale: the tests and the build tools ask for it many times.
const Image& Artwork(int scale) {
  if (scale >= 2) {
    static const Image art2 = PaintArtwork(2);
    return art2;
  }
  static const Image art1 = PaintArtwork(1);
  return art1;
}

// The board with X, O, X down its diagonal, drawn with the game's own raster operations.
Image SampleBoard(int s) {
  const Image& art = Artwork(s);
  Image board(kBoardSize * s, kBoardSize * s);
  Blit(board, 0, 0, board.width, board.height, art, 0, 0, RasterOp::SrcCopy);
  const std::uint8_t marks[3] = {kX, kO, kX};
  for (int i = 0; i < 3; ++i) {
    const SpriteRect& mask = marks[i] == kO ? kOMask : kXMask;
    const SpriteRect& image = marks[i] == kO ? kOImage : kXImage;
    Blit(board, MarkLeft(i) * s, MarkTop(i) * s, mask.width * s, mask.height * s, art, mask.x * s, mask.y * s,
         RasterOp::MergePaint);
    Blit(board, MarkLeft(i) * s, MarkTop(i) * s, image.width * s, image.height * s, art, image.x * s,
         image.y * s, RasterOp::SrcAnd);
  }
  return board;
}

// Signed distance from a point to the edge of a rounded square, negative inside.
float TileDistance(float x, float y, float centre, float half, float radius) {
  const float qx = std::fabs(x - centre) - (half - radius), qy = std::fabs(y - centre) - (half - radius);
  const float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

}  // namespace

Image MakeArtwork(int scale) { return Artwork(scale); }

Image MakeIcon(int size) {
  // Average the sample board down to the icon size (large icons from the 2x art, for their detail).
  const int s = size > 64 ? 2 : 1;
  const Image board = SampleBoard(s);
  const float step = static_cast<float>(board.width) / static_cast<float>(size);
  Image icon(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float r = 0, g = 0, b = 0, n = 0;
      const int x0 = static_cast<int>(static_cast<float>(x) * step);
      const int y0 = static_cast<int>(static_cast<float>(y) * step);
      const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<float>(x + 1) * step));
      const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<float>(y + 1) * step));
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
          const std::uint32_t p = board.At(sx, sy);
          r += static_cast<float>((p >> 16) & 255), g += static_cast<float>((p >> 8) & 255),
              b += static_cast<float>(p & 255), n += 1;
        }
      icon.At(x, y) =
          Rgb(static_cast<int>(r / n + 0.5f), static_cast<int>(g / n + 0.5f), static_cast<int>(b / n + 0.5f));
    }
  }
  // Averaged down, the brushed strokes fade into the stone: small icons get their grid back as lines of
  // ink one pixel wide, so it still reads at 16 pixels.
  if (size < 64) {
    const std::uint32_t ink = Rgb(30, 26, 24);
    for (float at : {109.5f, 208.0f}) {
      const int col = static_cast<int>(at * static_cast<float>(size) / kBoardSize);
      for (int y = 0; y < size; ++y) icon.At(col, y) = ink;
    }
    for (float at : {107.0f, 210.0f}) {
      const int row = static_cast<int>(at * static_cast<float>(size) / kBoardSize);
      for (int x = 0; x < size; ++x) icon.At(x, row) = ink;
    }
  }
  // The shape: a rounded tile with a dark rim, its edge smoothed by 4 x 4 samples a pixel, and
  // nothing outside it, so the icon sits on any panel.
  const float centre = static_cast<float>(size) / 2, margin = std::max(0.5f, static_cast<float>(size) / 32);
  const float half = centre - margin, radius = static_cast<float>(size) * 0.16f;
  const float rim = std::max(1.0f, static_cast<float>(size) / 24);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int covered = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          covered += TileDistance(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4,
                                  static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4, centre, half,
                                  radius) < 0;
      const float inside =
          -TileDistance(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, centre, half, radius);
      const std::uint32_t colour = inside < rim ? Rgb(40, 34, 30) : icon.At(x, y);
      const auto alpha = static_cast<std::uint32_t>((covered * 255 + 8) / 16);
      icon.At(x, y) = alpha == 0 ? 0 : (alpha << 24) | colour;
    }
  return icon;
}

}  // namespace zandor
