// The game's artwork, drawn by code so every front end shows the same pixels: board, sprites, masks, icon.
#pragma once

#include <array>
#include <cstdint>

#include "ui/image.h"

namespace zandor {

// The 370 x 300 artwork: empty board at the left, the sprite column from x 300.
Image MakeArtwork();

// The window icon at any size (16, 32, ... 256), using only the 16 colours of kIconPalette.
Image MakeIcon(int size);
extern const std::array<std::uint32_t, 16> kIconPalette;

}  // namespace zandor
