// frmMain, picMain and BackBuffer made of Win32 windows and GDI memory DCs, with events passed to App.
#include "ui/win32/win32_toolkit.h"

#include <cstdlib>
#include <stdexcept>

#include "game/game.h"
#include "ui/app.h"
#include "ui/board_words.h"
#include "ui/menu_texts.h"
#include "ui/notice.h"
#include "ui/win32/board_access.h"
#include "ui/win32/program_folder.h"
#include "ui/win32/resource.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace zandor {

namespace {

constexpr wchar_t kFrameClass[] = L"ZandorFrame";
constexpr wchar_t kBoardClass[] = L"ZandorBoard";
constexpr UINT kMenuBase = 100;  // command id of a menu item: kMenuBase + its MenuItem
constexpr int kLabelId = 2;
constexpr int kBoardId = 1;

UINT CommandOf(MenuItem item) { return kMenuBase + static_cast<UINT>(item); }

// The modifier keys as the handlers count them: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

// The toolkit a window belongs to, stored with the window when it is created.
Win32Toolkit* ToolkitOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Win32Toolkit*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The window's DPI where Windows tells it (Windows 10 on), the screen's otherwise; looked up at run time so
// the program still starts on older Windows.
UINT DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (getDpi && window)
    if (const UINT dpi = getDpi(window); dpi > 0) return dpi;
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

// The artwork compiled in at build time (a 24-bit bottom-up bitmap), as a surface: the program draws nothing
// at start, and carries no code that could.
std::unique_ptr<DibSurface> ArtworkSurface(HINSTANCE instance, int scale) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(scale > 1 ? IDB_ART2X : IDB_ART1X), RT_BITMAP);
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const auto* info = loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
  if (!info || info->biBitCount != 24 || info->biWidth != kArtWidth * scale ||
      info->biHeight != kArtHeight * scale)
    throw std::runtime_error("the artwork is missing from the program's resources");
  const auto* bits = reinterpret_cast<const unsigned char*>(info) + info->biSize;
  const std::size_t row = static_cast<std::size_t>(info->biWidth * 3 + 3) & ~std::size_t{3};
  Image art(info->biWidth, info->biHeight);
  for (int y = 0; y < art.height; ++y) {
    const unsigned char* p = bits + static_cast<std::size_t>(art.height - 1 - y) * row;
    for (int x = 0; x < art.width; ++x, p += 3) art.At(x, y) = Rgb(p[2], p[1], p[0]);
  }
  return std::make_unique<DibSurface>(art);
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance, int showCommand)
    : instance_(instance), showCommand_(showCommand), text_(instance, PreferredUiLanguages()) {
  // The board's words for assistive technology in the same language; the copy reads the module's
  // resources, which stay loaded as long as the program runs.
  words::SetTranslator([text = text_](const char* context, const char* english) {
    return Utf8FromWide(text(context, english));
  });
}

Win32Toolkit::~Win32Toolkit() {
  if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
  if (noticeFont_) DeleteObject(noticeFont_);
}

void Win32Toolkit::RegisterClasses() {
  // Shared icons belong to the module and live as long as the classes that use them.
  bigIcon_ =
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_ZANDOR), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
  smallIcon_ =
      static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_ZANDOR), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));

  WNDCLASSEXW frame{};
  frame.cbSize = sizeof frame;
  frame.lpfnWndProc = &Win32Toolkit::FrameProc;
  frame.hInstance = instance_;
  frame.hIcon = bigIcon_;
  frame.hIconSm = smallIcon_;
  frame.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  frame.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  frame.lpszClassName = kFrameClass;

  WNDCLASSEXW board{};
  board.cbSize = sizeof board;
  board.lpfnWndProc = &Win32Toolkit::BoardProc;
  board.hInstance = instance_;
  board.hCursor = frame.hCursor;
  board.hbrBackground = nullptr;  // WM_PAINT covers every pixel
  board.lpszClassName = kBoardClass;

  for (const WNDCLASSEXW* c : {&frame, &board})
    if (!RegisterClassExW(c))
      throw std::runtime_error("could not register the window classes");
}

HMENU Win32Toolkit::BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU difficulty = CreatePopupMenu();
  const auto add = [this](HMENU menu, MenuItem item) {
    AppendMenuW(menu, MF_STRING, CommandOf(item),
                text_(kMenuContext, kMenuItemCaptions[static_cast<std::size_t>(item)]).c_str());
  };
  for (MenuItem item : kFileMenuItems) add(file, item);
  for (MenuItem item : kDifficultyMenuItems) add(difficulty, item);
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), text_(kMenuContext, kFileMenuCaption).c_str());
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(difficulty),
              text_(kMenuContext, kDifficultyMenuCaption).c_str());
  return bar;
}

