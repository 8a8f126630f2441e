// Start-up, menu commands and the mapping of mouse and keys to cells, through the window logic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support.h"
#include "ui/keys.h"

namespace zandor::test {
namespace {

constexpr MenuItem kModes[] = {MenuItem::OnePlayer, MenuItem::TwoPlayer};
constexpr MenuItem kLevels[] = {MenuItem::Easiest, MenuItem::Easy, MenuItem::Medium, MenuItem::Hard,
                                MenuItem::Hardest};

int CheckedCount(const NullToolkit& t, const MenuItem* items, int n) {
  int count = 0;
  for (int i = 0; i < n; ++i) count += t.IsChecked(items[i]);
  return count;
}

TEST(Startup, OpensOnAnEmptyOnePlayerBoardAtLevelThree) {
  Rig rig(true);
  rig.Started();
  EXPECT_EQ(rig.toolkit.creates, 1) << "the window is created once, on first use";
  EXPECT_TRUE(rig.toolkit.shown);
  EXPECT_TRUE(rig.toolkit.focused) << "keys work without a click first";
  EXPECT_EQ(rig.toolkit.caption, "Zandor [O:0; X:0]");
  EXPECT_TRUE(rig.toolkit.IsChecked(MenuItem::OnePlayer));
  EXPECT_FALSE(rig.toolkit.IsChecked(MenuItem::TwoPlayer));
  EXPECT_TRUE(rig.toolkit.IsChecked(MenuItem::Medium));
  EXPECT_EQ(CheckedCount(rig.toolkit, kLevels, 5), 1);
  EXPECT_EQ(rig.game.OnePlayer, kTrue);
  EXPECT_EQ(rig.game.Difficulty, 3);
  EXPECT_EQ(rig.game.Turn, kO);
  EXPECT_EQ(rig.game.AIPhase, 2);
  EXPECT_EQ(rig.game.LineRule, 0);
  EXPECT_EQ(rig.game.GameOver, kFalse);
  Image empty(kBoardSize, kBoardSize);
  Blit(empty, 0, 0, kBoardSize, kBoardSize, rig.toolkit.artwork, 0, 0, RasterOp::SrcCopy);
  EXPECT_TRUE(rig.toolkit.board == empty) << "the board shows the artwork's empty board";
}

TEST(AppFolder, AddsASeparatorUnlessThePathEndsInOne) {
  struct Case {
    const char* path;
    char separator;
    const char* folder;
  };
  const Case cases[] = {
      {"D:\\", '\\', "D:\\"},
      {"C:\\Games\\Grid", '\\', "C:\\Games\\Grid\\"},
      {"/usr/games", '/', "/usr/games/"},
      {"/", '/', "/"},
      {"/opt/zandor/", '/', "/opt/zandor/"},
  };
  for (const Case& c : cases) EXPECT_EQ(AppFolderFrom(c.path, c.separator), c.folder) << c.path;
}

TEST(Menus, EveryCommandButExitStartsANewMatchAndKeepsOneMarkPerMenu) {
  struct Case {
    MenuItem item;
    Flag onePlayer;
    std::int16_t difficulty;
    std::uint8_t turn;
  };
  const Case cases[] = {
      {MenuItem::Restart, kTrue, 3, kO},   {MenuItem::TwoPlayer, kFalse, 3, 0},
      {MenuItem::OnePlayer, kTrue, 3, kO}, {MenuItem::Easiest, kTrue, 1, kO},
      {MenuItem::Easy, kTrue, 2, kO},      {MenuItem::Medium, kTrue, 3, kO},
      {MenuItem::Hard, kTrue, 4, kO},      {MenuItem::Hardest, kTrue, 5, kO},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.Started();
    // A game in progress with a score, which every command must throw away.
    rig.game.Score[1] = 4;
    rig.game.Score[2] = 2;
    rig.random.SetFallback(0.0f);  // the computer's gate never fires: it plays its fixed reply
    rig.app.picMain_MouseUp(1, 0, 50, 50);
    ASSERT_EQ(rig.game.MoveCount, 2);
    rig.app.OnMenu(c.item);
    EXPECT_EQ(rig.game.OnePlayer, c.onePlayer);
    EXPECT_EQ(rig.game.Difficulty, c.difficulty);
    EXPECT_EQ(rig.game.Turn, c.turn);
    EXPECT_EQ(BoardString(rig.game), ".........");
    EXPECT_EQ(rig.toolkit.caption, "Zandor [O:0; X:0]");
    EXPECT_EQ(CheckedCount(rig.toolkit, kModes, 2), 1);
    EXPECT_EQ(rig.toolkit.IsChecked(MenuItem::OnePlayer), c.onePlayer == kTrue);
    EXPECT_EQ(CheckedCount(rig.toolkit, kLevels, 5), 1);
    EXPECT_TRUE(rig.toolkit.IsChecked(kLevels[c.difficulty - 1]));
  }
}

TEST(Menus, LevelOutsideTheMenuChecksNoItemButStillStartsAMatch) {
  for (std::uint8_t level : {0, 6, 255}) {
    Rig rig;
    rig.Started();
    rig.game.Score[1] = 7;
    rig.app.SetDifficulty(level);
    EXPECT_EQ(rig.game.Difficulty, level);
    EXPECT_EQ(CheckedCount(rig.toolkit, kLevels, 5), 0);
    EXPECT_EQ(rig.game.Score[1], 0);
  }
}

TEST(Menus, ExitClosesWithoutTouchingTheMatch) {
  Rig rig;
  rig.Started();
  rig.game.Score[2] = 3;
  rig.app.OnMenu(MenuItem::Exit);
  EXPECT_TRUE(rig.toolkit.closed);
  EXPECT_EQ(rig.game.Score[2], 3);
}

TEST(Mouse, ReleasePositionsMapToCells) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float x, y;
    int cell;  // -1: ignored
  };
  const Case cases[] = {
      {150, 150, 4},     {250, 50, 2},       {100, 150, 3},    {200, 150, 5},      {300, 300, 8},
      {0.01f, 0.01f, 0}, {100.01f, 50, 1},   {199.99f, 50, 1}, {0, 150, -1},       {150, 0, -1},
      {-5, 150, -1},     {300.01f, 150, -1}, {150, 301, -1},   {1e30f, 150, -1},   {150, inf, -1},
      {-inf, 50, -1},    {nan, 150, -1},     {150, nan, -1},   {70000, 70000, -1},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.Started();
    rig.app.mnu2Ply_Click();
    rig.app.picMain_MouseUp(2, 7, c.x, c.y);  // any button, any modifier
    const std::string board = BoardString(rig.game);
    std::string expected = ".........";
    if (c.cell >= 0) expected[static_cast<std::size_t>(c.cell)] = 'O';
    EXPECT_EQ(board, expected) << "release at " << c.x << ", " << c.y;
  }
}

