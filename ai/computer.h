// The computer's turn: think time, the difficulty gate, its opening, fixed replies, line rules and playbook.
#pragma once

#include <cstdint>

namespace zandor {

class Game;

void ComputerMove(Game& game);
void RandomMove(Game& game);
void ReseedRandom(Game& game);
void PlayLines(Game& game);
void TryLine(Game& game, std::uint8_t x1, std::uint8_t y1, std::uint8_t x2, std::uint8_t y2, std::uint8_t xt,
             std::uint8_t yt);
void PlayPatterns(Game& game);
void TryPattern(Game& game, std::uint8_t x1, std::uint8_t y1, std::uint8_t c1, std::uint8_t x2,
                std::uint8_t y2, std::uint8_t c2, std::uint8_t x3, std::uint8_t y3, std::uint8_t c3,
                std::uint8_t xA, std::uint8_t yA, std::uint8_t xB, std::uint8_t yB);

}  // namespace zandor
