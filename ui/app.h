// Start-up, menu commands and input handling of the main window, as plain C++ over the toolkit interface.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "game/game.h"
#include "game/toolkit.h"
#include "ui/board_narrator.h"

namespace zandor {

// Appends the separator unless the path already ends in one (a drive root such as "D:\" does).
std::string AppFolderFrom(const std::string& programFolder, char separator);

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Reads an environment variable; nullopt when it is not set. Injected so tests never see the real one.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;
std::optional<std::string> ProcessEnvironment(const std::string& name);

// True when a new file can be created in the folder: probed by creating one and removing it again.
bool FolderWritable(const std::string& folder);

// The game's per-user data folder with a trailing separator, or "" when the environment names none:
// %LOCALAPPDATA%\Zandor\ on Windows; $XDG_DATA_HOME/zandor/ (absolute values only), else
// $HOME/.local/share/zandor/ elsewhere.
std::string UserDataFolder(const EnvLookup& env, char separator);

// The folder of the loss log: the program's folder (AppFolderFrom); when that folder exists but
// cannot be written (an installed game), the per-user data folder, created here. If that fails too
// the program's folder stays, and the log is simply not written.
std::string ResolveAppFolder(const std::string& programFolder, char separator, const EnvLookup& env);

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

  // Front ends call this each time the board is put on screen, so assistive technology hears what it shows.
  void BoardShown();
  // Plays O on a cell as a release at its centre does: assistive technology's press of a cell.
  void PressCell(int cell);
  int cursor() const { return cursor_; }
  BoardNarrator& narrator() { return narrator_; }

  Game& game() { return game_; }

 private:
  // The window is created on first use, and its load handler runs before that use goes on.
  Toolkit& Window();
  // Ends each input: what the board showed during it goes to assistive technology in one piece, so a
  // result is never cut off by the next game's opening move.
  void Speak();
  // A refused move is said too, since nothing on the board shows it.
  void Place(int cell, std::uint8_t mark);

  Game& game_;
  Toolkit& toolkit_;
  bool loaded_ = false;
  BoardNarrator narrator_;
  int cursor_ = 0;
};

}  // namespace zandor
