// The board's phrases: English literals marked for extraction, translated at the moment they are said.
#include "ui/board_words.h"

#include <utility>

namespace zandor::words {

namespace {

constexpr const char* kContext = "Board";

constexpr const char* kPlaces[9] = {
    QT_TRANSLATE_NOOP("Board", "top left"),    QT_TRANSLATE_NOOP("Board", "top centre"),
    QT_TRANSLATE_NOOP("Board", "top right"),   QT_TRANSLATE_NOOP("Board", "middle left"),
    QT_TRANSLATE_NOOP("Board", "centre"),      QT_TRANSLATE_NOOP("Board", "middle right"),
    QT_TRANSLATE_NOOP("Board", "bottom left"), QT_TRANSLATE_NOOP("Board", "bottom centre"),
    QT_TRANSLATE_NOOP("Board", "bottom right"),
};

// %1 is O or X in every sentence below.
constexpr const char* kTook[9] = {
    QT_TRANSLATE_NOOP("Board", "%1 took the top left."),    QT_TRANSLATE_NOOP("Board", "%1 took the top centre."),
    QT_TRANSLATE_NOOP("Board", "%1 took the top right."),   QT_TRANSLATE_NOOP("Board", "%1 took the middle left."),
    QT_TRANSLATE_NOOP("Board", "%1 took the centre."),      QT_TRANSLATE_NOOP("Board", "%1 took the middle right."),
    QT_TRANSLATE_NOOP("Board", "%1 took the bottom left."), QT_TRANSLATE_NOOP("Board", "%1 took the bottom centre."),
    QT_TRANSLATE_NOOP("Board", "%1 took the bottom right."),
};

constexpr const char* kWins[8] = {
    QT_TRANSLATE_NOOP("Board", "%1 wins: top row."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: middle row."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: bottom row."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: left column."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: middle column."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: right column."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: diagonal from top left."),
    QT_TRANSLATE_NOOP("Board", "%1 wins: diagonal from top right."),
};

Translator& Current() {
  static Translator translator;
  return translator;
}

// The mark as it is filled into a sentence: the letter itself, the same in every language.
std::string Letter(std::uint8_t mark) { return mark == 1 ? "O" : "X"; }

}  // namespace

void SetTranslator(Translator translator) { Current() = std::move(translator); }

std::string Tr(const char* english) {
  const Translator& translator = Current();
  return translator ? translator(kContext, english) : std::string(english);
}

std::string Fill(const std::string& pattern, const std::string& first, const std::string& second) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string BoardName() { return Tr(QT_TRANSLATE_NOOP("Board", "Board")); }

std::string Press() { return Tr(QT_TRANSLATE_NOOP("Board", "Press")); }

std::string Place(int cell) { return cell >= 0 && cell < 9 ? Tr(kPlaces[cell]) : std::string(); }

std::string Mark(std::uint8_t mark) {
  if (mark == 1) return Tr(QT_TRANSLATE_NOOP("Board", "O"));
  if (mark == 2) return Tr(QT_TRANSLATE_NOOP("Board", "X"));
  return Tr(QT_TRANSLATE_NOOP("Board", "empty"));
}

std::string CellName(int cell, std::uint8_t mark) {
  //: %1 is where the cell is, %2 what it holds.
  return Fill(Tr(QT_TRANSLATE_NOOP("Board", "%1, %2")), Place(cell), Mark(mark));
}

std::string Took(std::uint8_t mark, int cell) {
  return cell >= 0 && cell < 9 ? Fill(Tr(kTook[cell]), Letter(mark)) : std::string();
}

std::string ToMove(std::uint8_t turn) {
  if (turn == 1) return Tr(QT_TRANSLATE_NOOP("Board", "O to move."));
  if (turn == 2) return Tr(QT_TRANSLATE_NOOP("Board", "X to move."));
  return Tr(QT_TRANSLATE_NOOP("Board", "O or X to move."));
}

std::string Wins(std::uint8_t mark, int line) {
  return line >= 0 && line < 8 ? Fill(Tr(kWins[line]), Letter(mark)) : std::string();
}

std::string Draw() { return Tr(QT_TRANSLATE_NOOP("Board", "A draw: the board is full.")); }

std::string NewGame() { return Tr(QT_TRANSLATE_NOOP("Board", "New game.")); }

std::string Score(int o, int x) {
  //: The match score after a game: %1 is O's wins, %2 X's.
  return Fill(Tr(QT_TRANSLATE_NOOP("Board", "Score: O %1, X %2.")), std::to_string(o), std::to_string(x));
}

std::string Taken() { return Tr(QT_TRANSLATE_NOOP("Board", "That cell is taken.")); }

std::string NotTurn(std::uint8_t mark) {
  return Fill(Tr(QT_TRANSLATE_NOOP("Board", "It is not %1's turn.")), Letter(mark));
}

std::string Join(const std::string& first, const std::string& second) {
  if (first.empty()) return second;
  if (second.empty()) return first;
  //: How two sentences follow each other when they are said together: %1 the first, %2 the second.
  return Fill(Tr(QT_TRANSLATE_NOOP("Board", "%1 %2")), first, second);
}

}  // namespace zandor::words
