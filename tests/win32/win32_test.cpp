// The Win32 window driven through its messages beside the null toolkit, and what Windows tells the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>
#include <string>

#include "support.h"
#include "ui/win32/board_access.h"  // with OLEACC's header, after the Windows headers as the front end has them
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
};

// The menus as text, "*" after an item with a check mark.
std::wstring Menus(HMENU menu) {
  std::wstring out;
  for (UINT i = 0; i < static_cast<UINT>(GetMenuItemCount(menu)); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
    HMENU sub = GetSubMenu(menu, static_cast<int>(i));
    out += text + std::wstring((GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) ? L"* " : L" ") +
           (sub ? L"(" + Menus(sub) + L") " : L"");
  }
  return out;
}

// A key (in a), a button release after a press on the board (at a, b), or menu a's item b.
struct Step {
  const char* what;
  UINT message;
  int a, b;
  MenuItem item;
  const char* board;
};
const Step kSteps[] = {
    {"&Nerd God", WM_COMMAND, 1, 4, MenuItem::Hardest, "........."},
    {"&2 Player", WM_COMMAND, 0, 2, MenuItem::TwoPlayer, "........."},
    {"keypad 5 opens with X in the centre", WM_KEYDOWN, VK_NUMPAD5, 0, {}, "....X...."},
    {"right button at x=100 goes to the left column", WM_RBUTTONUP, 100, 150, {}, "...OX...."},
    {"Home places X top left", WM_KEYDOWN, VK_HOME, 0, {}, "X..OX...."},
    {"a release dragged off the top is ignored", WM_LBUTTONUP, 250, -30, {}, "X..OX...."},
    {"a release dragged past the right edge is ignored", WM_LBUTTONUP, 460, 50, {}, "X..OX...."},
    {"middle button at (300, 300) is the last cell", WM_MBUTTONUP, 300, 300, {}, "X..OX...O"},
    {"Page Up places X top right", WM_KEYDOWN, VK_PRIOR, 0, {}, "X.XOX...O"},
    {"O below the centre", WM_LBUTTONUP, 150, 250, {}, "X.XOX..OO"},
    {"Up completes X's top row: counted, next game", WM_KEYDOWN, VK_UP, 0, {}, "........."},
    {"&1 Player", WM_COMMAND, 0, 1, MenuItem::OnePlayer, "........."},
};

TEST(Win32Window, PlaysTheSameGameAsTheNullToolkit) {
  Twin twin;
  HWND frame = twin.window.frame(), board = twin.window.board();
  const std::wstring menus =
      L"&File (&Restart &1 Player* &2 Player E&xit ) &Difficulty (&Silly Putty &Beaver ";
  EXPECT_EQ(Menus(GetMenu(frame)), menus + L"&Induhvidual* &Wiz Kid &Nerd God ) ");
  EXPECT_EQ(GetFocus(), board) << "keys reach the board without a click first";
  EXPECT_EQ(twin.window.BoardImage(), twin.null.toolkit.board);
  for (const Step& s : kSteps) {
    if (s.message == WM_COMMAND) {
      SendMessageW(frame, WM_COMMAND, GetMenuItemID(GetSubMenu(GetMenu(frame), s.a), s.b), 0);
      twin.null.app.OnMenu(s.item);
    } else if (s.message == WM_KEYDOWN) {
      SendMessageW(board, WM_KEYDOWN, static_cast<WPARAM>(s.a), 1);
      twin.null.app.picMain_KeyDown(static_cast<std::int16_t>(s.a), 0);
    } else {
      SendMessageW(board, s.message - 1, 0, MAKELPARAM(150, 150));
      SendMessageW(board, s.message, 0, MAKELPARAM(static_cast<WORD>(s.a), static_cast<WORD>(s.b)));
      twin.null.app.picMain_MouseUp(1, 0, static_cast<float>(s.a), static_cast<float>(s.b));
    }
    wchar_t caption[64] = {};
    GetWindowTextW(frame, caption, 64);
    EXPECT_EQ(test::BoardString(twin.game), s.board) << s.what;
    EXPECT_EQ(twin.window.BoardImage(), twin.null.toolkit.board) << s.what;
    EXPECT_EQ(Utf8FromWide(caption), twin.null.toolkit.caption) << s.what;
  }
  EXPECT_EQ(Menus(GetMenu(frame)), menus + L"&Induhvidual &Wiz Kid &Nerd God* ) ");
  EXPECT_EQ(GetCapture(), nullptr) << "capture ends with the release";
}

