// Shared test helpers: a headless game with its window logic, a manual clock and scripted draws; boards as strings.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/app.h"
#include "ui/null_toolkit.h"

namespace zandor::test {

inline std::string BoardString(const GameState& s) {  // cells 0 to 8 in reading order: 'O', 'X' or '.'
  std::string out;
  for (std::uint8_t c : s.Board) out += c == kO ? 'O' : c == kX ? 'X' : '.';
  return out;
}

// Puts a position on the board, History included. Given the side to move, the marks take turns in History (each
// side's in reading order, the side with more marks, or else the side to move, first); else in reading order.
inline void SetBoard(GameState& s, std::string_view cells, int turn = -1) {
  std::string o, x, all;
  for (char n = 0; n < 9 && n < static_cast<char>(cells.size()); ++n)
    if (cells[n] == 'O' || cells[n] == 'X') (cells[n] == 'O' ? o : x) += n, all += n;
  const bool oFirst = o.size() > x.size() || (o.size() == x.size() && turn != kX);
  for (std::size_t i = 0; turn >= 0 && i < all.size(); ++i) {
    const std::string& side = (i % 2 == 0) == oFirst ? o : x;
    all[i] = i / 2 < side.size() ? side[i / 2] : all[i];
  }
  s.Board.fill(kEmpty), s.History.fill(MoveRecord{0, 0, " "}), s.MoveCount = 0;
  for (char n : all)
    s.Board[n] = cells[n] == 'O' ? kO : kX, s.History[++s.MoveCount] = {std::uint8_t(n % 3), std::uint8_t(n / 3), {cells[n]}};
  if (turn >= 0) s.Turn = static_cast<std::uint8_t>(turn);
}

// Scripted draws, then the fallback if there is one. A draw past them, or the 1000th since the last reseed (a
// random move that never lands), throws naming the position: a wrong move fails the test instead of hanging it.
struct ScriptedRandom final : RandomSource {
  explicit ScriptedRandom(std::optional<float> fallback = 0.0f) : fallback(fallback) {}
  float Next() override {
    trace += 'd';
    if (++sinceReseed >= 1000 || (queue.empty() && !fallback))
      throw std::runtime_error("scripted draws ran out on " + (game ? BoardString(*game) : "?") + " after " + trace);
    const float r = queue.empty() ? *fallback : queue.front();
    return queue.empty() ? r : (queue.pop_front(), r);
  }
  void Reseed(float seed) override { trace += 'r', lastSeed = seed, sinceReseed = 0; }
  std::deque<float> queue;
  std::optional<float> fallback;  // none: the script alone
  const GameState* game = nullptr;  // the position named when the script runs out
  std::string trace;                 // 'd' for each draw, 'r' for each reseed, in order
  float lastSeed = -1;
  int sinceReseed = 0;
};

struct Rig {  // game, window logic, null toolkit, manual clock and scripted draws: nothing waits
  explicit Rig(bool draw = false) : toolkit(draw) { random.game = &game; }
  NullToolkit toolkit;
  ManualClock clock;
  ScriptedRandom random;
  Game game{toolkit, clock, random};
  App app{game, toolkit};

  Rig& Started() { return app.Main(), *this; }  // as the program starts: one-player, level 3, O to move
};

// Window and clock in one: writes down what the game asks of both, and keeps the board as held before the next game.
struct Recorder final : NullToolkit, Clock {
  explicit Recorder(const GameState* watched = nullptr) : NullToolkit(false), game(watched) {}
  const GameState* game;
  std::string trace, held;
  double now = 0, midnight = 0, wake = 1;  // wake < 1: sleeps come back early, as interrupted ones do
  template <typename... A>
  void Say(const char* what, A... a) {  // "what a,b,c "
    std::ostringstream o;
    ((o << (o.tellp() > 0 ? "," : "") << static_cast<double>(a)), ...);
    trace += what + o.str() + ' ';
  }
  void BitBlt(int x, int y, int, int, int sx, int sy, RasterOp op) override { Say("blt ", x, y, sx, sy, int(op)); }
  void Refresh() override { Say("refresh"); }
  void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t c) override { Say("line ", x1, y1, x2, y2, c); }
  void SetCaption(const std::string& text) override { trace += text + " "; }
  double Now() override { return now; }
  void Sleep(double s) override {
    if (s >= 1 && game) held = BoardString(*game);
    Say("sleep ", s);
    // At least one step of the time's resolution, or a remainder too small to count would never pass.
    now = std::max(now + s * wake + (wake < 1 ? 1e-3 : 0), std::nextafter(now, 1e300));
  }
  float SecondsSinceMidnight() override { return static_cast<float>(midnight + now); }
};

}  // namespace zandor::test
