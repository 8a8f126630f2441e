// Every phrase the board says to assistive technology, in English, with the hook a front end translates them through.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Marks a literal for Qt's lupdate without needing Qt here: the text itself is the key.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zandor::words {

// Turns an English phrase of a context into the player's language. The default returns it unchanged.
using Translator = std::function<std::string(const char* context, const char* english)>;
void SetTranslator(Translator translator);
// The phrase as the current translator gives it (context "Board").
std::string Tr(const char* english);

// Replaces %1 and %2 in a translated pattern; a translation may put them in any order.
std::string Fill(const std::string& pattern, const std::string& first, const std::string& second = {});

// The board itself: "Board".
std::string BoardName();
// The name of a cell's action: "Press".
std::string Press();
// Where a cell is (cell = y * 3 + x): "top left" ... "bottom right"; "" for no cell.
std::string Place(int cell);
// What a cell holds: "empty", "O" or "X".
std::string Mark(std::uint8_t mark);
// A cell as it is read out: "top left, empty", "centre, X".
std::string CellName(int cell, std::uint8_t mark);

// Whole sentences, one translatable entry each, so every language can build them its own way; only the
// marks O and X, which never change form, are filled in.
std::string Took(std::uint8_t mark, int cell);  // "X took the centre."
std::string ToMove(std::uint8_t turn);          // "O to move.", "X to move.", "O or X to move."
std::string Wins(std::uint8_t mark, int line);  // "O wins: top row." (lines in the game's order)
std::string Draw();                             // "A draw: the board is full."
std::string NewGame();                          // "New game."
std::string Score(int o, int x);                // "Score: O 1, X 0."
std::string Taken();                            // "That cell is taken."
std::string NotTurn(std::uint8_t mark);         // "It is not O's turn."
// Two sentences one after the other, as the language joins them ("A. B." in English, no blank in Japanese).
std::string Join(const std::string& first, const std::string& second);

}  // namespace zandor::words
