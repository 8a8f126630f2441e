// Helpers for the computer's tests: positions with X to move, recording sources, a chi-square bound.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ai/random.h"
#include "support.h"

namespace zandor::test {

// Puts a position on the rig's board with X to move in one-player mode at the given level and phase.
inline void XToMove(Game& g, std::string_view board, std::int16_t level = 5, std::uint8_t phase = 3) {
  SetBoard(g, board);
  g.OnePlayer = kTrue;
  g.Difficulty = level;
  g.Turn = kX;
  g.AIPhase = phase;
  g.GameOver = kFalse;
}
inline void XToMove(Rig& rig, std::string_view board, std::int16_t level = 5, std::uint8_t phase = 3) {
  XToMove(rig.game, board, level, phase);
}

// Cell number of the single mark that differs between two boards, or -1.
inline int NewCell(std::string_view before, std::string_view after) {
  int cell = -1;
  for (int i = 0; i < 9; ++i)
    if (before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)]) {
      if (cell != -1) return -1;
      cell = i;
    }
  return cell;
}

// A windowless toolkit that keeps the board as it stood when a line was struck, since the end
// of the game clears it before control comes back.
class StrikeToolkit final : public Toolkit {
 public:
  void BitBlt(int, int, int, int, int, int, RasterOp) override {}
  void Refresh() override {}
  void DrawLine(float, float, float, float, std::uint32_t) override {
    if (state) struck = BoardString(*state);
  }
  void SetCaption(const std::string&) override {}
  void SetChecked(MenuItem, bool) override {}
  void CreateWindow() override {}
  void ShowWindow() override {}
  void FocusWindow() override {}
  void CloseAndExit() override {}
  std::string ProgramFolder() override { return {}; }

  const GameState* state = nullptr;
  std::string struck;  // empty until a line is struck
};

// A game over the striking toolkit, a manual clock and scripted draws.
struct StrikeRig {
  StrikeRig() { toolkit.state = &game; }
  StrikeToolkit toolkit;
  ManualClock clock;
  ScriptedRandom random;
  Game game{toolkit, clock, random};
};

// Forwards to another source and writes down what happened: 'd' for a draw, 'r' for a reseed.
class RecordingRandom final : public RandomSource {
 public:
  explicit RecordingRandom(RandomSource& inner) : inner_(inner) {}
  float Next() override {
    events += 'd';
    ++draws;
    return inner_.Next();
  }
  void Reseed(float seed) override {
    events += 'r';
    seeds.push_back(seed);
    inner_.Reseed(seed);
  }
  std::string events;
  std::vector<float> seeds;
  long draws = 0;

 private:
  RandomSource& inner_;
};

// A bound on Pearson's statistic that a correct distribution exceeds with odds far below one in a
// million (Wilson-Hilferty with five standard deviations), so the tests never flake.
inline double ChiSquareBound(int dof) {
  const double k = dof;
  const double t = 1.0 - 2.0 / (9.0 * k) + 5.0 * std::sqrt(2.0 / (9.0 * k));
  return k * t * t * t;
}

// Pearson's statistic for observed counts against expected proportions (cells with zero
// expectation must stay empty; any count there is an infinite misfit).
inline double ChiSquare(const std::vector<long>& observed, const std::vector<double>& weights) {
  double total = 0, weightSum = 0;
  for (long o : observed) total += static_cast<double>(o);
  for (double w : weights) weightSum += w;
  double chi = 0;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    const double expected = total * weights[i] / weightSum;
    const double o = static_cast<double>(observed[i]);
    if (expected == 0) {
      if (o != 0) return INFINITY;
      continue;
    }
    chi += (o - expected) * (o - expected) / expected;
  }
  return chi;
}

}  // namespace zandor::test
