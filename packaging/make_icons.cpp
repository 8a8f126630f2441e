// Build-time tool: writes the window icon at each requested size as PNG, for the desktop's icon theme.
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/artwork.h"

// Usage: make_icons OUTPUT_DIR SIZE...  writes OUTPUT_DIR/SIZExSIZE/zandor.png for each size.
int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  const std::string outDir = argv[1];
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 1 || size > 1024) {
      std::fprintf(stderr, "bad icon size: %s\n", argv[i]);
      return 2;
    }
    const zandor::Image icon = zandor::MakeIcon(size);
    // The icon's pixels are 0xAARRGGBB, transparent outside its tile: Qt's ARGB32 exactly.
    QImage image(icon.width, icon.height, QImage::Format_ARGB32);
    for (int y = 0; y < icon.height; ++y)
      for (int x = 0; x < icon.width; ++x) image.setPixel(x, y, icon.At(x, y));
    const std::string path = outDir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/zandor.png";
    if (!image.save(QString::fromStdString(path), "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
