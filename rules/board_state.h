// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "square.h"
#include "square_failure.h"

#include <optional>

namespace varnel {

// The colours of the 32 squares. The rules keep no board of their own: they
// read and write through this class, over the window's squares (or a board
// in memory, MemoryBoard, for tools and tests).
//
// A board keeps the first access that fails and from then on refuses every
// access, making none of its implementation's: reads give Grey, writes do
// nothing. So a rule reads as the accesses it makes, and stops touching the
// squares at the failed one; whoever ran it asks failure() once it returns,
// and takes nothing else the rule said as true.
class BoardState {
public:
    virtual ~BoardState() = default;

    // Exactly the value last written.
    ColourValue colour(Square s) const;
    void setColour(Square s, ColourValue c);

    // The failed access, once there has been one.
    const std::optional<SquareFailure>& failure() const { return failure_; }

    // The square's colour, or nothing when it cannot be read; neither kept
    // as the board's failure nor refused after one: for a look at the squares
    // that is no part of play, such as a screen reader's.
    std::optional<ColourValue> look(Square s) const;

    // A corner or a position off the grid is a caller's mistake, which stops
    // the program.
    ColourValue colourAt(GridPos p) const;
    void setColourAt(GridPos p, ColourValue c);

protected:
    BoardState() = default;
    BoardState(const BoardState&) = default;
    BoardState& operator=(const BoardState&) = default;

    // The implementation's own access to one square: nothing when it was
    // made, or the toolkit's error.
    virtual std::optional<ToolkitError> read(Square s, ColourValue& colour) const = 0;
    virtual std::optional<ToolkitError> write(Square s, ColourValue colour) = 0;

private:
    mutable std::optional<SquareFailure> failure_;
};

// Every play cell green, every outer slot grey.
constexpr ColourValue startColour(Square s) { return isPlayCell(s) ? Green : Grey; }

// Writes all 32 squares, Label1 to Label32, to their start colours.
void reset(BoardState& board);

} // namespace varnel