void Win32Toolkit::CreateWindow() {
  if (frame_) return;
  RegisterClasses();
  menu_ = BuildMenu();

  // Not resizable: the board and the label have fixed places.
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  ratio_ = DpiOf(nullptr) / 96.0;
  RECT outer{0, 0, Px(kClientWidth), Px(kClientHeight)};
  AdjustWindowRectEx(&outer, style, TRUE, 0);
  frame_ =
      CreateWindowExW(0, kFrameClass, L"Zandor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                      outer.right - outer.left, outer.bottom - outer.top, nullptr, menu_, instance_, this);
  if (!frame_) throw std::runtime_error("could not create the main window");
  ApplyDpi(DpiOf(frame_));

  board_ = CreateWindowExW(0, kBoardClass, L"picMain", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0,
                           Px(kBoardSize), Px(kBoardSize), frame_,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kBoardId)), instance_, this);
  label_ =
      CreateWindowExW(0, L"STATIC", text_(kNoticeContext, kNoticeText).c_str(),
                      WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, Px(16), Px(304), Px(281), Px(33), frame_,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kLabelId)), instance_, nullptr);
  if (!board_ || !label_) throw std::runtime_error("could not create the board");
  Layout();
  FitNotice();
}

void Win32Toolkit::ApplyDpi(UINT dpi) {
  ratio_ = dpi / 96.0;
  const int scale = ratio_ > 1.0 ? 2 : 1;
  if (scale == scale_) return;
  scale_ = scale;
  artwork_ = ArtworkSurface(instance_, scale_);
  picture_ = std::make_unique<DibSurface>(kBoardSize * scale_, kBoardSize * scale_);
  for (const DrawOp& op : log_.ops()) Draw(op);
}

void Win32Toolkit::Layout() {
  // A menu bar that wraps onto a second line makes the client area shorter than planned: grow the frame.
  RECT client, outer;
  GetClientRect(frame_, &client);
  GetWindowRect(frame_, &outer);
  if (client.bottom != Px(kClientHeight) || client.right != Px(kClientWidth))
    SetWindowPos(frame_, nullptr, 0, 0, outer.right - outer.left + Px(kClientWidth) - client.right,
                 outer.bottom - outer.top + Px(kClientHeight) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (board_) MoveWindow(board_, 0, 0, Px(kBoardSize), Px(kBoardSize), TRUE);
  if (label_) MoveWindow(label_, Px(16), Px(304), Px(281), Px(33), TRUE);
}

void Win32Toolkit::FitNotice() {
  if (!label_) return;
  const UINT dpi = static_cast<UINT>(ratio_ * 96 + 0.5);
  using ForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = reinterpret_cast<ForDpiFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!forDpi || !forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    // Before Windows 10 the font comes for the screen's DPI only.
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof metrics.lfMessageFont, &metrics.lfMessageFont);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi),
                                            static_cast<int>(DpiOf(nullptr)));
  }
  LOGFONTW font = metrics.lfMessageFont;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(label_, text.data(), static_cast<int>(text.size()))));
  RECT box;
  GetClientRect(label_, &box);
  HDC dc = GetDC(label_);
  HFONT made = nullptr;
  for (double points = std::abs(font.lfHeight) * 72.0 / dpi;; points -= 0.5) {
    font.lfHeight = -static_cast<int>(points * dpi / 72 + 0.5);
    if (made) DeleteObject(made);
    made = CreateFontIndirectW(&font);
    const HGDIOBJ before = SelectObject(dc, made);
    RECT need = box;
    DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, before);
    // Stops at the last size that fits, or where the next step would go below 6 pt.
    if ((need.right <= box.right && need.bottom <= box.bottom) || points < 6.5) break;
  }
  ReleaseDC(label_, dc);
  SendMessageW(label_, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
  if (noticeFont_) DeleteObject(noticeFont_);
  noticeFont_ = made;
}

