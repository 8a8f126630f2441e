// The Win32 window through its messages, read back from the screen, and what Windows tells the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "support.h"
#include "ui/artwork.h"
#include "ui/notice.h"
#include "ui/win32/board_access.h"  // with OLEACC's header, after the Windows headers as the front end has them
#include "ui/win32/program_folder.h"
#include "ui/win32/regional_time.h"
#include "ui/win32/win32_toolkit.h"

namespace zandor {
namespace {

// A square of a window's client area as the screen shows it (white past the window), once it has painted.
Image Screen(HWND window, int size) {
  for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
  Image image(size, size);
  HDC dc = GetDC(window);
  for (int i = 0; i < size * size; ++i) image.pixels[i] = PixelFromBgr(GetPixel(dc, i % size, i / size));
  ReleaseDC(window, dc);
  return image;
}

// The board at scale s composed from the artwork's layout: the empty board, then each mark's mask with
// MERGEPAINT and its picture with SRCAND at (100 column + 20, 100 row + 18), every coordinate times s.
Image Board(int s, const std::string& cells) {
  static const Image art[] = {MakeArtwork(1), MakeArtwork(2)};
  Image board(300 * s, 300 * s);
  Blit(board, 0, 0, 300 * s, 300 * s, art[s - 1], 0, 0, RasterOp::SrcCopy);
  for (int i = 0; i < 9; ++i) {
    const int o = cells[i] == 'O', x = (i % 3 * 100 + 20) * s, y = (i / 3 * 100 + 18) * s;
    const int w = (cells[i] == '.' ? 0 : o ? 64 : 68) * s, h = (o ? 76 : 71) * s;  // a free cell: nothing
    Blit(board, x, y, w, h, art[s - 1], 301 * s, (o ? 216 : 144) * s, RasterOp::MergePaint);
    Blit(board, x, y, w, h, art[s - 1], 301 * s, (o ? 73 : 0) * s, RasterOp::SrcAnd);
  }
  return board;
}

// The menus as text, "*" after an item with a check mark.
std::wstring Menus(HMENU menu) {
  std::wstring out;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
    out += text + std::wstring(GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED ? L"* " : L" ");
    if (HMENU sub = GetSubMenu(menu, i)) out += L"(" + Menus(sub) + L") ";
  }
  return out;
}

// What the screen shows after a key (in a), a button release after a press on the board (at a, b), menu
// a's item b, or a move to a screen of another dpi.
struct Step {
  const char *what, *board;
  UINT message;
  int a, b, dpi;
};
const Step kSteps[] = {
    {"&Nerd God", ".........", WM_COMMAND, 1, 4, 96},
    {"&2 Player", ".........", WM_COMMAND, 0, 2, 96},
    {"right button", "...O.....", WM_RBUTTONUP, 50, 150, 96},
    {"keypad 5 on the board", "...OX....", WM_KEYDOWN, VK_NUMPAD5, 0, 96},
    {"moved to a screen of 144 dpi", "...OX....", WM_DPICHANGED, 0, 0, 144},
    {"a click at 144 dpi, in that screen's pixels", "...OX..O.", WM_LBUTTONUP, 180, 400, 144},
    {"Home at 144 dpi", "X..OX..O.", WM_KEYDOWN, VK_HOME, 0, 144},
    {"moved to a screen of 192 dpi", "X..OX..O.", WM_DPICHANGED, 0, 0, 192},
    {"a middle-button click at 192 dpi", "X..OXO.O.", WM_MBUTTONUP, 500, 300, 192},
};

struct Started {  // the program as it starts, with a manual clock and scripted draws
  Win32Toolkit window{GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE};
  ManualClock clock;
  ScriptedRandom random;
  Game game{window, clock, random};
  App app{game, window};
  Started() { window.SetApp(&app), app.Main(); }
};

TEST(Win32Window, PlaysThroughItsMessagesAtEachScreenScale) {
  Started started;
  Win32Toolkit& window = started.window;
  HWND frame = window.frame(), board = window.board();
  SetFocus(frame);  // as when the window is activated, at start or after a switch to another window
  EXPECT_EQ(GetFocus(), board) << "keys reach the board without a click first";
  for (const Step& s : kSteps) {
    RECT suggested{0, 0, 302 * s.dpi / 96, 340 * s.dpi / 96}, client;  // the frame grows to this client area
    if (s.message == WM_COMMAND)
      SendMessageW(frame, WM_COMMAND, GetMenuItemID(GetSubMenu(GetMenu(frame), s.a), s.b), 0);
    else if (s.message == WM_KEYDOWN)
      SendMessageW(board, WM_KEYDOWN, static_cast<WPARAM>(s.a), 1);
    else if (s.message == WM_DPICHANGED)
      SendMessageW(frame, WM_DPICHANGED, MAKEWPARAM(s.dpi, s.dpi), reinterpret_cast<LPARAM>(&suggested));
    else  // a press on the board, then the release wherever it happens
      SendMessageW(board, s.message - 1, 0, MAKELPARAM(150, 150)),
          SendMessageW(board, s.message, 0, MAKELPARAM(static_cast<WORD>(s.a), static_cast<WORD>(s.b)));
    GetClientRect(frame, &client);
    EXPECT_EQ(client.right * 1000 + client.bottom, 302 * s.dpi / 96 * 1000 + 340 * s.dpi / 96) << s.what;
    // At 144 dpi the 2x picture is shown smoothed; the real-window run at that scale judges it.
    EXPECT_TRUE(s.dpi == 144 || Screen(board, 300 * s.dpi / 96).pixels == Board(s.dpi / 96, s.board).pixels) << s.what;
  }
  EXPECT_EQ(Menus(GetMenu(frame)),
            L"&File (&Restart &1 Player &2 Player* E&xit ) &Difficulty ("
            L"&Silly Putty &Beaver &Induhvidual &Wiz Kid &Nerd God* ) ");
  EXPECT_EQ(GetCapture(), nullptr) << "capture ends with the release";
}

// The cell under a point is the one a release there plays (pixel 100, once named as the middle column, is the left
// one), and a screen reader's press is a release there.
TEST(Win32Window, BoardCellsHitAndPressedAsAReleaseThere) {
  Started started;
  IAccessible* board = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(started.window.board(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&board)), S_OK);
  POINT origin{0, 0};
  ClientToScreen(started.window.board(), &origin);
  VARIANT cell{};
  cell.vt = VT_I4;
  const long kHits[][3] = {{100, 100, 1}, {101, 100, 2}, {200, 150, 6}, {101, 250, 8}, {0, 299, CHILDID_SELF}};
  for (const auto& [x, y, child] : kHits)
    EXPECT_TRUE(board->accHitTest(origin.x + x, origin.y + y, &cell) == S_OK && cell.lVal == child) << x << "," << y;
  cell.lVal = 2;  // top centre: a press that mixed rows and columns would land elsewhere
  EXPECT_EQ(board->accDoDefaultAction(cell), S_OK);
  // The press is posted: the messages run until the board shows the O there, or ten seconds pass.
  for (const ULONGLONG end = GetTickCount64() + 10000; test::BoardString(started.game)[1] != 'O';) {
    ASSERT_LT(GetTickCount64(), end) << "the press never arrived: " << test::BoardString(started.game);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  }
  board->Release();
}

