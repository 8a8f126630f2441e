// The words of the notice under the board, shared by every front end so they read alike.
#pragma once

#include "ui/menu_texts.h"  // QT_TRANSLATE_NOOP without Qt

namespace zandor {

inline constexpr char kNoticeContext[] = "Notice";

// UTF-8. Short enough for one line at small desktop fonts and two at larger ones; the Qt label
// shrinks its font when even two lines would overflow its fixed box. No-break spaces keep
// "F2: new match." together when the text wraps.
//: Keep it about as short: it must fit two lines of a small fixed box. No-break spaces join "F2: new match".
inline constexpr char kNoticeText[] =
    QT_TRANSLATE_NOOP("Notice", "Mouse plays O, keypad plays X. F2:\xC2\xA0new\xC2\xA0match.");

// Both labels wrap the text themselves: a line break or tab of its own would upset the fitting.
constexpr bool IsOnePrintableLine(const char* text) {
  for (; *text != '\0'; ++text)
    if (static_cast<unsigned char>(*text) < 32 || *text == 127) return false;
  return true;
}
static_assert(IsOnePrintableLine(kNoticeText));

}  // namespace zandor
