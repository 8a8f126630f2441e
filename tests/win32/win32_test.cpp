// The Win32 window driven through its messages beside the null toolkit, and what Windows tells the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support.h"
#include "ui/win32/program_folder.h"
#include "ui/win32/regional_time.h"
#include "ui/win32/win32_toolkit.h"

namespace zandor {
namespace {

// The same start-up on a hidden Win32 window and on the null toolkit; nothing waits.
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
    null.Started();
  }
  std::string Caption() const {
    wchar_t text[64] = {};
    GetWindowTextW(window.frame(), text, 64);
    return Utf8FromWide(text);
  }
  // The menus as text, "*" after an item with a check mark; `checks` gets one digit per item.
  std::wstring Menus(std::string* checks = nullptr) const {
    std::wstring out;
    HMENU bar = GetMenu(window.frame());
    for (UINT m = 0; m < static_cast<UINT>(GetMenuItemCount(bar)); ++m) {
      wchar_t text[64] = {};
      GetMenuStringW(bar, m, text, 64, MF_BYPOSITION);
      out += std::wstring(text) + L":";
      HMENU popup = GetSubMenu(bar, static_cast<int>(m));
      for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(popup)); ++i) {
        const bool on = (GetMenuState(popup, i, MF_BYPOSITION) & MF_CHECKED) != 0;
        GetMenuStringW(popup, i, text, 64, MF_BYPOSITION);
        out += L" " + std::wstring(text) + (on ? L"*" : L"");
        if (checks) *checks += on ? '1' : '0';
      }
      out += L";";
    }
    return out;
  }
};

struct Step {
  const char* what;
  UINT message;  // a key, a button release after a press on the board, or a menu command
  int a, b;      // the key in a; the release's position; the menu and the item's place in it
  MenuItem item;
  const char* board;
};
const Step kSteps[] = {
    {"&Nerd God", WM_COMMAND, 1, 4, MenuItem::Hardest, "........."},
    {"&2 Player", WM_COMMAND, 0, 2, MenuItem::TwoPlayer, "........."},
    {"keypad 5 opens with X in the centre", WM_KEYDOWN, VK_NUMPAD5, 0, {}, "....X...."},
    {"a second key waits for O", WM_KEYDOWN, VK_HOME, 0, {}, "....X...."},
    {"right button at x=100 goes to the left column", WM_RBUTTONUP, 100, 150, {}, "...OX...."},
    {"Alt+Home places X top left", WM_SYSKEYDOWN, VK_HOME, 0, {}, "X..OX...."},
    {"a release dragged off the top is ignored", WM_LBUTTONUP, 250, -30, {}, "X..OX...."},
    {"a release dragged past the right edge is ignored", WM_LBUTTONUP, 460, 50, {}, "X..OX...."},
    {"middle button at (300, 300) is the last cell", WM_MBUTTONUP, 300, 300, {}, "X..OX...O"},
    {"Page Up places X top right", WM_KEYDOWN, VK_PRIOR, 0, {}, "X.XOX...O"},
    {"O below the centre", WM_LBUTTONUP, 150, 250, {}, "X.XOX..OO"},
    {"Up completes X's top row: counted, next game", WM_KEYDOWN, VK_UP, 0, {}, "........."},
    {"Alt+F2 starts a new match", WM_SYSKEYDOWN, VK_F2, 0, {}, "........."},
    {"&1 Player", WM_COMMAND, 0, 1, MenuItem::OnePlayer, "........."},
};

