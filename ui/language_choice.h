// Which translation a player gets from the interface languages they prefer, chosen alike on every system.
#pragma once

#include <string>
#include <vector>

namespace zandor {

// The first of `available` that a preferred language, most preferred first, names: each name as given,
// then with its last part dropped until one part is left ("zh-Hans-SG", "zh-Hans", "zh"), as the Qt
// program looks for its translations. Names match whatever their case, "-" and "_" alike ("pt_BR" is
// "pt-BR"). "" means English, the texts' own language: when an English name comes before any match, or
// when none matches.
std::string ChooseLanguage(const std::vector<std::string>& preferred,
                           const std::vector<std::string>& available);

}  // namespace zandor
