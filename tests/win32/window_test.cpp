// The real window driven through its messages, beside the null toolkit playing the same game.
#include <gtest/gtest.h>

#include <string>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "support.h"
#include "ui/app.h"
#include "ui/keys.h"
#include "ui/null_toolkit.h"
#include "ui/win32/program_folder.h"
#include "ui/win32/win32_toolkit.h"

namespace zandor {
namespace {

// The same start-up on the Win32 window and on the null toolkit; nothing waits.
struct Twin {
  Win32Toolkit window{GetModuleHandleW(nullptr), SW_HIDE};
  ManualClock clock;
  ScriptedRandom random;
  Game game{window, clock, random};
  App app{game, window};
  test::Rig null{true};

  Twin() {
    window.SetApp(&app);
    app.Main();
    null.app.Main();
  }
  HWND board() const { return window.board(); }
  // Chooses a menu item as a person does: through the id the menu bar itself holds.
  void Choose(int menu, int position) {
    HMENU popup = GetSubMenu(GetMenu(window.frame()), menu);
    SendMessageW(window.frame(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(popup, position), 0), 0);
  }
  void Release(UINT up, int x, int y) {
    SendMessageW(board(), up - 1, 0, MAKELPARAM(150, 150));  // the press, on the board
    SendMessageW(board(), up, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  void Key(WPARAM vk) { SendMessageW(board(), WM_KEYDOWN, vk, 1); }
  std::wstring Caption() const {
    wchar_t text[64] = {};
    GetWindowTextW(window.frame(), text, 64);
    return text;
  }
};

// Pixels that differ between two boards (-1 when their sizes differ): short messages on failure.
int Differences(const Image& a, const Image& b) {
  if (a.width != b.width || a.height != b.height) return -1;
  int n = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
  return text;
}

bool Checked(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

TEST(Win32Window, LayoutMenusAndFirstDisplay) {
  Twin twin;
  RECT client;
  GetClientRect(twin.window.frame(), &client);
  EXPECT_EQ(client.right, 302);
  EXPECT_EQ(client.bottom, 340);
  RECT board;
  GetClientRect(twin.board(), &board);
  EXPECT_EQ(board.right, 300);
  EXPECT_EQ(board.bottom, 300);

  HMENU bar = GetMenu(twin.window.frame());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), L"&File");
  EXPECT_EQ(MenuText(bar, 1), L"&Difficulty");
  const std::wstring file[] = {L"&Restart", L"&1 Player", L"&2 Player", L"E&xit"};
  const std::wstring levels[] = {L"&Silly Putty", L"&Beaver", L"&Induhvidual", L"&Wiz Kid", L"&Nerd God"};
  HMENU filePopup = GetSubMenu(bar, 0), levelPopup = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(filePopup), 4);
  ASSERT_EQ(GetMenuItemCount(levelPopup), 5);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(MenuText(filePopup, i), file[i]);
    EXPECT_EQ(Checked(filePopup, i), i == 1) << i;
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(MenuText(levelPopup, i), levels[i]);
    EXPECT_EQ(Checked(levelPopup, i), i == 2) << i;
  }
  EXPECT_EQ(twin.Caption(), L"Zandor [O:0; X:0]");
  EXPECT_EQ(Differences(twin.window.BoardImage(), twin.null.toolkit.board), 0);
  EXPECT_EQ(GetFocus(), twin.board()) << "keys reach the board without a click first";
}

TEST(Win32Window, MenuCommandsMoveTheCheckMarks) {
  Twin twin;
  HMENU bar = GetMenu(twin.window.frame());
  twin.Choose(1, 4);  // &Nerd God
  EXPECT_EQ(twin.game.Difficulty, 5);
  twin.Choose(0, 2);  // &2 Player
  EXPECT_EQ(twin.game.OnePlayer, kFalse);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Checked(GetSubMenu(bar, 1), i), i == 4) << i;
  EXPECT_FALSE(Checked(GetSubMenu(bar, 0), 1));
  EXPECT_TRUE(Checked(GetSubMenu(bar, 0), 2));
  twin.Choose(0, 1);  // &1 Player
  EXPECT_TRUE(Checked(GetSubMenu(bar, 0), 1));
  EXPECT_FALSE(Checked(GetSubMenu(bar, 0), 2));
}

TEST(Win32Window, MouseAndKeysPlayTheSameGameAsTheNullToolkit) {
  Twin twin;
  twin.Choose(0, 2);  // two players: the keyboard plays X
  twin.null.app.mnu2Ply_Click();

  struct Step {
    const char* what;
    UINT message;  // a button release, or 0 for a key
    int x, y;      // position, or the key in x
    const char* board;
  };
  const Step steps[] = {
      {"keypad 5 opens with X in the centre", 0, VK_NUMPAD5, 0, "....X...."},
      {"a second key waits for O", 0, VK_HOME, 0, "....X...."},
      {"right button at x=100 goes to the left column", WM_RBUTTONUP, 100, 150, "...OX...."},
      {"Home places X top left", 0, VK_HOME, 0, "X..OX...."},
      {"a release dragged off the top is ignored", WM_LBUTTONUP, 250, -30, "X..OX...."},
      {"a release dragged past the right edge is ignored", WM_LBUTTONUP, 460, 50, "X..OX...."},
      {"middle button at (300, 300) is the last cell", WM_MBUTTONUP, 300, 300, "X..OX...O"},
      {"Page Up places X top right", 0, VK_PRIOR, 0, "X.XOX...O"},
  };
  for (const Step& s : steps) {
    if (s.message) {
      twin.Release(s.message, s.x, s.y);
      twin.null.app.picMain_MouseUp(1, 0, static_cast<float>(s.x), static_cast<float>(s.y));
    } else {
      twin.Key(static_cast<WPARAM>(s.x));
      twin.null.app.picMain_KeyDown(static_cast<std::int16_t>(s.x), 0);
    }
    EXPECT_EQ(test::BoardString(twin.game), s.board) << s.what;
    EXPECT_EQ(Differences(twin.window.BoardImage(), twin.null.toolkit.board), 0) << s.what;
  }
  EXPECT_EQ(GetCapture(), nullptr) << "capture ends with the release";

  // X completes the top row: the win is struck, counted and a new game set up on both.
  twin.Release(WM_LBUTTONUP, 150, 250);
  twin.null.app.picMain_MouseUp(1, 0, 150, 250);
  twin.Key(VK_UP);
  twin.null.app.picMain_KeyDown(keys::kUp, 0);
  EXPECT_EQ(twin.Caption(), L"Zandor [O:0; X:1]");
  EXPECT_EQ(Differences(twin.window.BoardImage(), twin.null.toolkit.board), 0)
      << "the next game's empty board";

  twin.Key(VK_F2);
  EXPECT_EQ(twin.Caption(), L"Zandor [O:0; X:0]");
}

}  // namespace
}  // namespace zandor