TEST(Win32Platform, FolderOfTheExecutable) {
  const wchar_t* cases[][2] = {
      {L"C:\\Games\\Grid\\zandor.exe", L"C:\\Games\\Grid"},     {L"D:\\zandor.exe", L"D:\\"},
      {L"\\\\server\\share\\zandor.exe", L"\\\\server\\share"}, {L"\\\\?\\E:\\zandor.exe", L"\\\\?\\E:\\"},
      {L"\\\\?\\E:\\Spiele\\zandor.exe", L"\\\\?\\E:\\Spiele"}, {L"zandor.exe", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOfModulePath(c[0]), c[1]) << Utf8FromWide(c[0]);
}

// The Windows test stage runs this alone under each locale of the table, naming it in ZANDOR_LOCALE.
TEST(Win32Platform, LogTimeInTheUsersRegionalFormat) {
  const std::map<std::string, std::string> expected{{"en-US", "12/14/2001 9:26:53 PM"},
                                                    {"de-DE", "14.12.2001 21:26:53"}};
  const char* locale = std::getenv("ZANDOR_LOCALE");
  ASSERT_TRUE(locale && expected.count(locale)) << "ZANDOR_LOCALE names none of the table's locales";
  EXPECT_EQ(RegionalDateTimeText({2001, 12, 5, 14, 21, 26, 53, 0}), expected.at(locale));
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

// Every language's notice from zandor.exe in the label at 96, 144 and 192 dpi, under the message font and one half
// as large again, wraps inside its box in the message font for that dpi, or a smaller one when that one does not.
TEST(Win32Window, EveryNoticeFitsItsBoxAtEachDpi) {
  HMODULE exe = LoadLibraryExW(ZANDOR_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  Win32Toolkit window{GetModuleHandleW(nullptr), SW_SHOWNOACTIVATE};
  window.CreateWindow();
  HWND label = FindWindowExW(window.frame(), nullptr, L"STATIC", nullptr);
  NONCLIENTMETRICSW saved{}, set{}, system{};
  saved.cbSize = system.cbSize = sizeof saved;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved, &saved, 0);
  HDC dc = GetDC(label);
  const auto fits = [dc, label](const LOGFONTW& font, const std::wstring& text) {
    RECT box, need = (GetClientRect(label, &box), box);
    const HGDIOBJ before = SelectObject(dc, CreateFontIndirectW(&font));
    DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return DeleteObject(SelectObject(dc, before)), need.right <= box.right && need.bottom <= box.bottom;
  };
  for (const LONG grow : {2, 3}) {  // halves of the message font's size
    set = saved, set.lfMessageFont.lfHeight = saved.lfMessageFont.lfHeight * grow / 2;
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof set, &set, 0);
    for (const char* language : {"en", "de", "es", "fr", "it", "ja", "nl", "pl", "pt-BR", "ru", "zh-CN"}) {
      const std::wstring text = Translation(exe, {language})(kNoticeContext, kNoticeText);
      EXPECT_EQ(text == L"Mouse plays O, keypad plays X. F2:\u00a0new\u00a0match.", std::string(language) == "en")
          << language;
      SetWindowTextW(label, text.c_str());
      for (const int dpi : {96, 144, 192}) {
        RECT suggested{0, 0, 400 * dpi / 96, 400 * dpi / 96};
        SendMessageW(window.frame(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0, dpi));
        LOGFONTW used{}, &message = system.lfMessageFont;
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof used, &used);
        EXPECT_TRUE(fits(used, text)) << language << " at " << dpi << " dpi, height " << used.lfHeight;
        EXPECT_TRUE(fits(message, text) ? used.lfHeight == message.lfHeight : used.lfHeight > message.lfHeight)
            << language << " at " << dpi << " dpi: " << used.lfHeight << " for " << message.lfHeight;
      }
    }
  }
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved, &saved, 0);
}

}  // namespace
}  // namespace zandor
