// The window's handlers: start-up, mode and level commands, and mouse and key input mapped to cells.
#include "ui/app.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "log/loss_log.h"
#include "ui/keys.h"

namespace zandor {

namespace {

constexpr MenuItem kLevelItems[5] = {MenuItem::Easiest, MenuItem::Easy, MenuItem::Medium, MenuItem::Hard,
                                     MenuItem::Hardest};

}  // namespace

std::string AppFolderFrom(const std::string& programFolder, char separator) {
  if (!programFolder.empty() && (programFolder.back() == '/' || programFolder.back() == '\\'))
    return programFolder;
  return programFolder + separator;
}

std::optional<std::string> ProcessEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

bool FolderWritable(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(fs::path(folder), ec)) return false;
  // A random name, so two copies of the game starting at once never remove each other's probe.
  std::random_device seed;
  const fs::path probe = fs::path(folder) / (".zandor-probe-" + std::to_string(seed()));
  if (fs::exists(probe, ec)) return false;
  bool created = false;
  {
    std::ofstream out(probe, std::ios::binary);
    created = out.is_open();
  }
  if (created) fs::remove(probe, ec);
  return created;
}

std::string UserDataFolder(const EnvLookup& env, char separator) {
  auto value = [&env](const char* name) {
    std::optional<std::string> v = env(name);
    return v ? *v : std::string();
  };
  auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
  std::string base;
  std::string leaf;
  if (separator == '\\') {
    base = value("LOCALAPPDATA");
    leaf = "Zandor";
  } else {
    // Relative XDG values are to be ignored, as the base directory rules say.
    base = value("XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
      const std::string home = value("HOME");
      base = home.empty() ? std::string() : home + "/.local/share";
    }
    leaf = "zandor";
  }
  if (base.empty()) return {};
  while (base.size() > 1 && isSeparator(base.back())) base.pop_back();
  if (!isSeparator(base.back())) base += separator;
  return base + leaf + separator;
}

std::string ResolveAppFolder(const std::string& programFolder, char separator, const EnvLookup& env) {
  namespace fs = std::filesystem;
  std::string folder = AppFolderFrom(programFolder, separator);
  std::error_code ec;
  // Only a real folder that refuses writing is replaced; anything else keeps the plain rule.
  if (!fs::is_directory(fs::path(folder), ec) || FolderWritable(folder)) return folder;
  const std::string user = UserDataFolder(env, separator);
  if (user.empty()) return folder;
  CreateLogFolder(user);
  return FolderWritable(user) ? user : folder;
}

Toolkit& App::Window() {
  if (!loaded_) {
    loaded_ = true;
    toolkit_.CreateWindow();
    Form_Load();
  }
  return toolkit_;
}

void App::Main() {
  InitAppFolder();
  SetDifficulty(3);
  Window();
  game_.NewMatch();
  Window().SetCursor(cursor_, false);
  Window().ShowWindow();
  Window().FocusWindow();
  // The opening board is read from the window itself; only what follows is announced.
  narrator_.Reset();
  BoardShown();
  if (toolkit_.AccessibilityActive()) narrator_.Take(game_);
}

void App::InitAppFolder() {
  game_.AppFolder = ResolveAppFolder(toolkit_.ProgramFolder(), kPathSeparator, ProcessEnvironment);
}

void App::Form_Load() { mnu1Ply_Click(); }

void App::mnu1Ply_Click() {
  Window().SetChecked(MenuItem::TwoPlayer, false);
  Window().SetChecked(MenuItem::OnePlayer, true);
  game_.OnePlayer = kTrue;
  game_.NewMatch();
}

void App::mnu2Ply_Click() {
  Window().SetChecked(MenuItem::OnePlayer, false);
  Window().SetChecked(MenuItem::TwoPlayer, true);
  game_.OnePlayer = kFalse;
  game_.NewMatch();
}

void App::SetDifficulty(std::uint8_t level) {
  for (MenuItem item : kLevelItems) Window().SetChecked(item, false);
  game_.Difficulty = static_cast<std::int16_t>(level);
  if (level >= 1 && level <= 5) Window().SetChecked(kLevelItems[level - 1], true);
  game_.NewMatch();
}

void App::mnuRestart_Click() { game_.NewMatch(); }

void App::mnuExit_Click() { Window().CloseAndExit(); }

void App::OnMenu(MenuItem item) {
  switch (item) {
    case MenuItem::Restart: mnuRestart_Click(); break;
    case MenuItem::OnePlayer: mnu1Ply_Click(); break;
    case MenuItem::TwoPlayer: mnu2Ply_Click(); break;
    case MenuItem::Exit: return mnuExit_Click();
    case MenuItem::Easiest: mnuEasiest_Click(); break;
    case MenuItem::Easy: mnuEasy_Click(); break;
    case MenuItem::Medium: mnuMedium_Click(); break;
    case MenuItem::Hard: mnuHard_Click(); break;
    case MenuItem::Hardest: mnuHardest_Click(); break;
  }
  Speak();
}

void App::picMain_MouseUp(std::int16_t, std::int16_t, float x, float y) {
  if (game_.GameOver) return;
  // Only releases on the board count: beyond its right or bottom edge (after a drag), or at a
  // position that is no number at all, a release is ignored like one at x <= 0.
  const int cell = CellAtPixel(x, y);
  if (cell < 0) return;
  Place(cell, kO);
  Speak();
}

void App::PressCell(int cell) {
  if (cell >= 0 && cell < 9)
    picMain_MouseUp(1, 0, BoardNarrator::CellCentre(cell % 3), BoardNarrator::CellCentre(cell / 3));
}

void App::HandleKey(std::int16_t keyCode, std::int16_t shift) {
  if (keyCode >= keys::kNumPad1 && keyCode <= keys::kNumPad9 && (game_.OnePlayer || game_.GameOver)) return;
  if (keyCode == keys::kTab) {
    // Reading order, wrapping; Shift goes back.
    cursor_ = (cursor_ + ((shift & keys::kShiftBit) != 0 ? 8 : 1)) % 9;
    Window().SetCursor(cursor_, true);
    return Speak();
  }
  // Space and Enter play O on the keyboard's cell exactly as a release over it would.
  if (keyCode == keys::kSpace || keyCode == keys::kReturn) return PressCell(cursor_);
  if (keyCode == keys::kF2) {
    game_.NewMatch();
    return Speak();
  }
  for (const auto& key : keys::kCellKeys)
    if (keyCode == key.keypad || keyCode == key.navigation) {
      Place(key.y * 3 + key.x, kX);
      return Speak();
    }
}

void App::Place(int cell, std::uint8_t mark) {
  const std::array<std::uint8_t, 9> before = game_.Board;
  game_.PlaceMark(static_cast<std::uint8_t>(cell % 3), static_cast<std::uint8_t>(cell / 3), mark);
  // An accepted move always changes the board: its mark, or the next game after the last one.
  if (game_.Board == before && toolkit_.AccessibilityActive()) narrator_.Refused(game_, cell, mark);
}

void App::BoardShown() {
  if (toolkit_.AccessibilityActive()) narrator_.Update(game_);
}

void App::Speak() {
  if (!loaded_ || !toolkit_.AccessibilityActive()) return;
  const BoardNarrator::Said said = narrator_.Take(game_);
  toolkit_.Announce(said.text, said.changed);
}

}  // namespace zandor
