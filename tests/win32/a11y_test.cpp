// The board as assistive technology reaches it on Windows: OLEACC's object for the window, its cells, a press.
#include <gtest/gtest.h>

#include "support.h"
#include "ui/win32/board_access.h"  // the Windows headers as the front end has them, with OLEACC's
#include "ui/win32/win32_toolkit.h"

namespace zandor {
namespace {

const wchar_t* const kNames[9] = {L"top left, empty",    L"top centre, empty",    L"top right, empty",
                                  L"middle left, empty", L"centre, empty",        L"middle right, empty",
                                  L"bottom left, empty", L"bottom centre, empty", L"bottom right, empty"};

std::wstring Taken(BSTR text) {
  std::wstring out = text ? text : L"(none)";
  SysFreeString(text);
  return out;
}

TEST(Win32Access, NineCellsNamedWhereTheyShowAndPressedLikeARelease) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
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
  long count = 0;
  EXPECT_EQ(board->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 9);
  POINT origin{0, 0};
  ClientToScreen(window.board(), &origin);
  VARIANT cell{};
  cell.vt = VT_I4;
  for (cell.lVal = 1; cell.lVal <= 9; ++cell.lVal) {
    BSTR name = nullptr, action = nullptr;
    VARIANT role{};
    long at[4] = {};
    EXPECT_EQ(board->get_accName(cell, &name), S_OK);
    EXPECT_EQ(Taken(name), kNames[cell.lVal - 1]);
    EXPECT_EQ(board->get_accDefaultAction(cell, &action), S_OK);
    EXPECT_EQ(Taken(action), L"Press");
    EXPECT_EQ(board->get_accRole(cell, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_CELL);
    EXPECT_EQ(board->accLocation(&at[0], &at[1], &at[2], &at[3], cell), S_OK);
    const long n = cell.lVal - 1, expected[4] = {origin.x + n % 3 * 100, origin.y + n / 3 * 100, 100, 100};
    EXPECT_TRUE(std::equal(at, at + 4, expected)) << n << " at " << at[0] << "," << at[1] << " " << at[2] << "x" << at[3];
  }
  cell.lVal = 5;
  EXPECT_EQ(board->accDoDefaultAction(cell), S_OK);
  null.app.picMain_MouseUp(1, 0, 150, 150);
  BSTR name = nullptr;
  std::wstring said;
  // The press is posted: the messages run until the centre's name tells of the O, or ten seconds pass.
  for (const ULONGLONG end = GetTickCount64() + 10000; said != L"centre, O" && GetTickCount64() < end;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    board->get_accName(cell, &name);
    said = Taken(name);
  }
  EXPECT_EQ(said, L"centre, O");
  EXPECT_EQ(test::BoardString(game), test::BoardString(null.game));
  EXPECT_EQ(test::BoardString(game)[4], 'O');
  EXPECT_EQ(window.BoardImage(), null.toolkit.board) << "the screen shows what the release drew";
  board->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace zandor
