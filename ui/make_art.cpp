// Build tool: runs the art code once, when the program is built, and writes its pixels as resources, so
// the program itself draws nothing at start.
//   make_art qt DIR     art-1x.rgb and art-2x.rgb (RGB32 rows as Qt keeps them in memory) and
//                       icon-16/32/64.argb (ARGB32), for a Qt resource read in place
//   make_art win32 DIR  art-1x.bmp and art-2x.bmp (24-bit) and zandor.ico (16, 24, 32, 48 and 256 pixels,
//                       32-bit with alpha), for the resource script
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ui/artwork.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<unsigned char>(v & 255));
  out.push_back(static_cast<unsigned char>((v >> 8) & 255));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool Write(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "make_art: could not write %s\n", path.c_str());
  return static_cast<bool>(out);
}

// Pixels as little-endian words, the top byte set to opaque unless the image carries its own alpha.
Bytes Raw(const zandor::Image& image, bool alpha) {
  Bytes out;
  for (std::uint32_t p : image.pixels) Put32(out, alpha ? p : 0xFF000000u | p);
  return out;
}

// A BITMAPINFOHEADER; icons state twice the height, for the colour rows and the mask rows.
void InfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageBytes) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  for (int i = 0; i < 4; ++i) Put32(out, 0);
}

// A 24-bit bottom-up BMP file, rows padded to four bytes.
Bytes Bmp(const zandor::Image& image) {
  const auto row = static_cast<std::uint32_t>((image.width * 3 + 3) & ~3);
  const std::uint32_t size = row * static_cast<std::uint32_t>(image.height);
  Bytes out;
  Put16(out, 0x4D42);  // "BM"
  Put32(out, 14 + 40 + size);
  Put32(out, 0);
  Put32(out, 14 + 40);
  InfoHeader(out, image.width, image.height, 24, size);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      out.push_back(static_cast<unsigned char>(p & 255));
      out.push_back(static_cast<unsigned char>((p >> 8) & 255));
      out.push_back(static_cast<unsigned char>((p >> 16) & 255));
    }
    out.insert(out.end(), row - static_cast<std::uint32_t>(image.width) * 3, 0);
  }
  return out;
}

// One icon image: 32-bit BGRA rows bottom-up, then the 1-bit AND mask (set where fully transparent),
// which older readers use instead of the alpha.
Bytes IconImage(const zandor::Image& icon) {
  const int size = icon.width, maskRow = ((size + 31) / 32) * 4;
  Bytes out;
  InfoHeader(out, size, size * 2, 32, static_cast<std::uint32_t>((size * 4 + maskRow) * size));
  for (int y = size - 1; y >= 0; --y)
    for (int x = 0; x < size; ++x) Put32(out, icon.At(x, y));
  for (int y = size - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(maskRow), 0);
    for (int x = 0; x < size; ++x)
      if ((icon.At(x, y) >> 24) == 0)
        row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes Ico(const std::vector<int>& sizes) {
  std::vector<Bytes> images;
  for (int size : sizes) images.push_back(IconImage(zandor::MakeIcon(size)));
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<unsigned>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<unsigned char>(sizes[i] & 255));  // 256 is written as 0
    out.push_back(static_cast<unsigned char>(sizes[i] & 255));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 32);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kind = argc == 3 ? argv[1] : "";
  if (kind != "qt" && kind != "win32") {
    std::fprintf(stderr, "usage: make_art qt|win32 OUTPUT_DIR\n");
    return 2;
  }
  const std::string dir = std::string(argv[2]) + "/";
  bool ok = true;
  for (int scale : {1, 2}) {
    const zandor::Image art = zandor::MakeArtwork(scale);
    const std::string name = dir + "art-" + std::to_string(scale) + "x";
    ok = ok && (kind == "qt" ? Write(name + ".rgb", Raw(art, false)) : Write(name + ".bmp", Bmp(art)));
  }
  if (kind == "qt") {
    for (int size : {16, 32, 64})
      ok = ok && Write(dir + "icon-" + std::to_string(size) + ".argb", Raw(zandor::MakeIcon(size), true));
  } else {
    ok = ok && Write(dir + "zandor.ico", Ico({16, 24, 32, 48, 256}));
  }
  return ok ? 0 : 1;
}
