// Start-up, menu commands, mouse and keys mapped to cells, and where the loss log goes, through the window logic.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <map>

#include "invariants.h"
#include "support.h"
#include "ui/keys.h"
#include "ui/language_choice.h"

namespace zandor::test {
namespace {

// Every command but Exit, and F2, throw the game and score away; the program alone keeps one mark per menu.
TEST(Menus, StartUpThenEveryCommandButExitStartsANewMatch) {
  const struct { MenuItem item; Flag onePlayer; std::int16_t level; std::uint8_t turn; bool f2 = false; } cases[] = {
      {MenuItem::Restart, kTrue, 3, kO}, {MenuItem::TwoPlayer, kFalse, 3, 0}, {MenuItem::OnePlayer, kTrue, 3, kO},
      {MenuItem::Easiest, kTrue, 1, kO}, {MenuItem::Easy, kTrue, 2, kO},       {MenuItem::Medium, kTrue, 3, kO},
      {MenuItem::Hard, kTrue, 4, kO},    {MenuItem::Hardest, kTrue, 5, kO},    {MenuItem::Exit, kTrue, 3, kO},
      {MenuItem::Restart, kTrue, 3, kO, true}};  // F2 does what Restart does
  for (const auto& c : cases) {
    Rig rig;
    rig.Started();
    EXPECT_TRUE(rig.toolkit.creates == 1 && rig.toolkit.shown && rig.toolkit.focused) << "one window, keys work at once";
    EXPECT_EQ(rig.game.Difficulty * 10 + rig.game.Turn, 31) << "level 3, O to move";
    rig.game.Score = {0, 4, 2};
    rig.app.picMain_MouseUp(1, 0, 50, 50);  // the computer's reply takes the centre
    rig.app.picMain_MouseUp(1, 0, 250, 50);
    c.f2 ? rig.app.picMain_KeyDown(keys::kF2, 0) : rig.app.OnMenu(c.item);
    const bool exit = c.item == MenuItem::Exit;
    EXPECT_EQ(std::vector<int>({rig.toolkit.closed, rig.game.OnePlayer, rig.game.Difficulty, rig.game.Turn}),
              std::vector<int>({exit, c.onePlayer, c.level, c.turn})) << int(c.item);
    EXPECT_EQ(BoardString(rig.game) + std::to_string(rig.game.Score[1] * 10 + rig.game.Score[2]), exit ? "OXO.X....42" : ".........0");
    EXPECT_TRUE(exit || Broken(rig.game, rig.toolkit).empty()) << int(c.item) << Broken(rig.game, rig.toolkit);
  }
}

template <typename Input>
std::string After(bool onePlayer, std::uint8_t turn, bool gameOver, Input input) {
  Rig rig;
  rig.Started();
  rig.game.OnePlayer = onePlayer ? kTrue : kFalse;
  rig.game.Turn = turn;
  rig.game.GameOver = gameOver ? kTrue : kFalse;
  input(rig.app);
  return BoardString(rig.game);
}
std::string With(int cell, char mark) { return cell < 0 ? "........." : std::string(9, '.').replace(cell, 1, 1, mark); }

// Keys to cells: every key of the map is played through the Qt window (tests/qt).
TEST(Input, ReleasesAndKeysPlaceMarksWhereTheRulesAllow) {
  const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
  // Pixels to cells: (p - 50) / 100 rounded half to even, and only on the board, 0 < p <= 300.
  const struct { float x, y; int cell; } releases[] = {  // cell -1: ignored
      {250, 50, 2}, {100, 150, 3}, {200, 150, 5}, {300, 300, 8}, {100.01f, 300, 7}, {0.01f, 0.01f, 0}, {0, 150, -1},
      {150, 0, -1}, {300.01f, 150, -1}, {150, 300.01f, -1}, {-inf, 50, -1}, {nan, 150, -1}, {150, nan, -1}, {150, inf, -1}};
  for (const auto& r : releases) {
    EXPECT_EQ(After(false, 0, false, [&](App& a) { a.picMain_MouseUp(1, 0, r.x, r.y); }), With(r.cell, 'O')) << r.x << "," << r.y;
    EXPECT_EQ(CellAtPixel(r.x, r.y), r.cell) << "a screen reader names the cell a release there plays: " << r.x << "," << r.y;
  }
  // Nothing during the hold; keypad digits only for a second player, navigation keys whenever X may move.
  const auto click = [](App& a) { a.picMain_MouseUp(1, 0, 50, 50); };
  const auto digit = [](App& a) { a.Form_KeyDown(101, 0); };
  const auto clear = [](App& a) { a.HandleKey(keys::kClear, 0); };
  EXPECT_EQ(After(false, 0, true, click) + After(false, 0, true, digit) + After(false, kO, false, digit), std::string(27, '.'));
  EXPECT_EQ(After(true, 0, false, digit) + After(true, kO, false, clear) + After(true, 0, false, clear), With(-1, 0) + With(-1, 0) + With(4, 'X'));
}

TEST(AppFolder, ProgramFolderUnlessItRefusesWritingThenThePerUserFolder) {
  using Env = std::map<std::string, std::string>;
  const auto lookup = [](Env env) {
    return [env](const std::string& name) { return env.count(name) ? std::optional(env.at(name)) : std::nullopt; };
  };
  const struct { Env env; char separator; const char* folder; } cases[] = {
      {{{"XDG_DATA_HOME", "/x/data//"}, {"HOME", "/home/a"}}, '/', "/x/data/zandor/"},
      {{{"XDG_DATA_HOME", "data"}, {"HOME", "/home/a"}}, '/', "/home/a/.local/share/zandor/"},  // relative: ignored
      {{{"XDG_DATA_HOME", ""}, {"HOME", "/home/a"}}, '/', "/home/a/.local/share/zandor/"}, {{{"HOME", ""}}, '/', ""},
      {{{"LOCALAPPDATA", "C:\\Users\\a\\AppData\\Local"}, {"HOME", "/h"}}, '\\', "C:\\Users\\a\\AppData\\Local\\Zandor\\"},
      {{{"XDG_DATA_HOME", "/x"}, {"HOME", "/home/a"}}, '\\', ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UserDataFolder(lookup(c.env), c.separator), c.folder);
  EXPECT_EQ(AppFolderFrom("D:\\", '\\') + AppFolderFrom("/usr/games", '/') + AppFolderFrom("/", '/'), "D:\\/usr/games//");
#ifndef _WIN32
  // /proc refuses new files even to root: it stands for an installed game's folder.
  namespace fs = std::filesystem;
  const fs::path home = fs::temp_directory_path() / ("zandor-app-folder-" + std::to_string(std::random_device()()));
  fs::create_directories(home);
  std::ofstream(home / "file") << "not a folder";
  EXPECT_EQ(ResolveAppFolder(home.string(), '/', lookup({})), home.string() + "/") << "writable: kept";
  EXPECT_EQ(ResolveAppFolder("/proc", '/', lookup({{"XDG_DATA_HOME", home.string()}})), home.string() + "/zandor/");
  EXPECT_EQ(ResolveAppFolder("/proc", '/', lookup({{"XDG_DATA_HOME", (home / "file").string()}})), "/proc/");
  fs::remove_all(home);
#endif
}

// What a screen reader hears after each input: every move and reply, the result with its line and the score,
// whose turn it is, refusals; the keyboard's cell for O moves by Tab and plays by Space and Enter.
TEST(Narration, EachInputIsSaidWholeOnceHandled) {
  enum Kind { Release, Key, ShiftKey, Menu, Position };
  const struct { Kind kind; int arg; const char* said; const char* board; } steps[] = {
      {Key, keys::kTab, "", "........."}, {ShiftKey, keys::kTab, "", "........."}, {ShiftKey, keys::kTab, "", "........."},
      {Key, keys::kSpace, "O took the bottom right. X took the centre. O to move.", "....X...O"},
      {Key, keys::kReturn, "That cell is taken. O to move.", "....X...O"},
      {Key, keys::kUp, "It is not X's turn. O to move.", "....X...O"},
      {Release, 150 * 1000 + 150, "That cell is taken. O to move.", "....X...O"},
      {Position, kO, "", "OO.XX...."},
      {Release, 250 * 1000 + 100, "O took the top right. O wins: top row. Score: O 1, X 0. New game. "
                                  "X took the top left. O to move.", "X........"},
      {Menu, int(MenuItem::TwoPlayer), "Score: O 0, X 0. New game. O or X to move.", "........."},
      {Key, 105, "X took the top right. O to move.", "..X......"},
      {Key, 101, "It is not X's turn. O to move.", "..X......"},
      {Release, 300 * 1000 + 300, "O took the bottom right. X to move.", "..X.....O"},
      {Release, 1 * 1000 + 1, "It is not O's turn. X to move.", "..X.....O"},
      {Position, kX, "", "OXOOXXXO."},
      {Key, keys::kPageDown, "X took the bottom right. A draw: the board is full. Score: O 0, X 0. New game. "
                             "O or X to move.", "........."},
      {Key, keys::kF2, "Score: O 0, X 0. New game. O or X to move.", "........."},
  };
  Rig rig;
  rig.toolkit.app = &rig.app, rig.toolkit.listening = true;
  EXPECT_EQ(rig.Started().toolkit.cursor * 10 + rig.toolkit.cursorDrawn, 0) << "top left, not drawn until Tab is used";
  const int cursors[] = {1, 0, 8};  // Tab, then Shift+Tab twice: wrapping back to the bottom right
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const auto& s = steps[i];
    rig.toolkit.said.clear();
    if (s.kind == Position) SetBoard(rig.game, s.board, s.arg), rig.app.BoardShown();  // taken in silently
    if (s.kind == Release) rig.app.picMain_MouseUp(1, 0, float(s.arg / 1000), float(s.arg % 1000));
    if (s.kind == Key || s.kind == ShiftKey) rig.app.HandleKey(static_cast<std::int16_t>(s.arg), s.kind == ShiftKey);
    if (s.kind == Menu) rig.app.OnMenu(static_cast<MenuItem>(s.arg));
    EXPECT_TRUE(i >= 3 || rig.toolkit.cursor * 10 + rig.toolkit.cursorDrawn == cursors[i] * 10 + 1) << i;
    EXPECT_EQ(rig.toolkit.said, s.said[0] ? std::vector<std::string>{s.said} : std::vector<std::string>{}) << i;
    EXPECT_EQ(BoardString(rig.game), s.board) << i;
  }
  // Nothing is built or sent while nobody listens.
  Rig quiet;
  quiet.toolkit.app = &quiet.app;
  quiet.Started().app.picMain_MouseUp(1, 0, 50, 50);
  quiet.app.HandleKey(keys::kF2, 0);
  EXPECT_EQ(quiet.toolkit.said.size() + quiet.toolkit.renamed + quiet.app.narrator().Description().size(), 0u);
}

TEST(LanguageChoice, FirstPreferredLanguageWithATranslationThenWithoutItsRegion) {
  const std::vector<std::string> ours{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};  // i18n/
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"ca-ES", "es-ES"}, "es"}, {{"zh-SG"}, ""}, {{"pt-PT"}, ""}, {{"de-AT"}, "de"}, {{"ja-JP"}, "ja"},
      {{"en-GB", "de-DE"}, ""}, {{"pt-BR"}, "pt_BR"}, {{"zh-Hans-CN", "zh-CN"}, "zh_CN"}, {{"NL-be"}, "nl"},
      {{"sv-SE", "fr_CA"}, "fr"}, {{"", "de-CH", "en"}, "de"}, {{}, ""}, {{"eng", "it"}, "it"}};
  for (const auto& [preferred, expected] : cases)
    EXPECT_EQ(ChooseLanguage(preferred, ours), expected) << ::testing::PrintToString(preferred);
}

}  // namespace
}  // namespace zandor::test
