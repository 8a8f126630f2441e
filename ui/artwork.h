// The game's artwork, drawn by code so every front end shows the same pixels: board, sprites, masks, icon.
// The front ends never draw it themselves: build tools run this code and compile the pixels in.
#pragma once

#include "ui/image.h"

namespace zandor {

// The artwork at a whole-number scale (1 or 2): 370 x 300 times the scale, the same layout with every
// coordinate multiplied, so each block transfer works at 2x with its rectangle doubled.
Image MakeArtwork(int scale = 1);

// The window icon at any size (16, 24, 32, ... 256) as 0xAARRGGBB: a rounded stone tile with the grid
// and three marks, transparent outside the tile.
Image MakeIcon(int size);

}  // namespace zandor
