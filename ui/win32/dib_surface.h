// A GDI memory DC over a 32-bit top-down DIB section: the board's picture and the artwork both live in one.
#pragma once

#include <cstdint>

#include "game/toolkit.h"
#include "ui/image.h"
#include "ui/win32/win32.h"

namespace zandor {

// The GDI raster operation code for each of the toolkit's operations.
DWORD GdiRop(RasterOp op);

class DibSurface {
 public:
  // A white surface of this size; throws std::runtime_error if GDI has no memory for it.
  DibSurface(int width, int height);
  // A surface holding exactly the pixels of the image.
  explicit DibSurface(const Image& image);
  ~DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // GDI BitBlt from another surface with one of the toolkit's raster operations.
  void BlitFrom(const DibSurface& source, int x, int y, int width, int height, int srcX, int srcY,
                RasterOp op);
  // A solid line with a round pen of this width, between points rounded to whole pixels.
  void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour, int penWidth);

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace zandor
