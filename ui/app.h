// Start-up, menu commands and input handling of the main window, as plain C++ over the toolkit interface.
#pragma once

#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/toolkit.h"

namespace zandor {

// Appends the separator unless the path already ends in one (a drive root such as "D:\" does).
std::string AppFolderFrom(const std::string& programFolder, char separator);

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

class App {
 public:
  App(Game& game, Toolkit& toolkit) : game_(game), toolkit_(toolkit) {}

  void Main();
  void InitAppFolder();
  void Form_Load();

  void mnu1Ply_Click();
  void mnu2Ply_Click();
  void SetDifficulty(std::uint8_t level);
  void mnuRestart_Click();
  void mnuExit_Click();
  void mnuEasiest_Click() { SetDifficulty(1); }
  void mnuEasy_Click() { SetDifficulty(2); }
  void mnuMedium_Click() { SetDifficulty(3); }
  void mnuHard_Click() { SetDifficulty(4); }
  void mnuHardest_Click() { SetDifficulty(5); }
  // Runs the handler of a chosen menu item; front ends call this.
  void OnMenu(MenuItem item);

  void picMain_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
  void picMain_KeyDown(std::int16_t keyCode, std::int16_t shift) { HandleKey(keyCode, shift); }
  void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) { HandleKey(keyCode, shift); }
  void HandleKey(std::int16_t keyCode, std::int16_t shift);

  Game& game() { return game_; }

 private:
  // The window is created on first use, and its load handler runs before that use goes on.
  Toolkit& Window();

  Game& game_;
  Toolkit& toolkit_;
  bool loaded_ = false;
};

}  // namespace zandor
