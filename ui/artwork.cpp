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

// Warm sandstone with soft clouds, fine grain, a few veins and darker edges.
void PaintStone(Image& art) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const float fx = static_cast<float>(x), fy = static_cast<float>(y);
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

// One brushed ink stroke along a gently wavering centre line, thinning at both ends.
void PaintStroke(Image& art, bool vertical, float centre, float from, float to, float width,
                 std::uint32_t seed) {
  for (float t = from; t <= to; t += 0.25f) {
    const float along = (t - from) / (to - from);
    const float wobble =
        0.9f * std::sin(t * 0.045f + static_cast<float>(seed)) + 0.5f * (ValueNoise(t, 0, 23, seed) - 0.5f);
    const float taper = std::min(1.0f, std::min(along, 1 - along) * 9.0f);
    const float half = 0.5f * width * (0.55f + 0.45f * taper) * (0.92f + 0.16f * ValueNoise(t, 7, 31, seed));
    const float c = centre + wobble;
    for (float o = -half; o <= half; o += 0.5f) {
      const int a = static_cast<int>(std::lround(c + o));
      const int b = static_cast<int>(std::lround(t));
      const int px = vertical ? a : b, py = vertical ? b : a;
      if (!art.Contains(px, py) || px >= kBoardSize) continue;
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
void PaintX(Image& art, int left, int top) {
  const float strokes[2][4] = {{8, 10, 60, 65}, {60, 10, 8, 65}};
  for (int y = 5; y <= 70; ++y) {
    for (int x = 0; x < kXImage.width; ++x) {
      float best = 2, highlight = 0;
      for (const auto& s : strokes) {
        float along = 0;
        const float d = DistanceToSegment(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, s[0],
                                          s[1], s[2], s[3], along);
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

// The O: a brushed ring, thicker at the sides, inside rows 0 to 70 of its 64 x 76 block.
void PaintO(Image& art, int left, int top) {
  const float cx = 32, cy = 36, rx = 26.5f, ry = 30.5f;
  for (int y = 0; y <= 70; ++y) {
    for (int x = 0; x < kOImage.width; ++x) {
      const float px = static_cast<float>(x) + 0.5f - cx, py = static_cast<float>(y) + 0.5f - cy;
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
void PaintMask(Image& art, const SpriteRect& image, const SpriteRect& mask) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      art.At(mask.x + x, mask.y + y) = art.At(image.x + x, image.y + y) == kWhite ? kWhite : kBlack;
}

void PaintArtwork(Image& art) {
  PaintStone(art);
  PaintStroke(art, true, 109.5f, 14, 286, 7.0f, 3);
  PaintStroke(art, true, 208.0f, 12, 288, 6.0f, 8);
  PaintStroke(art, false, 107.0f, 13, 287, 7.5f, 13);
  PaintStroke(art, false, 210.0f, 15, 285, 6.0f, 21);
  PaintX(art, kXImage.x, kXImage.y);
  PaintO(art, kOImage.x, kOImage.y);
  PaintMask(art, kXImage, kXMask);
  PaintMask(art, kOImage, kOMask);
}

// Drawn once per process: start-up wants the art for the back buffer and for both icon sizes.
const Image& Artwork() {
  static const Image art = [] {
    Image a(kArtWidth, kArtHeight, kWhite);
    PaintArtwork(a);
    return a;
  }();
  return art;
}

}  // namespace

Image MakeArtwork() { return Artwork(); }

const std::array<std::uint32_t, 16> kIconPalette = {
    Rgb(0, 0, 0),       Rgb(40, 34, 30),    Rgb(88, 76, 64),    Rgb(140, 124, 104),
    Rgb(176, 160, 134), Rgb(204, 190, 164), Rgb(226, 214, 190), Rgb(246, 240, 226),
    Rgb(96, 8, 12),     Rgb(150, 14, 20),   Rgb(200, 24, 30),   Rgb(236, 70, 60),
    Rgb(250, 150, 130), Rgb(255, 255, 255), Rgb(60, 60, 64),    Rgb(120, 120, 124),
};

namespace {

std::uint32_t NearestPaletteColour(float r, float g, float b) {
  std::uint32_t best = kIconPalette[0];
  float bestD = 1e30f;
  for (std::uint32_t c : kIconPalette) {
    const float dr = r - static_cast<float>((c >> 16) & 255), dg = g - static_cast<float>((c >> 8) & 255),
                db = b - static_cast<float>(c & 255);
    const float d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
    if (d < bestD) bestD = d, best = c;
  }
  return best;
}

// The board with X, O, X down its diagonal, drawn with the game's own raster operations.
const Image& SampleBoard() {
  static const Image board = [] {
    Image art = Artwork();
    const std::uint8_t marks[3] = {kX, kO, kX};
    for (int i = 0; i < 3; ++i) {
      const SpriteRect& mask = marks[i] == kO ? kOMask : kXMask;
      const SpriteRect& image = marks[i] == kO ? kOImage : kXImage;
      Blit(art, MarkLeft(i), MarkTop(i), mask.width, mask.height, art, mask.x, mask.y, RasterOp::MergePaint);
      Blit(art, MarkLeft(i), MarkTop(i), image.width, image.height, art, image.x, image.y, RasterOp::SrcAnd);
    }
    return art;
  }();
  return board;
}

}  // namespace

Image MakeIcon(int size) {
  // Average the sample board down to the icon size, then bring every pixel to the nearest of the
  // 16 palette colours; a dark rim keeps the icon's edge visible on light and dark panels alike.
  const Image& art = SampleBoard();
  Image icon(size, size);
  const float step = static_cast<float>(kBoardSize) / static_cast<float>(size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float r = 0, g = 0, b = 0, n = 0;
      const int x0 = static_cast<int>(static_cast<float>(x) * step);
      const int y0 = static_cast<int>(static_cast<float>(y) * step);
      const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<float>(x + 1) * step));
      const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<float>(y + 1) * step));
      for (int sy = y0; sy < y1; ++sy)
        for (int sx = x0; sx < x1; ++sx) {
          const std::uint32_t p = art.At(sx, sy);
          r += static_cast<float>((p >> 16) & 255), g += static_cast<float>((p >> 8) & 255),
              b += static_cast<float>(p & 255), n += 1;
        }
      const bool rim = x == 0 || y == 0 || x == size - 1 || y == size - 1;
      icon.At(x, y) = rim ? kIconPalette[1] : NearestPaletteColour(r / n, g / n, b / n);
    }
  }
  return icon;
}

}  // namespace zandor
