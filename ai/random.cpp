// The real random source: a standard engine whose draws are 24-bit fractions, and the coordinate draw.
#include "ai/random.h"

#include <bit>
#include <cmath>

namespace zandor {

StdRandom::StdRandom() {
  std::random_device device;
  std::seed_seq seq{device(), device(), device(), device()};
  engine_.seed(seq);
}

StdRandom::StdRandom(std::uint64_t seed) {
  std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  engine_.seed(seq);
}

float StdRandom::Next() {
  // 24 bits fill a float's mantissa exactly, so the result is uniform, exact and below 1.
  static_assert(std::ranlux24_base::min() == 0 && std::ranlux24_base::max() == (1u << 24) - 1);
  constexpr float kScale = 1.0f / 16777216.0f;
  return static_cast<float>(engine_()) * kScale;
}

void StdRandom::Reseed(float seed) {
  // Mixed with output of the current state, so reseeding twice with the same clock value
  // does not replay the same draws.
  std::seed_seq seq{static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(engine_()),
                    static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(engine_()),
                    std::bit_cast<std::uint32_t>(seed)};
  engine_.seed(seq);
}

std::uint8_t CoordinateDraw(float r) {
  // Twice r, rounded to nearest with halves to the even neighbour: 0.25 gives 0, 0.75 gives 2.
  const float v = 2.0f * r;
  const float whole = std::floor(v);
  const float fraction = v - whole;
  float rounded = whole;
  if (fraction > 0.5f || (fraction == 0.5f && std::fmod(whole, 2.0f) != 0.0f)) rounded = whole + 1.0f;
  return static_cast<std::uint8_t>(rounded);
}

}  // namespace zandor