TEST(Keys, CellKeysPlaceXOnlyWhereTheRulesAllow) {
  struct Case {
    const char* name;
    bool onePlayer;
    std::uint8_t turn;
    std::int16_t key;
    const char* board;
  };
  const Case cases[] = {
      {"keypad 7, two-player", false, 0, 103, "X........"},
      {"keypad 5, two-player", false, 0, 101, "....X...."},
      {"keypad 1, two-player", false, 0, 97, "......X.."},
      {"keypad 3, two-player", false, 0, 99, "........X"},
      {"Home", false, 0, keys::kHome, "X........"},
      {"Clear", false, 0, keys::kClear, "....X...."},
      {"Page Down", false, 0, keys::kPageDown, "........X"},
      {"Up", false, 0, keys::kUp, ".X......."},
      {"Left", false, 0, keys::kLeft, "...X....."},
      {"Right", false, 0, keys::kRight, ".....X..."},
      {"End", false, 0, keys::kEnd, "......X.."},
      {"Down", false, 0, keys::kDown, ".......X."},
      {"Page Up", false, 0, keys::kPageUp, "..X......"},
      {"top-row digit 5 is not a cell key", false, 0, '5', "........."},
      {"keypad 0 is not a cell key", false, 0, 96, "........."},
      {"keypad digit on O's turn", false, 1, 101, "........."},
      {"keypad digit in one-player mode", true, 0, 101, "........."},
      {"navigation key in one-player mode on O's turn", true, 1, keys::kClear, "........."},
      {"navigation key in one-player mode after a draw", true, 0, keys::kClear, "....X...."},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.Started();
    if (!c.onePlayer) rig.app.mnu2Ply_Click();
    rig.game.Turn = c.turn;
    rig.app.HandleKey(c.key, 0);
    EXPECT_EQ(BoardString(rig.game), c.board) << c.name;
  }
}

TEST(Keys, EveryCodeOutsideTheMapIsIgnored) {
  for (int code = -32768; code <= 32767; ++code) {
    const bool mapped = code == keys::kF2 || (code >= 97 && code <= 105) ||
                        (code >= keys::kPageUp && code <= keys::kDown) || code == keys::kClear;
    if (mapped) continue;
    Rig rig;
    rig.Started();
    rig.app.mnu2Ply_Click();
    rig.game.Score[1] = 1;
    rig.app.picMain_KeyDown(static_cast<std::int16_t>(code), 0);
    rig.app.Form_KeyDown(static_cast<std::int16_t>(code), 0);
    ASSERT_EQ(BoardString(rig.game), ".........") << code;
    ASSERT_EQ(rig.game.Score[1], 1) << code;
  }
}

TEST(Keys, F2StartsANewMatchWithAnyModifier) {
  for (std::int16_t shift : {0, 1, 2, 4, 7}) {
    Rig rig;
    rig.Started();
    rig.app.mnu2Ply_Click();
    rig.app.HandleKey(keys::kClear, 0);
    rig.game.Score[1] = 9;
    rig.app.HandleKey(keys::kF2, shift);
    EXPECT_EQ(BoardString(rig.game), ".........");
    EXPECT_EQ(rig.toolkit.caption, "Zandor [O:0; X:0]");
    EXPECT_EQ(rig.game.Turn, 0);
  }
}

TEST(TwoPlayer, MouseAndKeypadTakeTurns) {
  Rig rig;
  rig.Started();
  rig.app.mnu2Ply_Click();
  rig.app.HandleKey(101, 0);  // X opens in the centre
  rig.app.HandleKey(103, 0);  // refused: O's turn
  EXPECT_EQ(BoardString(rig.game), "....X....");
  rig.app.picMain_MouseUp(1, 0, 50, 50);
  rig.app.picMain_MouseUp(1, 0, 250, 50);  // refused: X's turn
  EXPECT_EQ(BoardString(rig.game), "O...X....");
  rig.app.HandleKey(103, 0);  // refused: taken
  rig.app.HandleKey(105, 0);
  EXPECT_EQ(BoardString(rig.game), "O.X.X....");
}

}  // namespace
}  // namespace zandor::test
