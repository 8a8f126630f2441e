// The game's procedures over its state: placing marks, ending games, new games and matches, the pause.
#pragma once

#include <cstdint>

#include "game/clock.h"
#include "game/state.h"
#include "game/toolkit.h"

namespace zandor {

class RandomSource;
class LossLogEnv;

// Where each sprite lies in the artwork, and where a mark's block goes in its cell.
struct SpriteRect {
  int x, y, width, height;
};
inline constexpr SpriteRect kXImage{301, 0, 68, 71};
inline constexpr SpriteRect kOImage{301, 73, 64, 76};
inline constexpr SpriteRect kXMask{301, 144, 68, 71};
inline constexpr SpriteRect kOMask{301, 216, 64, 76};
inline constexpr int kBoardSize = 300;
inline constexpr int kArtWidth = 370;
inline constexpr int kArtHeight = 300;
inline constexpr int MarkLeft(int x) { return x * 100 + 20; }
inline constexpr int MarkTop(int y) { return y * 100 + 18; }

// The eight lines in the order they are tested, with their strike segments.
struct Line {
  std::uint8_t cells[3];
  float x1, y1, x2, y2;
};
inline constexpr Line kLines[8] = {
    {{0, 1, 2}, 10, 50, 290, 50},  {{3, 4, 5}, 10, 150, 290, 150}, {{6, 7, 8}, 10, 250, 290, 250},
    {{0, 3, 6}, 50, 10, 50, 290},  {{1, 4, 7}, 150, 10, 150, 290}, {{2, 5, 8}, 250, 10, 250, 290},
    {{0, 4, 8}, 280, 280, 20, 20}, {{2, 4, 6}, 280, 20, 20, 280},
};

inline constexpr std::int16_t kMaxScore = 32767;

class Game : public GameState {
 public:
  Game(Toolkit& toolkit, Clock& clock, RandomSource& random, LossLogEnv* logEnv = nullptr)
      : toolkit_(&toolkit), clock_(&clock), random_(&random), logEnv_(logEnv) {}

  void PlaceMark(std::uint8_t x, std::uint8_t y, std::uint8_t mark);
  void RecordMove(std::uint8_t x, std::uint8_t y, std::uint8_t mark);
  Flag CheckLines();
  void EndGame();
  Flag BoardFull() const;
  void NewGame();
  void NewMatch();
  void UpdateCaption();
  void Pause(double seconds);

  Toolkit& toolkit() { return *toolkit_; }
  Clock& clock() { return *clock_; }
  RandomSource& random() { return *random_; }
  LossLogEnv* logEnv() { return logEnv_; }
  void SetLogEnv(LossLogEnv* env) { logEnv_ = env; }

 private:
  Toolkit* toolkit_;
  Clock* clock_;
  RandomSource* random_;
  LossLogEnv* logEnv_;
};

// The caption for a score: "Zandor [O:3; X:2]".
std::string CaptionFor(std::int16_t scoreO, std::int16_t scoreX);

}  // namespace zandor