// Assistive technology's view through OLEACC: nine cells named where they show, and a press that is a release.
TEST(Win32Window, BoardOfNineCellsForAssistiveTechnology) {
  const wchar_t* const kPlaces[9] = {L"top left",    L"top centre", L"top right",     L"middle left", L"centre",
                                     L"middle right", L"bottom left", L"bottom centre", L"bottom right"};
  Twin twin;
  IAccessible* board = nullptr;
  auto Said = [&board](HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*), VARIANT cell) {
    BSTR text = nullptr;
    const std::wstring out = (board->*ask)(cell, &text) == S_OK && text ? text : L"(none)";
    return SysFreeString(text), out;
  };
  ASSERT_EQ(AccessibleObjectFromWindow(twin.window.board(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&board)), S_OK);
  long count = 0, at[4] = {};
  EXPECT_TRUE(board->get_accChildCount(&count) == S_OK && count == 9) << count;
  POINT origin{0, 0};
  ClientToScreen(twin.window.board(), &origin);
  VARIANT cell{}, role{};
  cell.vt = VT_I4;
  for (cell.lVal = 1; cell.lVal <= 9; ++cell.lVal) {
    const long n = cell.lVal - 1;
    EXPECT_EQ(Said(&IAccessible::get_accName, cell), kPlaces[n] + std::wstring(L", empty"));
    EXPECT_TRUE(Said(&IAccessible::get_accDefaultAction, cell) == L"Press" && board->get_accRole(cell, &role) == S_OK &&
                role.lVal == ROLE_SYSTEM_CELL) << n;
    EXPECT_EQ(board->accLocation(&at[0], &at[1], &at[2], &at[3], cell), S_OK);
    EXPECT_EQ(std::vector<long>(at, at + 4), std::vector<long>({origin.x + n % 3 * 100, origin.y + n / 3 * 100, 100, 100}));
  }
  cell.lVal = 2;  // top centre: a press that mixed rows and columns would land elsewhere
  EXPECT_EQ(board->accDoDefaultAction(cell), S_OK);
  twin.null.app.picMain_MouseUp(1, 0, 150, 50);
  // The press is posted: the messages run until the cell's name tells of the O, or ten seconds pass.
  for (const ULONGLONG end = GetTickCount64() + 10000; Said(&IAccessible::get_accName, cell) != L"top centre, O";) {
    ASSERT_LT(GetTickCount64(), end) << "the press never arrived";
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  }
  EXPECT_EQ(test::BoardString(twin.game), test::BoardString(twin.null.game)) << "the computer answered as to a release";
  EXPECT_EQ(twin.window.BoardImage(), twin.null.toolkit.board) << "the screen shows what the release drew";
  board->Release();
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
  const std::map<std::string, std::string> expected{{"en-US", "12/14/2001 9:26:53 PM"}, {"de-DE", "14.12.2001 21:26:53"}};
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  const std::string user = Utf8FromWide(name), wanted = std::getenv("ZANDOR_LOCALE") ? std::getenv("ZANDOR_LOCALE") : user;
  EXPECT_EQ(user, wanted);
  if (expected.count(user)) {
    EXPECT_EQ(RegionalDateTimeText(when), expected.at(user));
  }
}

// zandor.exe's menus in the user's interface language, from its resources; run under English and German.
TEST(Win32Window, MenusInTheUsersLanguage) {
  const std::map<LANGID, std::wstring> expected{
      {0x0409, L"&File (&Restart &1 Player &2 Player E&xit ) &Difficulty (&Silly Putty &Beaver &Induhvidual "
               L"&Wiz Kid &Nerd God ) "},
      {0x0407, L"&Datei (Neu &starten &1 Spieler &2 Spieler &Beenden ) &Schwierigkeit (&Wackelpudding "
               L"&Flei\u00dfiges Lieschen &Otto Normalspieler Wunder&kind &Nerdgott ) "}};
  HMODULE exe = LoadLibraryExW(ZANDOR_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  ASSERT_EQ(expected.count(GetUserDefaultUILanguage()), 1u) << GetUserDefaultUILanguage();
  Win32Toolkit window{exe, SW_HIDE};
  window.CreateWindow();
  EXPECT_EQ(Menus(GetMenu(window.frame())), expected.at(GetUserDefaultUILanguage()));
}

}  // namespace
}  // namespace zandor
