// Resource ids shared by the resource script and the program.
#pragma once

#define IDI_ZANDOR 1
// The artwork at scale 1 and 2, as 24-bit bitmaps.
#define IDB_ART1X 2
#define IDB_ART2X 3
// The texts of each translation, one resource per language (see translation.h).
#define IDR_TEXTS 4
