// The toolkit over the Win32 API: frmMain with its menus, the picMain board window and two GDI surfaces.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/toolkit.h"
#include "ui/board_narrator.h"
#include "ui/draw_log.h"
#include "ui/win32/dib_surface.h"
#include "ui/win32/translation.h"
#include "ui/win32/win32.h"

namespace zandor {

class App;
class BoardAccessible;

class Win32Toolkit final : public Toolkit {
 public:
  // showCommand is what the program was started with (wWinMain's last argument), used on first show. The
  // menus and the notice are in the user's interface language when the instance carries its translation.
  Win32Toolkit(HINSTANCE instance, int showCommand);
  ~Win32Toolkit() override;
  Win32Toolkit(const Win32Toolkit&) = delete;
  Win32Toolkit& operator=(const Win32Toolkit&) = delete;

  // The handlers that window events go to; events before this is set are dropped.
  void SetApp(App* app) { app_ = app; }

  void BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) override;
  void Refresh() override;
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) override;
  void SetCaption(const std::string& text) override;
  void SetChecked(MenuItem item, bool checked) override;
  void CreateWindow() override;
  void ShowWindow() override;
  void FocusWindow() override;
  void CloseAndExit() override;
  std::string ProgramFolder() override;
  bool AccessibilityActive() override;
  void Announce(const std::string& text, unsigned changedCells) override;
  void SetCursor(int cell, bool drawn) override;

  HWND frame() const { return frame_; }
  HWND board() const { return board_; }

  static constexpr int kClientWidth = 302;
  static constexpr int kClientHeight = 340;
  static constexpr int kPenWidth = 5;

 private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK BoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnBoard(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterClasses();
  HMENU BuildMenu();
  void MouseUp(std::int16_t button, WPARAM wParam, LPARAM lParam);
  // Screen scale: the window's DPI over 96. The board is drawn from the art of scale 1, or 2 on any finer
  // screen, and shown resized smoothly where the two differ.
  void ApplyDpi(UINT dpi);
  void Layout();
  // The notice in the system's message font for the window's DPI, made half a point smaller at a time until
  // the wrapped text fits its box, as the Qt window does, but never below 6 pt. Made again for a new DPI.
  void FitNotice();
  int Px(int v) const { return static_cast<int>(v * ratio_ + 0.5); }
  void Draw(const DrawOp& op);
  void NotifyFocus();

  HINSTANCE instance_;
  int showCommand_;
  Translation text_;
  App* app_ = nullptr;
  HWND frame_ = nullptr;
  HWND board_ = nullptr;
  HWND label_ = nullptr;
  HMENU menu_ = nullptr;
  HFONT noticeFont_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::unique_ptr<DibSurface> picture_;  // picMain's picture
  std::unique_ptr<DibSurface> artwork_;  // BackBuffer
  double ratio_ = 1.0;
  int scale_ = 0;
  DrawLog log_;
  int cursor_ = 0;
  bool cursorDrawn_ = false;
  BoardAccessible* accessible_ = nullptr;  // made when assistive technology first asks for the board
  bool comStarted_ = false;
  bool shownBefore_ = false;
};

}  // namespace zandor
