// GDI's block transfers and lines on DIB sections, checked against the plain images of the null toolkit.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "game/game.h"
#include "ui/artwork.h"
#include "ui/image.h"
#include "ui/win32/dib_surface.h"

namespace zandor {
namespace {

struct Transfer {
  int x, y, width, height, srcX, srcY;
  RasterOp op;
};

// Both boards start as the artwork's empty board with one mark, so every operation meets a mixed destination.
const Image& Artwork() {
  static const Image artwork = MakeArtwork();
  return artwork;
}

struct Boards {
  const Image& artwork = Artwork();
  DibSurface gdiArtwork{artwork};
  Image plain{kBoardSize, kBoardSize};
  DibSurface gdi{kBoardSize, kBoardSize};

  void Apply(const Transfer& t) {
    Blit(plain, t.x, t.y, t.width, t.height, artwork, t.srcX, t.srcY, t.op);
    gdi.BlitFrom(gdiArtwork, t.x, t.y, t.width, t.height, t.srcX, t.srcY, t.op);
  }
  Boards() {
    Apply({0, 0, kBoardSize, kBoardSize, 0, 0, RasterOp::SrcCopy});
    Apply({MarkLeft(1), MarkTop(1), kOMask.width, kOMask.height, kOMask.x, kOMask.y, RasterOp::MergePaint});
    Apply({MarkLeft(1), MarkTop(1), kOImage.width, kOImage.height, kOImage.x, kOImage.y, RasterOp::SrcAnd});
  }
};

int Differences(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return -1;
  int n = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

TEST(DibSurface, HoldsAnImageUnchanged) {
  const Image& artwork = Artwork();
  EXPECT_EQ(DibSurface(artwork).ToImage(), artwork);
  EXPECT_EQ(DibSurface(7, 3).ToImage(), Image(7, 3, kWhite));
}

TEST(DibSurface, RasterOperationsMatchThePlainImages) {
  const Transfer cases[] = {
      // Each operation over a mark's place, the way the game uses them.
      {MarkLeft(0), MarkTop(0), kXMask.width, kXMask.height, kXMask.x, kXMask.y, RasterOp::MergePaint},
      {MarkLeft(0), MarkTop(0), kXImage.width, kXImage.height, kXImage.x, kXImage.y, RasterOp::SrcAnd},
      {MarkLeft(2), MarkTop(2), kOMask.width, kOMask.height, kOMask.x, kOMask.y, RasterOp::MergePaint},
      {MarkLeft(2), MarkTop(2), kOImage.width, kOImage.height, kOImage.x, kOImage.y, RasterOp::SrcAnd},
      // Over the O already placed, where destination and source both have colour.
      {MarkLeft(1), MarkTop(1), kXImage.width, kXImage.height, kXImage.x, kXImage.y, RasterOp::SrcAnd},
      {MarkLeft(1), MarkTop(1), kXMask.width, kXMask.height, kXMask.x, kXMask.y, RasterOp::MergePaint},
      {MarkLeft(1), MarkTop(1), kXImage.width, kXImage.height, kXImage.x, kXImage.y, RasterOp::SrcCopy},
      // Cut off by the board's right and bottom edges, and by its top-left corner.
      {260, 250, kXImage.width, kXImage.height, kXImage.x, kXImage.y, RasterOp::SrcCopy},
      {270, 270, kOMask.width, kOMask.height, kOMask.x, kOMask.y, RasterOp::MergePaint},
      {-30, -20, kOImage.width, kOImage.height, kOImage.x, kOImage.y, RasterOp::SrcAnd},
      // The whole board again, as NewGame copies it.
      {0, 0, kBoardSize, kBoardSize, 0, 0, RasterOp::SrcCopy},
  };
  for (const RasterOp op : {RasterOp::SrcCopy, RasterOp::MergePaint, RasterOp::SrcAnd}) {
    for (Transfer t : cases) {
      t.op = op;
      Boards boards;
      boards.Apply(t);
      EXPECT_EQ(Differences(boards.gdi.ToImage(), boards.plain), 0)
          << "op " << static_cast<int>(op) << " at " << t.x << "," << t.y << " from " << t.srcX << ","
          << t.srcY;
    }
  }
}

TEST(DibSurface, LongRandomSequencesStayPixelIdentical) {
  std::mt19937 engine(20240611);
  std::uniform_int_distribution<int> pos(-40, 320), size(1, 120), srcX(0, kArtWidth - 1),
      srcY(0, kArtHeight - 1), op(0, 2);
  Boards boards;
  for (int i = 0; i < 400; ++i) {
    Transfer t{pos(engine), pos(engine), size(engine), size(engine), 0, 0, static_cast<RasterOp>(op(engine))};
    // Sources stay inside the artwork, as they do in the game; destinations may leave the board.
    t.srcX = std::min(srcX(engine), kArtWidth - t.width);
    t.srcY = std::min(srcY(engine), kArtHeight - t.height);
    if (t.srcX < 0 || t.srcY < 0) continue;
    boards.Apply(t);
  }
  EXPECT_EQ(Differences(boards.gdi.ToImage(), boards.plain), 0);
}

// Distance from a pixel's centre to the segment.
double Distance(double px, double py, const Line& l) {
  const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  double t = ((px - l.x1) * dx + (py - l.y1) * dy) / (dx * dx + dy * dy);
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (l.x1 + t * dx), py - (l.y1 + t * dy));
}

TEST(DibSurface, StrikeLinesAreSolidRedAlongTheirSegment) {
  constexpr int kPen = 5;
  for (const Line& line : kLines) {
    DibSurface surface(kBoardSize, kBoardSize);
    surface.DrawLine(line.x1, line.y1, line.x2, line.y2, kStrikeColour, kPen);
    const Image image = surface.ToImage();
    int red = 0, strayed = 0, blended = 0;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = image.At(x, y);
        if (p == kWhite) continue;
        if (p != Rgb(255, 0, 0)) ++blended;
        if (Distance(x, y, line) > kPen) ++strayed;
        ++red;
      }
    const int length = static_cast<int>(std::hypot(line.x2 - line.x1, line.y2 - line.y1));
    EXPECT_EQ(blended, 0) << "a line is one solid colour";
    EXPECT_EQ(strayed, 0) << "nothing is drawn away from the segment";
    EXPECT_GE(red, length * (kPen - 1)) << "the stroke is as wide as the pen along all its length";
    const int mx = static_cast<int>((line.x1 + line.x2) / 2), my = static_cast<int>((line.y1 + line.y2) / 2);
    EXPECT_EQ(image.At(mx, my), Rgb(255, 0, 0));
  }
}

}  // namespace
}  // namespace zandor
