// The board as assistive technology reaches it on Windows: OLEACC's object for the window, its cells, a press.
#include <gtest/gtest.h>

#include "support.h"
#include "ui/win32/board_access.h"  // the Windows headers as the front end has them, with OLEACC's
#include "ui/win32/win32_toolkit.h"

namespace zandor {
namespace {

std::wstring Said(IAccessible* board, HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, BSTR*), VARIANT cell) {
  BSTR text = nullptr;
  std::wstring out = (board->*ask)(cell, &text) == S_OK && text ? text : L"(none)";
  SysFreeString(text);
  return out;
}

TEST(Win32Access, NineCellsNamedWhereTheyShowAndPressedLikeARelease) {
  const wchar_t* const kPlaces[9] = {L"top left",    L"top centre", L"top right",     L"middle left", L"centre",
                                     L"middle right", L"bottom left", L"bottom centre", L"bottom right"};
  test::Rig null{true};  // the same game pressed by a plain release at the centre, drawn by the null toolkit
  Win32Toolkit window{GetModuleHandleW(nullptr), SW_HIDE};
  Game game{window, null.clock, null.random};
  App app{game, window};
  window.SetApp(&app);
  app.Main();
  null.Started();
  IAccessible* board = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(window.board(), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&board)), S_OK);
  long count = 0, at[4] = {};
  EXPECT_TRUE(board->get_accChildCount(&count) == S_OK && count == 9) << count;
  POINT origin{0, 0};
  ClientToScreen(window.board(), &origin);
  VARIANT cell{}, role{};
  cell.vt = VT_I4;
  for (cell.lVal = 1; cell.lVal <= 9; ++cell.lVal) {
    const long n = cell.lVal - 1, expected[4] = {origin.x + n % 3 * 100, origin.y + n / 3 * 100, 100, 100};
    EXPECT_EQ(Said(board, &IAccessible::get_accName, cell), kPlaces[n] + std::wstring(L", empty"));
    EXPECT_EQ(Said(board, &IAccessible::get_accDefaultAction, cell), L"Press");
    EXPECT_TRUE(board->get_accRole(cell, &role) == S_OK && role.lVal == ROLE_SYSTEM_CELL) << n;
    EXPECT_EQ(board->accLocation(&at[0], &at[1], &at[2], &at[3], cell), S_OK);
    EXPECT_TRUE(std::equal(at, at + 4, expected)) << n << " at " << at[0] << "," << at[1] << " " << at[2] << "x" << at[3];
  }
  cell.lVal = 5;
  EXPECT_EQ(board->accDoDefaultAction(cell), S_OK);
  null.app.picMain_MouseUp(1, 0, 150, 150);
  // The press is posted: the messages run until the centre's name tells of the O, or ten seconds pass.
  for (const ULONGLONG end = GetTickCount64() + 10000; Said(board, &IAccessible::get_accName, cell) != L"centre, O";) {
    ASSERT_LT(GetTickCount64(), end) << "the press never arrived";
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  }
  EXPECT_EQ(test::BoardString(game)[4], 'O');
  EXPECT_EQ(test::BoardString(game), test::BoardString(null.game)) << "the computer answered as to a release";
  EXPECT_EQ(window.BoardImage(), null.toolkit.board) << "the screen shows what the release drew";
  board->Release();
}

}  // namespace
}  // namespace zandor
