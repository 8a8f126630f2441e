// Virtual-key codes the board understands, and the map from keys to cells.
#pragma once

#include <array>
#include <cstdint>

namespace zandor::keys {

// Tab, Enter and Space move and play the keyboard's cell for O; the shift state's bit 1 is Shift.
inline constexpr std::int16_t kTab = 9, kReturn = 13, kSpace = 32, kShiftBit = 1;
inline constexpr std::int16_t kClear = 12, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36, kLeft = 37,
                              kUp = 38, kRight = 39, kDown = 40, kNumPad0 = 96, kNumPad1 = 97, kNumPad9 = 105,
                              kF2 = 113;

struct CellKey {
  std::int16_t keypad;      // Num Lock on
  std::int16_t navigation;  // the same key with Num Lock off
  std::uint8_t x, y;
};

// The keypad's layout is the board's: 7 8 9 on top.
// clang-format off: laid out as the keypad is
inline constexpr std::array<CellKey, 9> kCellKeys{{
    {103, kHome, 0, 0},
    {104, kUp, 1, 0},
    {105, kPageUp, 2, 0},
    {100, kLeft, 0, 1},
    {101, kClear, 1, 1},
    {102, kRight, 2, 1},
    {97, kEnd, 0, 2},
    {98, kDown, 1, 2},
    {99, kPageDown, 2, 2},
}};
// clang-format on

constexpr bool CellKeysValid() {
  bool seen[9] = {};
  for (const auto& k : kCellKeys) {
    if (k.x > 2 || k.y > 2 || seen[k.y * 3 + k.x]) return false;
    // Keypad digit d sits where the telephone-inverted layout puts it.
    if (k.keypad - kNumPad0 != (2 - k.y) * 3 + k.x + 1) return false;
    seen[k.y * 3 + k.x] = true;
  }
  return true;
}
static_assert(CellKeysValid(), "one key of each kind per cell, keypad digits in keypad layout");

}  // namespace zandor::keys
