// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "board_state.h"

#include <stdexcept>
#include <string>

namespace varnel {

namespace {

Square checkedSquareAt(GridPos p)
{
    if (const auto s = squareAt(p))
        return *s;
    throw std::out_of_range("no square at grid row " + std::to_string(p.row) + ", column " + std::to_string(p.column));
}

} // namespace

ColourValue BoardState::colourAt(GridPos p) const { return colour(checkedSquareAt(p)); }

void BoardState::setColourAt(GridPos p, ColourValue c) { setColour(checkedSquareAt(p), c); }

void reset(BoardState& board)
{
    for (Square s : allSquares)
        board.setColour(s, startColour(s));
}

} // namespace varnel
