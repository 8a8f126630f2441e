// The Qt6 Widgets window: frmMain with its board, label and menus, and the toolkit the game draws through.
#pragma once

#include <QImage>
#include <QLocale>
#include <QMainWindow>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/toolkit.h"
#include "ui/board_narrator.h"
#include "ui/draw_log.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace zandor {

class App;
struct Image;

// The virtual-key code of a Qt key, or 0 for a key the game has no code for. Keypad keys are told apart by
// their X key symbol (the event's native virtual key on X11 and Wayland), or by the keypad modifier;
// navigation keys have one code wherever they sit.
std::int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t keysym);
// Tab, Shift+Tab (Qt's Backtab), Space, Return and the keypad's Enter as the keyboard's cell for O takes them:
// 9, 13 or 32, else 0. Apart from VirtualKeyFromQt, since none of them depends on the keypad's state.
std::int16_t CursorKeyFromQt(int qtKey);
// Shift state as the handlers take it: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftFromQt(Qt::KeyboardModifiers modifiers);
// Mouse button as the handlers take it: 1 left, 2 right, 4 middle, 0 any other.
std::int16_t ButtonFromQt(Qt::MouseButton button);

// The artwork (BackBuffer) at scale 1 or 2, read in place from the pixels compiled into the program.
const QImage& BackBuffer(int scale);
// The scale of art a screen of this device pixel ratio is drawn from: 1, or 2 for anything finer.
int ArtScale(qreal devicePixelRatio);

// Shows the program's texts in the first of the locale's interface languages that is English or has a
// translation compiled in, replacing any translation installed before. True when one was installed.
bool InstallTranslation(const QLocale& locale);

// The board surface: keeps its picture in an image of 300 x scale pixels and shows it whenever it is
// painted. The game draws in 1x pixels; each transfer and line is scaled here.
class PicMain final : public QWidget {
  Q_OBJECT
 public:
  explicit PicMain(QWidget* parent);
  const QImage& image() const { return image_; }
  int scale() const { return scale_; }
  void SetApp(App* app) { app_ = app; }

  void BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op);
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr, int penWidth);
  // What assistive technology's press of a cell does: a left release at the cell's centre.
  void PressCell(int cell);
  App* app() const { return app_; }
  // Whether the keyboard's cell is drawn; the cell itself is the window logic's.
  void SetCursor(bool drawn);
  int cursor() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  // Tab moves the keyboard's cell, so the board never hands the focus on.
  bool focusNextPrevChild(bool) override { return false; }
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Draw(const DrawOp& op);
  void Rescale(int scale);

  QImage image_;
  int scale_ = 1;
  DrawLog log_;
  QImage shown_;  // the picture smoothly resized for a fractional scale
  bool shownStale_ = true;
  App* app_ = nullptr;
  bool cursorDrawn_ = false;
};

class frmMain final : public QMainWindow {
  Q_OBJECT
 public:
  frmMain();
  void SetApp(App* app);
  QAction* Action(MenuItem item) const { return actions_[static_cast<std::size_t>(item)]; }
  // Sets an item's check mark as the program means it; menu clicks never change it on their own.
  void SetMark(MenuItem item, bool checked);
  // Places the window, frame included, in the middle of its screen. Called before the first show;
  // the frame a window manager adds is known only later, and the window is centred again then.
  void Centre();

  PicMain* picMain;
  QLabel* Label1;

 protected:
  void timerEvent(QTimerEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddItem(QMenu* menu, MenuItem item, QActionGroup* group);
  void RestoreMarks();
  void FitLabel();

  App* app_ = nullptr;
  std::array<QAction*, kMenuItemCount> actions_{};
  std::array<bool, kMenuItemCount> marks_{};
  static constexpr int kFrameCheckMs = 25, kFrameChecks = 80;  // up to two seconds
  int frameTimer_ = 0;
  int frameChecks_ = 0;
};

class QtToolkit final : public Toolkit {
 public:
  // Shows the window in the desktop's language, when the program has a translation for it.
  QtToolkit();
  ~QtToolkit() override;

  // The handlers the window's events go to; set before the window is first used.
  void SetApp(App* app);
  frmMain* window() { return window_.get(); }

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

  static constexpr int kPenWidth = 5;

 private:
  std::unique_ptr<frmMain> window_;
  App* app_ = nullptr;
  bool shownBefore_ = false;
};

}  // namespace zandor
