// A plain 32-bit pixel image with the board's raster operations, for the null toolkit and the artwork.
#pragma once

#include <cstdint>
#include <vector>

#include "game/toolkit.h"

namespace zandor {

// Pixels are 0x00RRGGBB; white is 0x00FFFFFF with every colour bit set.
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kBlack = 0x00000000;

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r & 255) << 16) | (static_cast<std::uint32_t>(g & 255) << 8) |
         static_cast<std::uint32_t>(b & 255);
}
// The toolkit's 0x00BBGGRR colour as a pixel.
constexpr std::uint32_t PixelFromBgr(std::uint32_t bgr) {
  return Rgb(static_cast<int>(bgr & 255), static_cast<int>((bgr >> 8) & 255),
             static_cast<int>((bgr >> 16) & 255));
}

constexpr std::uint32_t ApplyRop(std::uint32_t src, std::uint32_t dst, RasterOp op) {
  switch (op) {
    case RasterOp::SrcCopy: return src & 0x00FFFFFF;
    case RasterOp::MergePaint: return (~src | dst) & 0x00FFFFFF;
    case RasterOp::SrcAnd: return (src & dst) & 0x00FFFFFF;
  }
  return dst;
}

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Image() = default;
  Image(int w, int h, std::uint32_t fill = kWhite)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool operator==(const Image&) const = default;
};

// Block transfer from src to dst with a raster operation, clipped to both images.
void Blit(Image& dst, int x, int y, int width, int height, const Image& src, int srcX, int srcY, RasterOp op);

// A solid straight segment of the given width (square pen), clipped to the image.
void DrawSegment(Image& dst, float x1, float y1, float x2, float y2, int penWidth, std::uint32_t pixel);

}  // namespace zandor
