// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"
#include "ui/form1.h"

#include <array>
#include <string>

namespace varnel {

// What the window says to assistive technology such as a screen reader, in
// the same words on every front end. Rows and columns are those of the play
// cells, counted 1 to 4 from the top and from the left.

// A button: what it does ("Shift column 1 up", "Reset the board"). A square:
// its place ("Row 2, column 3", "Slot above column 1").
std::string spokenName(const ControlSpec& control);

// What a square holds: "empty", "green piece" or "red piece".
std::string spokenContent(ColourValue colour);

// A square with what it holds, as a reader lists the board: "Row 2,
// column 3, red piece".
std::string spokenSquare(Square s, ColourValue colour);

// The line a move button shifts, from the button's side: the near slot, the
// four cells (a run of alike cells counted) and the far slot, short enough to
// hear out while tabbing on: "Near slot red, 2 green, 2 empty, far slot
// empty". Reads those six squares.
std::string spokenLine(int moveButton, const BoardState& board);

// The lines of all sixteen move buttons, Command1 first.
std::array<std::string, 16> spokenLines(const BoardState& board);

// What a click changed, from the board before it to the board after it:
// each square that changed, in reading order ("Slot above column 1: red
// piece. Row 4, column 1: empty."), then "The board is at the start." when
// it is. When no square changed, that alone, or else "Nothing moved.".
std::string spokenChanges(const BoardState& before, const BoardState& after);

} // namespace varnel
