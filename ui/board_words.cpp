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

constexpr const char* kLineNames[8] = {
    QT_TRANSLATE_NOOP("Board", "top row"),
    QT_TRANSLATE_NOOP("Board", "middle row"),
    QT_TRANSLATE_NOOP("Board", "bottom row"),
    QT_TRANSLATE_NOOP("Board", "left column"),
    QT_TRANSLATE_NOOP("Board", "middle column"),
    QT_TRANSLATE_NOOP("Board", "right column"),
    QT_TRANSLATE_NOOP("Board", "diagonal from top left"),
    QT_TRANSLATE_NOOP("Board", "diagonal from top right"),
};

Translator& Current() {
  static Translator translator;
  return translator;
}

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

std::string LineName(int line) { return line >= 0 && line < 8 ? Tr(kLineNames[line]) : std::string(); }

std::string Took(std::uint8_t mark, int cell) {
  //: %1 is O or X, %2 a cell's place such as "top left".
  return Fill(Tr(QT_TRANSLATE_NOOP("Board", "%1 took the %2.")), Mark(mark), Place(cell));
}

std::string ToMove(std::uint8_t turn) {
  if (turn == 1) return Tr(QT_TRANSLATE_NOOP("Board", "O to move."));
  if (turn == 2) return Tr(QT_TRANSLATE_NOOP("Board", "X to move."));
  return Tr(QT_TRANSLATE_NOOP("Board", "O or X to move."));
}

std::string Wins(std::uint8_t mark, int line) {
  //: %1 is O or X, %2 a line such as "top row".
  return Fill(Tr(QT_TRANSLATE_NOOP("Board", "%1 wins: %2.")), Mark(mark), LineName(line));
}

std::string Draw() { return Tr(QT_TRANSLATE_NOOP("Board", "A draw: the board is full.")); }

std::string NewGame() { return Tr(QT_TRANSLATE_NOOP("Board", "New game.")); }

}  // namespace zandor::words
