// Memory DCs over DIB sections, whose pixels the program can read and write directly.
#include "ui/win32/dib_surface.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace zandor {

DWORD GdiRop(RasterOp op) {
  switch (op) {
    case RasterOp::SrcCopy: return SRCCOPY;
    case RasterOp::MergePaint: return MERGEPAINT;
    case RasterOp::SrcAnd: return SRCAND;
  }
  return SRCCOPY;
}

DibSurface::DibSurface(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("a surface needs a positive size");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: rows top-down, like Image
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  if (dc_) bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc_ || !bitmap_ || !bits) {
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
    throw std::runtime_error("GDI could not create a drawing surface");
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
  // A 32-bit BI_RGB pixel is 0x00RRGGBB in memory order, the same as Image.
  for (std::size_t i = 0, n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height); i < n; ++i)
    bits_[i] = kWhite;
}

DibSurface::DibSurface(const Image& image) : DibSurface(image.width, image.height) {
  std::memcpy(bits_, image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
}

DibSurface::~DibSurface() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void DibSurface::BlitFrom(const DibSurface& source, int x, int y, int width, int height, int srcX, int srcY,
                          RasterOp op) {
  ::BitBlt(dc_, x, y, width, height, source.dc_, srcX, srcY, GdiRop(op));
}

void DibSurface::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour, int penWidth) {
  HPEN pen = CreatePen(PS_SOLID, penWidth, colour & 0x00FFFFFF);
  if (!pen) return;
  HGDIOBJ previous = SelectObject(dc_, pen);
  MoveToEx(dc_, static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)), nullptr);
  LineTo(dc_, static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)));
  SelectObject(dc_, previous);
  DeleteObject(pen);
}

}  // namespace zandor
