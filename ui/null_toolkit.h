// A toolkit with no window: draws into memory and records what a window would show.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/toolkit.h"
#include "ui/image.h"

namespace zandor {

class App;

class NullToolkit : public Toolkit {
 public:
  // With draw false, block transfers and lines are skipped (for speed in benchmarks).
  explicit NullToolkit(bool draw = true);

  void BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) override;
  void Refresh() override;
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) override;
  void SetCaption(const std::string& text) override { caption = text; }
  void SetChecked(MenuItem item, bool on) override { checked[static_cast<std::size_t>(item)] = on; }
  void CreateWindow() override { ++creates; }
  void ShowWindow() override { shown = true; }
  void FocusWindow() override { focused = true; }
  void CloseAndExit() override { closed = true; }
  std::string ProgramFolder() override { return programFolder; }
  bool AccessibilityActive() override { return listening; }
  void Announce(const std::string& text, unsigned changedCells) override {
    if (!text.empty()) said.push_back(text);
    renamed |= changedCells;
  }
  void SetCursor(int cell, bool drawn) override { cursor = cell, cursorDrawn = drawn; }

  bool IsChecked(MenuItem item) const { return checked[static_cast<std::size_t>(item)]; }

  static constexpr int kPenWidth = 5;  // the strike line's width, as the real front ends draw it

  bool draw;
  Image artwork;  // BackBuffer
  Image board;    // picMain
  std::string caption;
  std::array<bool, kMenuItemCount> checked{};
  std::string programFolder = "/opt/zandor";
  int refreshes = 0;
  int lines = 0;
  int creates = 0;
  bool shown = false;
  bool focused = false;
  bool closed = false;
  App* app = nullptr;               // told of what the board shows, as a front end tells it
  bool listening = false;           // whether assistive technology is taken to listen
  std::vector<std::string> said;    // every announcement, in order
  unsigned renamed = 0;             // cells whose names were reported changed
  int cursor = -1;
  bool cursorDrawn = false;
};

}  // namespace zandor
