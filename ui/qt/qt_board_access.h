// The board as assistive technology sees it on Qt: a table of nine cells, each named and pressable.
#pragma once

namespace zandor {

class PicMain;

// Lets Qt build the board's accessible interface when assistive technology first asks for it.
void InstallBoardAccess();
// Tells assistive technology of the cells whose names changed (a bit per cell) and of a new description.
void AnnounceBoard(PicMain* board, unsigned changedCells, bool descriptionChanged);

}  // namespace zandor
