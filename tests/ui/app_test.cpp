// Start-up, menu commands, mouse and keys mapped to cells, and where the loss log goes, through the window logic.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>

#include "invariants.h"
#include "support.h"
#include "ui/keys.h"
#ifndef _WIN32
#include <unistd.h>
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zandor::test {
namespace {

TEST(Startup, OpensFocusedOnAnEmptyOnePlayerBoardAtLevelThree) {
  Rig rig(true);
  rig.Started();
  EXPECT_EQ(rig.toolkit.creates, 1) << "the window is created once, on first use";
  EXPECT_TRUE(rig.toolkit.shown && rig.toolkit.focused) << "shown, and keys work without a click first";
  EXPECT_EQ(rig.game.OnePlayer, kTrue);
  EXPECT_EQ(rig.game.Difficulty, 3);
  EXPECT_EQ(rig.game.Turn, kO);
  EXPECT_EQ(Broken(rig.game, rig.toolkit), "");
  Image empty(kBoardSize, kBoardSize);
  Blit(empty, 0, 0, kBoardSize, kBoardSize, rig.toolkit.artwork, 0, 0, RasterOp::SrcCopy);
  EXPECT_TRUE(rig.toolkit.board == empty) << "the board shows the artwork's empty board";
}

// Every command but Exit throws the game and score away; the program alone keeps one mark per menu.
TEST(Menus, EveryCommandButExitStartsANewMatch) {
  const struct {
    MenuItem item;
    Flag onePlayer;
    std::int16_t level;
    std::uint8_t turn;
  } cases[] = {{MenuItem::Restart, kTrue, 3, kO}, {MenuItem::TwoPlayer, kFalse, 3, 0}, {MenuItem::OnePlayer, kTrue, 3, kO},
               {MenuItem::Easiest, kTrue, 1, kO}, {MenuItem::Easy, kTrue, 2, kO},       {MenuItem::Medium, kTrue, 3, kO},
               {MenuItem::Hard, kTrue, 4, kO},    {MenuItem::Hardest, kTrue, 5, kO},    {MenuItem::Exit, kTrue, 3, kX}};
  for (const auto& c : cases) {
    Rig rig;
    rig.Started();
    rig.game.Score = {0, 4, 2};
    rig.app.picMain_MouseUp(1, 0, 50, 50);  // the computer's reply takes the centre and O is to move
    rig.app.picMain_MouseUp(1, 0, 250, 50);
    rig.app.OnMenu(c.item);
    const bool exit = c.item == MenuItem::Exit;
    EXPECT_EQ(rig.toolkit.closed, exit);
    EXPECT_EQ(rig.game.OnePlayer, c.onePlayer);
    EXPECT_EQ(rig.game.Difficulty, c.level);
    EXPECT_EQ(rig.game.Turn, exit ? kO : c.turn);
    EXPECT_EQ(BoardString(rig.game), exit ? "OXO.X...." : ".........");
    EXPECT_EQ(rig.game.Score[1], exit ? 4 : 0);
    if (!exit) {
      EXPECT_EQ(Broken(rig.game, rig.toolkit), "") << int(c.item);
    }
  }
  Rig rig;
  rig.Started().app.SetDifficulty(6);  // no item for it: none is checked
  EXPECT_EQ(Broken(rig.game, rig.toolkit), "");
}

TEST(Input, ReleasesAndKeysPlaceMarksWhereTheRulesAllow) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  const struct {
    bool onePlayer;
    std::uint8_t turn;
    float x, y;        // a release, or with x < -1e3 the key y
    const char* after;  // the board after
    bool gameOver = false;
  } cases[] = {
      {false, 0, 150, 150, "....O...."}, {false, 0, 250, 50, "..O......"},   {false, 0, 100, 150, "...O....."},
      {false, 0, 200, 150, ".....O..."}, {false, 0, 300, 300, "........O"},  {false, 0, 0.01f, 0.01f, "O........"},
      {false, 0, 100.01f, 50, ".O......."}, {false, 0, 0, 150, "........."}, {false, 0, 150, 0, "........."},
      {false, 0, 300.01f, 150, "........."}, {false, 0, 150, 301, "........."}, {false, 0, -inf, 50, "........."},
      {false, 0, nan, 150, "........."}, {false, 0, 150, nan, "........."}, {false, 0, 150, inf, "........."},
      {false, 0, 50, 50, ".........", true},
      {false, 0, -1e4f, 103, "X........"}, {false, 0, -1e4f, 101, "....X...."}, {false, 0, -1e4f, 97, "......X.."},
      {false, 0, -1e4f, 99, "........X"}, {false, 0, -1e4f, keys::kHome, "X........"},
      {false, 0, -1e4f, keys::kUp, ".X......."}, {false, 0, -1e4f, keys::kPageUp, "..X......"},
      {false, 0, -1e4f, keys::kLeft, "...X....."}, {false, 0, -1e4f, keys::kClear, "....X...."},
      {false, 0, -1e4f, keys::kRight, ".....X..."}, {false, 0, -1e4f, keys::kEnd, "......X.."},
      {false, 0, -1e4f, keys::kDown, ".......X."}, {false, 0, -1e4f, keys::kPageDown, "........X"},
      {false, 0, -1e4f, '5', "........."}, {false, 0, -1e4f, 96, "........."}, {false, kO, -1e4f, 101, "........."},
      {false, 0, -1e4f, 101, ".........", true}, {true, 0, -1e4f, 101, "........."},
      {true, kO, -1e4f, keys::kClear, "........."}, {true, 0, -1e4f, keys::kClear, "....X...."},
  };
  for (const auto& c : cases) {
    Rig rig;
    rig.Started();
    rig.game.OnePlayer = c.onePlayer ? kTrue : kFalse;
    rig.game.Turn = c.turn;
    rig.game.GameOver = c.gameOver ? kTrue : kFalse;
    if (c.x < -1e3f) {
      rig.app.HandleKey(static_cast<std::int16_t>(c.y), 0);
    } else {
      rig.app.picMain_MouseUp(2, 7, c.x, c.y);  // any button, any modifier
    }
    EXPECT_EQ(BoardString(rig.game), c.after) << c.x << ", " << c.y;
  }
  for (std::int16_t shift : {0, 1, 2, 4, 7}) {  // F2 with any modifier starts a new match
    Rig rig;
    rig.Started().app.picMain_MouseUp(1, 0, 50, 50);
    rig.game.Score = {0, 3, 3};
    rig.app.picMain_KeyDown(keys::kF2, shift);
    EXPECT_EQ(BoardString(rig.game) + rig.toolkit.caption, ".........Zandor [O:0; X:0]");
  }
}

TEST(AppFolder, ProgramFolderUnlessItRefusesWritingThenThePerUserFolder) {
  using Env = std::map<std::string, std::string>;
  const struct {
    Env env;
    char separator;
    const char* folder;
  } cases[] = {
      {{{"XDG_DATA_HOME", "/x/data//"}, {"HOME", "/home/a"}}, '/', "/x/data/zandor/"},
      {{{"XDG_DATA_HOME", "/"}}, '/', "/zandor/"},
      {{{"XDG_DATA_HOME", "data"}, {"HOME", "/home/a"}}, '/', "/home/a/.local/share/zandor/"},
      {{{"XDG_DATA_HOME", ""}, {"HOME", "/home/a"}}, '/', "/home/a/.local/share/zandor/"},
      {{{"HOME", ""}}, '/', ""},
      {{{"LOCALAPPDATA", "C:\\Users\\a\\AppData\\Local"}, {"HOME", "/h"}}, '\\', "C:\\Users\\a\\AppData\\Local\\Zandor\\"},
      {{{"LOCALAPPDATA", "D:\\"}}, '\\', "D:\\Zandor\\"},
      {{{"XDG_DATA_HOME", "/x"}, {"HOME", "/home/a"}}, '\\', ""},
  };
  const auto lookup = [](Env env) {
    return [env](const std::string& name) -> std::optional<std::string> {
      return env.count(name) ? std::optional(env.at(name)) : std::nullopt;
    };
  };
  for (const auto& c : cases) EXPECT_EQ(UserDataFolder(lookup(c.env), c.separator), c.folder);
  for (const auto& [path, folder] : {std::pair{"D:\\", "D:\\"}, {"/usr/games", "/usr/games/"}, {"/", "/"}})
    EXPECT_EQ(AppFolderFrom(path, path[0] == 'D' ? '\\' : '/'), folder);
#ifndef _WIN32
  // /proc refuses new files even to root: it stands for an installed game's folder.
  namespace fs = std::filesystem;
  const fs::path home = fs::temp_directory_path() / ("zandor-app-folder-" + std::to_string(::getpid()));
  fs::create_directories(home);
  std::ofstream(home / "file") << "not a folder";
  EXPECT_EQ(ResolveAppFolder(home.string(), '/', lookup({})), home.string() + "/") << "writable: kept";
  EXPECT_EQ(ResolveAppFolder("/proc", '/', lookup({{"XDG_DATA_HOME", home.string()}})), home.string() + "/zandor/");
  EXPECT_EQ(ResolveAppFolder("/proc", '/', lookup({{"XDG_DATA_HOME", (home / "file").string()}})), "/proc/")
      << "no per-user folder can be made there";
  EXPECT_EQ(ResolveAppFolder("/no/such/folder", '/', lookup({{"HOME", home.string()}})), "/no/such/folder/");
  fs::remove_all(home);
#endif
}

// The fuzzer's saved inputs, each played through every handler with the rules checked after each event.
TEST(Fuzz, SavedInputsKeepEveryRule) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZANDOR_CORPUS)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++inputs;
  }
  EXPECT_GT(inputs, 0) << "a replay of nothing proves nothing";
}

}  // namespace
}  // namespace zandor::test
