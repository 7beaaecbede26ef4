// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "square.h"

namespace varnel {

// The colours of the 32 squares. The rules keep no board of their own: they
// read and write through this interface, which the window implements over
// its squares (and MemoryBoard implements for tools and tests).
//
// An implementation reports a failed access by throwing SquareAccessError
// before returning, so a rule that fails stops at that access and makes no
// further one.
class BoardState {
public:
    virtual ~BoardState() = default;

    // Returns exactly the value last written.
    virtual ColourValue colour(Square s) const = 0;
    virtual void setColour(Square s, ColourValue c) = 0;

    // Throws std::out_of_range for a corner or a position off the grid.
    ColourValue colourAt(GridPos p) const;
    void setColourAt(GridPos p, ColourValue c);

protected:
    BoardState() = default;
    BoardState(const BoardState&) = default;
    BoardState& operator=(const BoardState&) = default;
};

// Every play cell green, every outer slot grey.
constexpr ColourValue startColour(Square s) { return isPlayCell(s) ? Green : Grey; }

// Writes all 32 squares, Label1 to Label32, to their start colours.
void reset(BoardState& board);

} // namespace varnel
