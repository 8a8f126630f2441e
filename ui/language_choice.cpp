// The walk over the player's preferred languages that picks the game's translation.
#include "ui/language_choice.h"

namespace zandor {

namespace {

// "pt_BR" and "PT-br" alike as "pt-br".
std::string Key(std::string name) {
  for (char& c : name) {
    if (c == '_') c = '-';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

}  // namespace

std::string ChooseLanguage(const std::vector<std::string>& preferred,
                           const std::vector<std::string>& available) {
  for (const std::string& name : preferred) {
    std::string key = Key(name);
    if (key.empty()) continue;
    if (key.substr(0, key.find('-')) == "en") return "";
    for (;;) {
      for (const std::string& translation : available)
        if (Key(translation) == key) return translation;
      const std::size_t last = key.rfind('-');
      if (last == std::string::npos) break;
      key.erase(last);
    }
  }
  return "";
}

}  // namespace zandor