void Win32Toolkit::ShowWindow() {
  if (!shownBefore_) {
    shownBefore_ = true;
    // Centred on the screen's work area the first time only; later the player's placement stands.
    RECT area, outer;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(frame_, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(frame_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::ShowWindow(frame_, showCommand_);
  } else {
    ::ShowWindow(frame_, SW_SHOW);
  }
  UpdateWindow(frame_);
}

void Win32Toolkit::FocusWindow() {
  SetForegroundWindow(frame_);
  SetFocus(board_);
}

void Win32Toolkit::CloseAndExit() {
  DestroyWindow(frame_);
  ExitProcess(0);
}

std::string Win32Toolkit::ProgramFolder() { return Utf8FromWide(FolderOfModulePath(ModulePath())); }

void Win32Toolkit::BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) {
  if (!picture_) return;  // no surfaces before the window exists
  Draw(log_.Blit(x, y, width, height, srcX, srcY, op));
  if (app_ != nullptr) app_->narrator().NoteBitBlt(x, y, width, height, op);
}

void Win32Toolkit::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) {
  if (!picture_) return;
  Draw(log_.Line(x1, y1, x2, y2, colourBgr));
}

void Win32Toolkit::Draw(const DrawOp& op) {
  const int s = scale_;
  if (op.line)  // the toolkit's colour is already a COLORREF (0x00BBGGRR); the pen widens with the board
    picture_->DrawLine(op.x1 * s, op.y1 * s, op.x2 * s, op.y2 * s, static_cast<COLORREF>(op.colourBgr),
                       kPenWidth * s);
  else
    picture_->BlitFrom(*artwork_, op.x * s, op.y * s, op.width * s, op.height * s, op.srcX * s, op.srcY * s,
                       op.op);
}

void Win32Toolkit::Refresh() {
  GdiFlush();
  // Painted before returning: a pause may follow at once and dispatches nothing.
  if (board_) RedrawWindow(board_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  // A zero-length wait that dispatches nothing: a window system that batches painted pixels until the
  // thread goes idle (Wine does) shows them now, not after the pause that may follow.
  MsgWaitForMultipleObjectsEx(0, nullptr, 0, 0, 0);
  if (app_ != nullptr) app_->BoardShown();
}

// Someone listens once assistive technology has asked for the board's object.
bool Win32Toolkit::AccessibilityActive() { return accessible_ != nullptr; }

void Win32Toolkit::Announce(const std::string& text, unsigned changedCells) {
  if (board_ == nullptr || accessible_ == nullptr) return;
  for (LONG cell = 0; cell < 9; ++cell)
    if (changedCells & (1u << cell)) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, board_, OBJID_CLIENT, cell + 1);
  if (text.empty()) return;
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, board_, OBJID_CLIENT, CHILDID_SELF);
  // Screen readers speak an alert wherever the focus is: the board's alert child is named by what was said.
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, board_, OBJID_CLIENT, BoardAccessible::kAlertChild);
  NotifyWinEvent(EVENT_SYSTEM_ALERT, board_, OBJID_CLIENT, BoardAccessible::kAlertChild);
}

void Win32Toolkit::SetCursor(int cell, bool drawn) {
  if (board_ != nullptr && (drawn || cursorDrawn_) && (cell != cursor_ || drawn != cursorDrawn_))
    InvalidateRect(board_, nullptr, FALSE);
  cursor_ = cell;
  cursorDrawn_ = drawn;
  NotifyFocus();
}

void Win32Toolkit::NotifyFocus() {
  // The keyboard's cell is the focused object while the board has the keyboard focus.
  if (accessible_ != nullptr && board_ != nullptr && GetFocus() == board_)
    NotifyWinEvent(EVENT_OBJECT_FOCUS, board_, OBJID_CLIENT, cursor_ + 1);
}

void Win32Toolkit::SetCaption(const std::string& text) { SetWindowTextW(frame_, WideFromUtf8(text).c_str()); }

void Win32Toolkit::SetChecked(MenuItem item, bool checked) {
  CheckMenuItem(menu_, CommandOf(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Toolkit::MouseUp(std::int16_t button, WPARAM wParam, LPARAM lParam) {
  // Capture ends with the last button held; the release goes to the handler wherever it happened.
  if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2)) == 0 &&
      GetCapture() == board_)
    ReleaseCapture();
  // Signed: after a drag off the top or left edge the position is negative. The handlers count in 1x pixels.
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  if (app_)
    app_->picMain_MouseUp(button, ShiftState(), static_cast<float>(x / ratio_),
                          static_cast<float>(y / ratio_));
}

