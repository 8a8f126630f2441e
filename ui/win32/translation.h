// The program's texts in the user's interface language, from the translations compiled into its resources.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/win32.h"

namespace zandor {

// The texts of one language, as the build made them from the translators' files: one resource per
// language, tagged with it. Looked up by context and English text, as Qt does, so both programs share them.
class Translation {
 public:
  // The module's translation that ChooseLanguage picks for the preferred languages ("de-AT"), else
  // English, which is the texts' own language: a module without translations gives English.
  Translation(HMODULE module, const std::vector<std::string>& preferred);
  // The translation of an English text of a context, or the English text itself.
  std::wstring operator()(const char* context, const char* english) const;

 private:
  std::string_view texts_;  // UTF-8 "context NUL English NUL translation NUL", repeated
};

// The user's preferred interface languages, most preferred first ("ca-ES", "es-ES"), as Windows lists them.
std::vector<std::string> PreferredUiLanguages();

}  // namespace zandor
