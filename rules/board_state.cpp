// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "board_state.h"

#include "callers_mistake.h"

#include <string>
#include <utility>

namespace varnel {

namespace {

Square checkedSquareAt(GridPos p)
{
    if (const auto s = squareAt(p))
        return *s;
    stopAtCallersMistake("no square at grid row " + std::to_string(p.row) + ", column " + std::to_string(p.column));
}

} // namespace

ColourValue BoardState::colour(Square s) const
{
    if (failure_)
        return Grey;
    ColourValue c = Grey;
    if (auto error = read(s, c)) {
        failure_ = SquareFailure{SquareAccess::Read, s, std::move(*error)};
        return Grey;
    }
    return c;
}

void BoardState::setColour(Square s, ColourValue c)
{
    if (failure_)
        return;
    if (auto error = write(s, c))
        failure_ = SquareFailure{SquareAccess::Write, s, std::move(*error)};
}

std::optional<ColourValue> BoardState::look(Square s) const
{
    ColourValue c = Grey;
    if (read(s, c))
        return std::nullopt;
    return c;
}

ColourValue BoardState::colourAt(GridPos p) const { return colour(checkedSquareAt(p)); }

void BoardState::setColourAt(GridPos p, ColourValue c) { setColour(checkedSquareAt(p), c); }

void reset(BoardState& board)
{
    for (Square s : allSquares)
        board.setColour(s, startColour(s));
}

} // namespace varnel
