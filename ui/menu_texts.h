// The captions of the two menus in English, marked for the translators' tools and shared by both front
// ends, so that the menus read alike in every language; "&" marks an item's access key.
#pragma once

#include <array>

#include "game/toolkit.h"

// Marks a literal for Qt's lupdate without needing Qt here: the English text itself is the key.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zandor {

inline constexpr char kMenuContext[] = "Menu";

inline constexpr const char* kFileMenuCaption = QT_TRANSLATE_NOOP("Menu", "&File");
inline constexpr const char* kDifficultyMenuCaption = QT_TRANSLATE_NOOP("Menu", "&Difficulty");

// In MenuItem order. The level names are jokes about rank, weakest first: a translation renders the joke,
// keeps the five apart and in their order, and gives each item an access key of its own within its menu.
inline constexpr std::array<const char*, kMenuItemCount> kMenuItemCaptions{
    QT_TRANSLATE_NOOP("Menu", "&Restart"),
    QT_TRANSLATE_NOOP("Menu", "&1 Player"),
    QT_TRANSLATE_NOOP("Menu", "&2 Player"),
    QT_TRANSLATE_NOOP("Menu", "E&xit"),
    //: Level 1 of 5, the weakest: a soft toy with no will of its own.
    QT_TRANSLATE_NOOP("Menu", "&Silly Putty"),
    //: Level 2 of 5: an eager beaver, busy rather than bright.
    QT_TRANSLATE_NOOP("Menu", "&Beaver"),
    //: Level 3 of 5: "individual" with a "duh" in it, the clueless average person.
    QT_TRANSLATE_NOOP("Menu", "&Induhvidual"),
    //: Level 4 of 5: a whiz kid, a young prodigy.
    QT_TRANSLATE_NOOP("Menu", "&Wiz Kid"),
    //: Level 5 of 5, never plays at random: the supreme geek.
    QT_TRANSLATE_NOOP("Menu", "&Nerd God"),
};

// The items of each menu, top to bottom.
inline constexpr MenuItem kFileMenuItems[] = {MenuItem::Restart, MenuItem::OnePlayer, MenuItem::TwoPlayer,
                                              MenuItem::Exit};
inline constexpr MenuItem kDifficultyMenuItems[] = {MenuItem::Easiest, MenuItem::Easy, MenuItem::Medium,
                                                    MenuItem::Hard, MenuItem::Hardest};

}  // namespace zandor
