// The whole state of one running game: plain data, so tests and fuzzers can make as many as they like.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zandor {

// Flags are 16-bit values holding -1 (true) or 0 (false), as the rest of the program expects.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// Cell contents and marks.
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kO = 1;
inline constexpr std::uint8_t kX = 2;

struct MoveRecord {
  std::uint8_t x = 0;
  std::uint8_t y = 0;
  std::string mark;  // "O", "X" or " "; empty only before the first game is set up
};

struct GameState {
  std::array<std::uint8_t, 9> Board{};  // cell y * 3 + x
  std::uint8_t Turn = 0;                // 1 only O, 2 only X, 0 either side
  Flag OnePlayer = kFalse;
  std::int16_t Difficulty = 0;
  std::uint8_t AIPhase = 0;
  std::uint8_t LineRule = 0;
  Flag GameOver = kFalse;
  std::uint8_t MoveCount = 0;
  std::array<std::int16_t, 3> Score{};   // Score[1] O's wins, Score[2] X's; [0] unused
  std::array<MoveRecord, 10> History{};  // History[1..9]; [0] unused
  std::string AppFolder;

  std::uint8_t& Cell(int x, int y) {
    return Board[static_cast<std::size_t>(y) * 3 + static_cast<std::size_t>(x)];
  }
  std::uint8_t Cell(int x, int y) const {
    return Board[static_cast<std::size_t>(y) * 3 + static_cast<std::size_t>(x)];
  }
};

}  // namespace zandor
