// The artwork's layout, and the pixels a mark, a strike line and a new game leave on the board.
#include "ui/artwork.h"

#include <gtest/gtest.h>

#include <vector>

#include "support.h"

namespace zandor::test {
namespace {

const Image& Art() {
  static const Image art = MakeArtwork();
  return art;
}

Image EmptyBoard() {
  Image board(kBoardSize, kBoardSize);
  Blit(board, 0, 0, kBoardSize, kBoardSize, Art(), 0, 0, RasterOp::SrcCopy);
  return board;
}

struct Sprite {
  const char* name;
  SpriteRect image, mask;
};
const Sprite kSprites[] = {{"X", kXImage, kXMask}, {"O", kOImage, kOMask}};

TEST(Artwork, MasksAreTheSpritesShapesOnWhite) {
  for (const Sprite& s : kSprites) {
    int inked = 0;
    for (int y = 0; y < s.image.height; ++y)
      for (int x = 0; x < s.image.width; ++x) {
        const std::uint32_t picture = Art().At(s.image.x + x, s.image.y + y);
        const std::uint32_t mask = Art().At(s.mask.x + x, s.mask.y + y);
        ASSERT_TRUE(mask == kWhite || mask == kBlack) << s.name << " mask at " << x << "," << y;
        ASSERT_EQ(mask == kBlack, picture != kWhite) << s.name << " at " << x << "," << y;
        inked += picture != kWhite;
        if (picture != kWhite) {
          // A red mark: red dominates, so it prints as red through SRCAND.
          ASSERT_GT((picture >> 16) & 255, 2 * ((picture >> 8) & 255)) << s.name;
        }
      }
    EXPECT_GT(inked, s.image.width * s.image.height / 6) << s.name << " is drawn, not blank";
  }
}

TEST(Artwork, SharedRowsAndUncopiedStripsStayWhite) {
  struct Strip {
    const char* name;
    int x0, y0, x1, y1;  // inclusive
  };
  const Strip strips[] = {
      {"rows 144-148 shared by the O picture and the X mask", 301, 144, 364, 148},
      {"column 300", 300, 0, 300, 299},
      {"column 369", 369, 0, 369, 299},
      {"rows 71-72 between X and O pictures", 300, 71, 369, 72},
      {"row 215 between the masks", 300, 215, 369, 215},
      {"rows 292-299 below the O mask", 300, 292, 369, 299},
      {"right of the O picture", 365, 73, 369, 143},
  };
  for (const Strip& s : strips)
    for (int y = s.y0; y <= s.y1; ++y)
      for (int x = s.x0; x <= s.x1; ++x)
        ASSERT_EQ(Art().At(x, y), kWhite) << s.name << " at " << x << "," << y;
}

TEST(Artwork, GridStrokesStayOutOfEveryMarkArea) {
  // Ink is the near-black of the grid; mark areas are x 20-87, y 18-93 of every cell.
  auto isInk = [](std::uint32_t p) {
    return ((p >> 16) & 255) < 80 && ((p >> 8) & 255) < 80 && (p & 255) < 80;
  };
  int strokes = 0;
  for (int y = 0; y < kBoardSize; ++y)
    for (int x = 0; x < kBoardSize; ++x) {
      const bool inMarkArea = x % 100 >= 20 && x % 100 <= 87 && y % 100 >= 18 && y % 100 <= 93;
      if (isInk(Art().At(x, y))) {
        ++strokes;
        ASSERT_FALSE(inMarkArea) << "grid ink at " << x << "," << y;
      }
    }
  EXPECT_GT(strokes, 4 * 250 * 5) << "four strokes of a few pixels' width are drawn";
}

TEST(Board, AMarkChangesExactlyItsShapeInsideItsBlock) {
  for (int cell = 0; cell < 9; ++cell) {
    for (const Sprite& s : kSprites) {
      Rig rig(true);
      rig.Started();
      rig.app.mnu2Ply_Click();
      const Image before = rig.toolkit.board;
      const std::uint8_t mark = s.image.x == kOImage.x && s.image.y == kOImage.y ? kO : kX;
      rig.game.PlaceMark(static_cast<std::uint8_t>(cell % 3), static_cast<std::uint8_t>(cell / 3), mark);
      const int left = MarkLeft(cell % 3), top = MarkTop(cell / 3);
      for (int y = 0; y < kBoardSize; ++y)
        for (int x = 0; x < kBoardSize; ++x) {
          const int sx = x - left, sy = y - top;
          const bool inBlock = sx >= 0 && sy >= 0 && sx < s.image.width && sy < s.image.height;
          const bool inShape = inBlock && Art().At(s.mask.x + sx, s.mask.y + sy) == kBlack;
          const std::uint32_t expected = inShape ? Art().At(s.image.x + sx, s.image.y + sy) : before.At(x, y);
          ASSERT_EQ(rig.toolkit.board.At(x, y), expected)
              << s.name << " in cell " << cell << " at " << x << "," << y;
        }
    }
  }
}

// Keeps a copy of the board as it was during the end-of-game hold.
struct HoldCamera final : Clock {
  NullToolkit* toolkit = nullptr;
  std::vector<Image> held;
  double now = 0;
  double Now() override { return now; }
  void Sleep(double s) override {
    held.push_back(toolkit->board);
    now += s;
  }
  float SecondsSinceMidnight() override { return 0; }
};

TEST(Board, StrikeLineIsPureRedAlongItsSegmentAndGoneInTheNextGame) {
  struct Case {
    const char* board;  // O completes a line by its mark on `cell`
    int cell;
    int line;
  };
  const Case cases[] = {{"OO.XX....", 2, 0}, {"XX.OO.X..", 5, 1}, {"X.X...OO.", 8, 2}, {"O.X...O.X", 3, 3},
                        {"XO..O.X..", 7, 4}, {"X.O.XO...", 8, 5}, {"OX..O.X..", 8, 6}, {"..OXO....", 6, 7}};
  for (const Case& c : cases) {
    NullToolkit toolkit(true);
    HoldCamera camera;
    camera.toolkit = &toolkit;
    ScriptedRandom random;
    Game game(toolkit, camera, random);
    game.NewMatch();
    SetBoard(game, c.board);
    game.Turn = kO;
    game.PlaceMark(static_cast<std::uint8_t>(c.cell % 3), static_cast<std::uint8_t>(c.cell / 3), kO);
    ASSERT_EQ(camera.held.size(), 1u) << c.board;
    const Line& line = kLines[c.line];
    for (int i = 0; i <= 20; ++i) {
      const float t = static_cast<float>(i) / 20;
      const int x = static_cast<int>(line.x1 + (line.x2 - line.x1) * t + 0.5f);
      const int y = static_cast<int>(line.y1 + (line.y2 - line.y1) * t + 0.5f);
      EXPECT_EQ(camera.held[0].At(x, y), Rgb(255, 0, 0)) << c.board << " at " << x << "," << y;
    }
    EXPECT_TRUE(toolkit.board == EmptyBoard()) << c.board << ": the next game starts on the empty board";
  }
}

TEST(Icon, UsesOnlyTheSixteenColours) {
  for (int size : {16, 32, 48}) {
    const Image icon = MakeIcon(size);
    ASSERT_EQ(icon.width, size);
    std::vector<std::uint32_t> used;
    for (std::uint32_t p : icon.pixels) {
      bool inPalette = false;
      for (std::uint32_t c : kIconPalette) inPalette |= c == p;
      ASSERT_TRUE(inPalette) << size;
      if (std::find(used.begin(), used.end(), p) == used.end()) used.push_back(p);
    }
    EXPECT_GE(used.size(), 4u) << size << ": a picture, not a blank square";
  }
}

}  // namespace
}  // namespace zandor::test
