// The board as assistive technology sees it on Qt: a table of nine cells, each named and pressable.
#pragma once

class QString;

namespace zandor {

class PicMain;

// Lets Qt build the board's accessible interface when assistive technology first asks for it.
void InstallBoardAccess();
// Tells assistive technology of the cells whose names changed (a bit per cell) and says the text, if any,
// without moving the focus.
void AnnounceBoard(PicMain* board, unsigned changedCells, const QString& text);
// Tells assistive technology that the keyboard's cell has the focus, while the board has it.
void FocusCell(PicMain* board);

}  // namespace zandor