LRESULT CALLBACK Win32Toolkit::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Toolkit* self = ToolkitOf(window, message, lParam);
  return self ? self->OnFrame(window, message, wParam, lParam)
              : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Toolkit::BoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Toolkit* self = ToolkitOf(window, message, lParam);
  return self ? self->OnBoard(window, message, wParam, lParam)
              : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Toolkit::OnFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      if (HIWORD(wParam) == 0 && lParam == 0 && id >= kMenuBase &&
          id < kMenuBase + static_cast<UINT>(kMenuItemCount)) {
        if (app_) app_->OnMenu(static_cast<MenuItem>(id - kMenuBase));
        return 0;
      }
      break;
    }
    case WM_DPICHANGED: {
      // Moved to a screen of another scale: the suggested frame, the children and the board follow it.
      ApplyDpi(HIWORD(wParam));
      const RECT* r = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      FitNotice();
      if (board_) InvalidateRect(board_, nullptr, FALSE);
      return 0;
    }
    case WM_SETTINGCHANGE:
      // A new system font reaches the notice, as the desktop's font reaches the Qt window's.
      if (wParam == SPI_SETNONCLIENTMETRICS) FitNotice();
      break;
    case WM_SETFOCUS:
      // The board is the one child that takes the keyboard.
      if (board_) SetFocus(board_);
      return 0;
    case WM_KEYDOWN:
      if (app_) app_->Form_KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF), ShiftState());
      return 0;
    case WM_SYSKEYDOWN:
      // Keys held with Alt, and F10, arrive here: modifiers make no difference to the game, and the
      // default handling still opens the menus by their access keys and closes on Alt+F4.
      if (app_) app_->Form_KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF), ShiftState());
      break;
    case WM_DESTROY:
      if (window == frame_) {
        frame_ = nullptr;
        board_ = nullptr;
        label_ = nullptr;
        PostQuitMessage(0);
      }
      return 0;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Toolkit::OnBoard(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      const RECT& r = paint.rcPaint;
      RECT client;
      GetClientRect(window, &client);
      if (client.right == picture_->width()) {
        ::BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture_->dc(), r.left, r.top,
                 SRCCOPY);
      } else {  // a fractional scale: the 2x picture resized smoothly
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, client.right, client.bottom, picture_->dc(), 0, 0, picture_->width(),
                   picture_->height(), SRCCOPY);
      }
      // The keyboard's cell, once the player has moved it: over what is shown, never into the kept picture.
      if (cursorDrawn_ && GetFocus() == window) {
        RECT cell{client.right * (cursor_ % 3) / 3, client.bottom * (cursor_ / 3) / 3,
                  client.right * (cursor_ % 3 + 1) / 3, client.bottom * (cursor_ / 3 + 1) / 3};
        InflateRect(&cell, -Px(4), -Px(4));
        DrawFocusRect(dc, &cell);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      // Held until the release, so a release after dragging off the board still comes here.
      SetCapture(window);
      SetFocus(window);
      return message == WM_XBUTTONDOWN ? TRUE : 0;
    case WM_LBUTTONUP: MouseUp(1, wParam, lParam); return 0;
    case WM_RBUTTONUP: MouseUp(2, wParam, lParam); return 0;
    case WM_MBUTTONUP: MouseUp(4, wParam, lParam); return 0;
    case WM_XBUTTONUP: MouseUp(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? 8 : 16, wParam, lParam); return TRUE;
    case kPressCellMessage:  // assistive technology's press: the release a mouse makes at the cell's centre
      if (app_) app_->PressCell(static_cast<int>(wParam));
      return 0;
    case WM_GETOBJECT:
      if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT) && app_ != nullptr) {
        // COM carries the object to other processes; started here, so a game nobody reads never loads it.
        if (accessible_ == nullptr) {
          comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
          accessible_ = new BoardAccessible(window, *app_);
          app_->BoardShown();  // the cells' names from the board as it stands, mid-game too
        }
        return LresultFromObject(__uuidof(IAccessible), wParam, accessible_);
      }
      break;
    case WM_DESTROY:
      if (accessible_ != nullptr) {
        accessible_->Disconnect();
        accessible_->Release();
        accessible_ = nullptr;
        if (comStarted_) CoUninitialize();
        comStarted_ = false;
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The cue shows only while the board has the keyboard; assistive technology hears of the cell.
      if (cursorDrawn_) InvalidateRect(window, nullptr, FALSE);
      if (message == WM_SETFOCUS) NotifyFocus();
      return 0;
    case WM_KEYDOWN:
      if (app_) app_->picMain_KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF), ShiftState());
      return 0;
    case WM_SYSKEYDOWN:  // as the frame: the game sees the key, then the menus and Alt+F4 do
      if (app_) app_->picMain_KeyDown(static_cast<std::int16_t>(wParam & 0xFFFF), ShiftState());
      break;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zandor
