// Finds the translations of the user's language among the module's resources and looks texts up in them.
#include "ui/win32/translation.h"

#include <algorithm>
#include <vector>

#include "ui/language_choice.h"
#include "ui/win32/program_folder.h"
#include "ui/win32/resource.h"

namespace zandor {

namespace {

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
  reinterpret_cast<std::vector<LANGID>*>(languages)->push_back(language);
  return TRUE;
}

// A language's name ("de", "pt-BR") from its id, neutral ones included.
std::string NameOf(LANGID language) {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (LCIDToLocaleName(MAKELCID(language, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH,
                       LOCALE_ALLOW_NEUTRAL_NAMES) <= 0)
    return "";
  return Utf8FromWide(name);
}

}  // namespace

std::vector<std::string> PreferredUiLanguages() {
  ULONG count = 0, size = 0;
  std::vector<std::string> names;
  if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 0) {
    std::vector<wchar_t> list(size);
    if (GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, list.data(), &size))
      for (const wchar_t* name = list.data(); *name != L'\0'; name += wcslen(name) + 1)
        names.push_back(Utf8FromWide(name));
  }
  if (names.empty()) names.push_back(NameOf(GetUserDefaultUILanguage()));
  return names;
}

Translation::Translation(HMODULE module, const std::vector<std::string>& preferred) {
  // Listed first, because a lookup of a language that is missing may quietly give another one.
  std::vector<LANGID> present;
  EnumResourceLanguagesW(module, RT_RCDATA, MAKEINTRESOURCEW(IDR_TEXTS), AddLanguage,
                         reinterpret_cast<LONG_PTR>(&present));
  std::vector<std::string> names;
  for (const LANGID language : present) names.push_back(NameOf(language));
  const std::string chosen = ChooseLanguage(preferred, names);
  if (chosen.empty()) return;
  const LANGID wanted =
      present[static_cast<std::size_t>(std::find(names.begin(), names.end(), chosen) - names.begin())];
  HRSRC found = FindResourceExW(module, RT_RCDATA, MAKEINTRESOURCEW(IDR_TEXTS), wanted);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (const void* data = loaded ? LockResource(loaded) : nullptr)
    texts_ = std::string_view(static_cast<const char*>(data), SizeofResource(module, found));
}

std::wstring Translation::operator()(const char* context, const char* english) const {
  std::string_view rest = texts_;
  const auto next = [&rest] {
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return field;
  };
  while (!rest.empty()) {
    const std::string_view c = next(), e = next(), t = next();
    if (c == context && e == english) return WideFromUtf8(std::string(t));
  }
  return WideFromUtf8(english);
}

}  // namespace zandor
