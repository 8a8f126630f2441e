// The real random source and what the computer makes of it: distributions checked by chi-square.
#include "ai/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ai/computer.h"
#include "ai_support.h"

namespace zandor::test {
namespace {

TEST(CoordinateDrawTest, HalvesRoundToEven) {
  const struct {
    float r;
    int coordinate;
  } cases[] = {
      {0.0f, 0}, {std::nextafter(0.25f, 0.0f), 0}, {0.25f, 0}, {std::nextafter(0.25f, 1.0f), 1},
      {0.5f, 1}, {std::nextafter(0.75f, 0.0f), 1}, {0.75f, 2}, {std::nextafter(1.0f, 0.0f), 2},
  };
  for (const auto& c : cases) EXPECT_EQ(CoordinateDraw(c.r), c.coordinate) << c.r;
}

TEST(StdRandomTest, DrawsAreWholeMultiplesOfTwoToTheMinus24BelowOne) {
  StdRandom random(11);
  float lowest = 1, highest = 0;
  for (int i = 0; i < 200000; ++i) {
    const float r = random.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    const double scaled = static_cast<double>(r) * 16777216.0;
    ASSERT_EQ(scaled, std::floor(scaled)) << r;
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  EXPECT_LT(lowest, 1e-4f);
  EXPECT_GT(highest, 1.0f - 1e-4f);
}

std::vector<float> Take(RandomSource& random, int n) {
  std::vector<float> out;
  for (int i = 0; i < n; ++i) out.push_back(random.Next());
  return out;
}

TEST(StdRandomTest, ReseedMixesIntoTheStateInsteadOfReplacingIt) {
  for (const float seed : {0.0f, 43.2003f, 86.3999f}) {
    SCOPED_TRACE(seed);
    // Two reseeds with the same clock value, as within one computer turn: no replay.
    StdRandom random(5);
    random.Reseed(seed);
    const auto first = Take(random, 16);
    random.Reseed(seed);
    EXPECT_NE(Take(random, 16), first);

    // Sources in different states stay different after the same reseed...
    StdRandom a(1), b(2);
    a.Reseed(seed);
    b.Reseed(seed);
    EXPECT_NE(Take(a, 16), Take(b, 16));
    // ...while the same state and the same seed give the same draws.
    StdRandom c(3), d(3);
    c.Reseed(seed);
    d.Reseed(seed);
    EXPECT_EQ(Take(c, 16), Take(d, 16));
  }
}

TEST(Distribution, CoordinateDrawIsOneTwoOne) {
  StdRandom random(21);
  std::vector<long> counts(3, 0);
  for (int i = 0; i < 120000; ++i) ++counts[CoordinateDraw(random.Next())];
  EXPECT_LT(ChiSquare(counts, {1, 2, 1}), ChiSquareBound(2));
}

// A game over the real source, with a recorder that counts the draws of each turn.
struct RealRig {
  explicit RealRig(std::uint64_t seed) : random(seed) {}
  NullToolkit toolkit{false};
  ManualClock clock;
  StdRandom random;
  RecordingRandom recorder{random};
  Game game{toolkit, clock, recorder};
};

// The gate is seen in the number of draws: the centre reply takes two, a random move more.
TEST(Distribution, GateRateAtEachLevel) {
  const double randomShare[] = {0.8, 0.6, 0.4, 0.2, 0.0};
  for (std::int16_t level = 1; level <= 5; ++level) {
    SCOPED_TRACE(level);
    RealRig rig(100 + static_cast<std::uint64_t>(level));
    std::vector<long> counts(2, 0);  // random, scripted
    for (int i = 0; i < 10000; ++i) {
      XToMove(rig.game, "O........", level, 2);
      const long before = rig.recorder.draws;
      ComputerMove(rig.game);
      ++counts[rig.recorder.draws - before > 2 ? 0 : 1];
    }
    const double p = randomShare[level - 1];
    EXPECT_LT(ChiSquare(counts, {p, 1 - p}), ChiSquareBound(1))
        << counts[0] << " random of " << counts[0] + counts[1];
  }
}

TEST(Distribution, OpeningAvoidsTheCentre) {
  RealRig rig(31);
  std::vector<long> counts(9, 0);
  for (int i = 0; i < 24000; ++i) {
    XToMove(rig.game, ".........", 5, 1);
    ComputerMove(rig.game);
    const int cell = NewCell(".........", BoardString(rig.game));
    ASSERT_GE(cell, 0);
    ++counts[static_cast<std::size_t>(cell)];
  }
  EXPECT_EQ(counts[4], 0);
  EXPECT_LT(ChiSquare(counts, {1, 2, 1, 2, 0, 2, 1, 2, 1}), ChiSquareBound(7));
}

// Among the empty cells the random move favours the centre 4, an edge cell 2, a corner 1.
TEST(Distribution, RandomMoveFavoursCentreThenEdges) {
  for (const std::string board : {".........", "O...X....", "XO...O...", ".O..O..X."}) {
    SCOPED_TRACE(board);
    RealRig rig(41);
    std::vector<long> counts(9, 0);
    std::vector<double> weights(9, 0);
    for (int n = 0; n < 9; ++n)
      if (board[static_cast<std::size_t>(n)] == '.')
        weights[static_cast<std::size_t>(n)] = n == 4 ? 4 : n % 2 == 1 ? 2 : 1;
    for (int i = 0; i < 12000; ++i) {
      XToMove(rig.game, board);
      RandomMove(rig.game);  // no cell of these boards ends the game
      const int cell = NewCell(board, BoardString(rig.game));
      ASSERT_GE(cell, 0);
      ++counts[static_cast<std::size_t>(cell)];
    }
    int empty = 0;
    for (double w : weights) empty += w > 0;
    EXPECT_LT(ChiSquare(counts, weights), ChiSquareBound(empty - 1));
  }
}

}  // namespace
}  // namespace zandor::test