TEST(Win32Window, PlaysTheSameGameAsTheNullToolkit) {
  Twin twin;
  RECT client, board;
  GetClientRect(twin.window.frame(), &client);
  GetClientRect(twin.window.board(), &board);
  EXPECT_EQ(client.right * 1000 + client.bottom, 302340);
  EXPECT_EQ(board.right * 1000 + board.bottom, 300300);
  EXPECT_EQ(twin.Menus(), L"&File: &Restart &1 Player* &2 Player E&xit;"
                          L"&Difficulty: &Silly Putty &Beaver &Induhvidual* &Wiz Kid &Nerd God;");
  EXPECT_EQ(twin.Caption(), "Zandor [O:0; X:0]");
  EXPECT_EQ(GetFocus(), twin.window.board()) << "keys reach the board without a click first";
  EXPECT_EQ(twin.window.BoardImage(), twin.null.toolkit.board);

  bool scored = false;
  for (const Step& s : kSteps) {
    if (s.message == WM_COMMAND) {
      HMENU popup = GetSubMenu(GetMenu(twin.window.frame()), s.a);
      SendMessageW(twin.window.frame(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(popup, s.b), 0), 0);
      twin.null.app.OnMenu(s.item);
    } else if (s.message == WM_KEYDOWN || s.message == WM_SYSKEYDOWN) {
      SendMessageW(twin.window.board(), s.message, static_cast<WPARAM>(s.a), s.message == WM_SYSKEYDOWN ? 1 | 1 << 29 : 1);
      twin.null.app.picMain_KeyDown(static_cast<std::int16_t>(s.a), 0);
    } else {
      SendMessageW(twin.window.board(), s.message - 1, 0, MAKELPARAM(150, 150));
      SendMessageW(twin.window.board(), s.message, 0, MAKELPARAM(static_cast<WORD>(s.a), static_cast<WORD>(s.b)));
      twin.null.app.picMain_MouseUp(1, 0, static_cast<float>(s.a), static_cast<float>(s.b));
    }
    std::string checks, nullChecks;
    twin.Menus(&checks);
    for (bool on : twin.null.toolkit.checked) nullChecks += on ? '1' : '0';
    EXPECT_EQ(test::BoardString(twin.game), s.board) << s.what;
    EXPECT_EQ(twin.window.BoardImage(), twin.null.toolkit.board) << s.what;
    EXPECT_EQ(checks, nullChecks) << s.what;
    EXPECT_EQ(twin.Caption(), twin.null.toolkit.caption) << s.what;
    scored = scored || twin.Caption() != "Zandor [O:0; X:0]";
  }
  EXPECT_TRUE(scored) << "the twins compared a score too";
  EXPECT_EQ(GetCapture(), nullptr) << "capture ends with the release";
}

TEST(Win32Platform, FolderOfTheExecutableAndWideText) {
  const wchar_t* cases[][2] = {
      {L"C:\\Games\\Grid\\zandor.exe", L"C:\\Games\\Grid"},     {L"D:\\zandor.exe", L"D:\\"},
      {L"\\\\server\\share\\zandor.exe", L"\\\\server\\share"}, {L"\\\\?\\E:\\zandor.exe", L"\\\\?\\E:\\"},
      {L"\\\\?\\E:\\Spiele\\zandor.exe", L"\\\\?\\E:\\Spiele"}, {L"zandor.exe", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOfModulePath(c[0]), c[1]) << Utf8FromWide(c[0]);
  const std::wstring wide = L"C:\\K\u00e4se \u4e95\u5b57\\\U0001F3B2";
  EXPECT_EQ(Utf8FromWide(wide), "C:\\K\xc3\xa4se \xe4\xba\x95\xe5\xad\x97\\\xf0\x9f\x8e\xb2");
  EXPECT_EQ(WideFromUtf8(Utf8FromWide(wide)), wide);
}

// The Windows test stage runs this under each locale of the table, naming it in ZANDOR_LOCALE.
TEST(Win32Platform, LogTimeInTheUsersRegionalFormat) {
  const SYSTEMTIME when{2001, 12, 5, 14, 21, 26, 53, 0};  // two-digit day and month, read alike everywhere
  const char* cases[][2] = {{"en-US", "12/14/2001 9:26:53 PM"}, {"de-DE", "14.12.2001 21:26:53"}};
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  const std::string user = Utf8FromWide(name), text = RegionalDateTimeText(when);
  if (const char* wanted = std::getenv("ZANDOR_LOCALE")) {
    EXPECT_EQ(user, wanted);
  }
  for (const auto& c : cases) {
    if (user == c[0]) {
      EXPECT_EQ(text, c[1]);
    }
  }
  EXPECT_NE(text.find("26"), std::string::npos) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos) << text;
}

}  // namespace
}  // namespace zandor
