// Memory DCs over DIB sections, whose pixels the program can read and write directly.
#include "ui/win32/dib_surface.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

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

Image DibSurface::ToImage() const {
  GdiFlush();
  Image image(width_, height_);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = bits_[i] & 0x00FFFFFF;
  return image;
}

bool DibSurface::SaveBmp(const std::wstring& path) const {
  const Image image = ToImage();
  const DWORD rowBytes = static_cast<DWORD>((width_ * 3 + 3) & ~3);
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height_);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + imageBytes;
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = height_;  // positive: bottom-up, what every reader expects
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = imageBytes;
  std::vector<unsigned char> data(imageBytes, 0);
  for (int y = 0; y < height_; ++y) {
    unsigned char* row = data.data() + static_cast<std::size_t>(height_ - 1 - y) * rowBytes;
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t p = image.At(x, y);
      row[x * 3] = static_cast<unsigned char>(p & 255);
      row[x * 3 + 1] = static_cast<unsigned char>((p >> 8) & 255);
      row[x * 3 + 2] = static_cast<unsigned char>((p >> 16) & 255);
    }
  }
  // Written beside the target and then moved over it, so a reader never sees half a file.
  const std::wstring temporary = path + L".part";
  HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(handle, &file, sizeof file, &written, nullptr) && written == sizeof file &&
            WriteFile(handle, &info, sizeof info, &written, nullptr) && written == sizeof info &&
            WriteFile(handle, data.data(), imageBytes, &written, nullptr) && written == imageBytes;
  ok = CloseHandle(handle) && ok;
  if (ok) ok = MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

}  // namespace zandor
