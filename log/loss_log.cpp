// Writes the finished game at the top of the loss log, keeping the earlier entries below it.
#include "log/loss_log.h"

#include <ctime>
#include <fstream>
#include <sstream>

#include "game/game.h"

namespace zandor {
namespace {

std::string NowText() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char buf[128];
  return std::strftime(buf, sizeof buf, "%x %X", &local) ? buf : "";
}

}  // namespace

void WriteLossLog(Game& game) {
  std::string entry =
      "Logged at " + (game.logEnv() ? game.logEnv()->LocalDateTimeText() : NowText()) + "\r\n";
  for (int i = 1; i <= game.MoveCount && i <= 9; ++i) {
    const MoveRecord& m = game.History[static_cast<std::size_t>(i)];
    const char* who = m.mark == "O" ? "Human at (" : m.mark == "X" ? "AIBot at (" : "Empty at (";
    entry += who + std::to_string(m.x) + "," + std::to_string(m.y) + ").\r\n";
  }
  const std::string path = game.AppFolder + "AILog.txt";
  std::string previous;
  {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      previous += line + "\r\n";
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << entry << "\r\n" << previous;
}

}  // namespace zandor
