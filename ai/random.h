// The computer's random source: uniform single-precision draws on [0, 1), reseeded from the clock.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>

namespace zandor {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // One draw, uniform on [0, 1) with single-precision granularity; never 1.0.
  virtual float Next() = 0;
  // Mixes a seed into the current state (it does not replace the state).
  virtual void Reseed(float seed) = 0;
};

// A standard engine with 24-bit output, times 2^-24, so every draw is exact in a float and below 1.
// The subtract-with-carry engine keeps 24 words of state: reseeding it at every computer turn costs
// well under a microsecond, where a Mersenne twister's 624 words cost some fifteen.
class StdRandom final : public RandomSource {
 public:
  StdRandom();                             // state from std::random_device
  explicit StdRandom(std::uint64_t seed);  // fixed state, for tests and fuzzers
  float Next() override;
  void Reseed(float seed) override;

 private:
  std::ranlux24_base engine_;
};

// Scripted draws for tests: hands out the queued values in order, then a fallback value.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(float fallback = 0.0f) : fallback_(fallback) {}
  void Push(float r) { queue_.push_back(r); }
  template <typename... R>
  void Push(float r, R... rest) {
    Push(r);
    Push(static_cast<float>(rest)...);
  }
  float Next() override {
    ++draws_;
    trace += 'd';
    if (queue_.empty()) return fallback_;
    const float r = queue_.front();
    queue_.pop_front();
    return r;
  }
  void Reseed(float seed) override {
    ++reseeds_;
    trace += 'r';
    lastSeed = seed;
  }
  void SetFallback(float r) { fallback_ = r; }
  std::size_t pending() const { return queue_.size(); }
  int draws() const { return draws_; }
  int reseeds() const { return reseeds_; }

  std::string trace;  // 'd' for each draw, 'r' for each reseed, in order
  float lastSeed = -1;

 private:
  std::deque<float> queue_;
  float fallback_;
  int draws_ = 0;
  int reseeds_ = 0;
};

// The coordinate draw: twice r rounded half to even, giving 0, 1, 2 with odds 1/4, 1/2, 1/4.
std::uint8_t CoordinateDraw(float r);

}  // namespace zandor
