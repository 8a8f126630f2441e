// The one narrow interface between the game and a window toolkit (Qt, Win32 or the null toolkit).
#pragma once

#include <cstdint>
#include <string>

namespace zandor {

// Raster operations of a block transfer, per colour bit.
enum class RasterOp : std::uint8_t {
  SrcCopy,     // source
  MergePaint,  // (NOT source) OR destination
  SrcAnd,      // source AND destination
};

enum class MenuItem : std::uint8_t {
  Restart,
  OnePlayer,
  TwoPlayer,
  Exit,
  Easiest,
  Easy,
  Medium,
  Hard,
  Hardest,
};
inline constexpr int kMenuItemCount = 9;

// Colours are 0x00BBGGRR: 255 is pure red.
inline constexpr std::uint32_t kStrikeColour = 255;

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Copies a rectangle of the artwork (BackBuffer) onto the board (picMain).
  virtual void BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) = 0;
  // Puts everything drawn on the board so far on screen before returning.
  virtual void Refresh() = 0;
  virtual void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) = 0;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetChecked(MenuItem item, bool checked) = 0;

  // Window life. CreateWindow builds the window, its menus and surfaces but runs no handler:
  // the caller runs the load handler right after it.
  virtual void CreateWindow() = 0;
  virtual void ShowWindow() = 0;
  virtual void FocusWindow() = 0;
  virtual void CloseAndExit() = 0;

  // Folder of the program's own executable, as the platform gives it.
  virtual std::string ProgramFolder() = 0;

  // Assistive technology. Nothing is worked out for it while this is false.
  virtual bool AccessibilityActive() = 0;
  // Called once an input has been handled, while assistive technology listens: the cells whose names
  // changed (a bit per cell, 1 << cell) and what is to be said without moving the focus ("" for nothing).
  virtual void Announce(const std::string& text, unsigned changedCells) = 0;
  // The keyboard's cell, which assistive technology sees as the focused one; it is drawn on the board
  // only once the player has moved it, so a mouse player's board stays as it is.
  virtual void SetCursor(int cell, bool drawn) = 0;
};

}  // namespace zandor
