// Finds the translations of the user's language among the module's resources and looks texts up in them.
#include "ui/win32/translation.h"

#include <algorithm>
#include <vector>

#include "ui/win32/program_folder.h"
#include "ui/win32/resource.h"

namespace zandor {

namespace {

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
  reinterpret_cast<std::vector<LANGID>*>(languages)->push_back(language);
  return TRUE;
}

}  // namespace

Translation::Translation(HMODULE module, LANGID language) {
  // Listed first, because a lookup of a language that is missing may quietly give another one.
  std::vector<LANGID> present;
  EnumResourceLanguagesW(module, RT_RCDATA, MAKEINTRESOURCEW(IDR_TEXTS), AddLanguage,
                         reinterpret_cast<LONG_PTR>(&present));
  const LANGID neutral = MAKELANGID(PRIMARYLANGID(language), SUBLANG_NEUTRAL);
  for (const LANGID wanted : {language, neutral}) {
    if (std::find(present.begin(), present.end(), wanted) == present.end()) continue;
    HRSRC found = FindResourceExW(module, RT_RCDATA, MAKEINTRESOURCEW(IDR_TEXTS), wanted);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (const void* data = loaded ? LockResource(loaded) : nullptr) {
      texts_ = std::string_view(static_cast<const char*>(data), SizeofResource(module, found));
      return;
    }
  }
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
