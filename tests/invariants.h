// What every game must hold between two input events; the tests and the event fuzzer check the same list.
#pragma once

#include <string>

#include "game/game.h"
#include "ui/null_toolkit.h"

namespace zandor::test {

inline std::string Broken(const GameState& s) {  // the first rule the state breaks, or "" 
  int marks = 0;
  for (std::uint8_t c : s.Board) marks += c != kEmpty;
  if (marks != s.MoveCount) return "MoveCount differs from the marks on the board";
  for (int i = 1; i <= 9; ++i) {
    const MoveRecord& r = s.History[i];
    if (i > s.MoveCount ? r.x || r.y || r.mark != " " : r.x > 2 || r.y > 2 || s.Cell(r.x, r.y) != (r.mark == "O" ? kO : kX))
      return "History differs from the board";
    if (i > 1 && i <= s.MoveCount && r.mark == s.History[i - 1].mark) return "History has one side moving twice";
  }
  if (s.Turn > kX || (s.MoveCount > 0 && s.Turn != (s.History[s.MoveCount].mark == "O" ? kX : kO)))
    return "Turn is not the side after the last mark";
  for (const Line& line : kLines)
    if ((s.Board[line.cells[0]] & s.Board[line.cells[1]] & s.Board[line.cells[2]]) != 0)
      return "a completed line is still on the board";
  if (marks == 9 || s.GameOver != kFalse || s.Score[1] < 0 || s.Score[2] < 0 || s.AIPhase < 1 || s.AIPhase > 3)
    return "a finished game on the board, or a score or AIPhase out of range";
  return "";
}

inline std::string Broken(const GameState& s, const NullToolkit& t) {  // and the window's caption and check marks
  if (t.caption != "Zandor [O:" + std::to_string(s.Score[1]) + "; X:" + std::to_string(s.Score[2]) + "]")
    return "caption differs from the score";
  if (t.IsChecked(MenuItem::OnePlayer) != (s.OnePlayer == kTrue) || t.IsChecked(MenuItem::TwoPlayer) != !s.OnePlayer)
    return "mode check marks differ from the mode";
  for (int level = 1; level <= 5; ++level)  // the level items follow Easiest in order
    if (t.IsChecked(MenuItem(int(MenuItem::Easiest) + level - 1)) != (s.Difficulty == level)) return "level marks differ";
  if (t.IsChecked(MenuItem::Restart) || t.IsChecked(MenuItem::Exit)) return "a command carries a check mark";
  return Broken(s);
}

}  // namespace zandor::test
