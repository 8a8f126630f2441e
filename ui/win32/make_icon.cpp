// Build tool, run on the build machine: writes the program icon (16 and 32 pixels, 16 colours) as an .ico
// file.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "ui/artwork.h"

namespace {

void Put16(std::vector<unsigned char>& out, unsigned v) {
  out.push_back(static_cast<unsigned char>(v & 255));
  out.push_back(static_cast<unsigned char>((v >> 8) & 255));
}
void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int PaletteIndex(std::uint32_t pixel) {
  for (int i = 0; i < 16; ++i)
    if (zandor::kIconPalette[static_cast<std::size_t>(i)] == pixel) return i;
  return -1;
}

// One icon image: a BITMAPINFOHEADER of double height, the 16-colour palette, 4-bit colour rows and
// 1-bit mask rows, both bottom-up and padded to 32 bits. The icon is square and fully opaque.
bool IconImage(int size, std::vector<unsigned char>& out) {
  const zandor::Image icon = zandor::MakeIcon(size);
  const int colourRow = ((size * 4 + 31) / 32) * 4, maskRow = ((size + 31) / 32) * 4;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(size * 2));
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>((colourRow + maskRow) * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (std::uint32_t c : zandor::kIconPalette) Put32(out, c & 0x00FFFFFF);  // stored B, G, R, 0
  for (int y = size - 1; y >= 0; --y) {
    std::vector<unsigned char> row(static_cast<std::size_t>(colourRow), 0);
    for (int x = 0; x < size; ++x) {
      const int index = PaletteIndex(icon.At(x, y));
      if (index < 0) return false;
      row[static_cast<std::size_t>(x / 2)] |= static_cast<unsigned char>(x % 2 ? index : index << 4);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  out.insert(out.end(), static_cast<std::size_t>(maskRow * size), 0);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  const int sizes[] = {32, 16};
  std::vector<std::vector<unsigned char>> images;
  for (int size : sizes) {
    images.emplace_back();
    if (!IconImage(size, images.back())) {
      std::fprintf(stderr, "make_icon: the %d-pixel icon uses a colour outside its palette\n", size);
      return 1;
    }
  }
  std::vector<unsigned char> file;
  Put16(file, 0);
  Put16(file, 1);  // an icon, not a cursor
  Put16(file, static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<unsigned char>(sizes[i]));
    file.push_back(static_cast<unsigned char>(sizes[i]));
    file.push_back(16);  // colours
    file.push_back(0);
    Put16(file, 1);  // planes
    Put16(file, 4);  // bits per pixel
    Put32(file, static_cast<std::uint32_t>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_icon: could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
