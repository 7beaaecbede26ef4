// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "moves.h"

#include <algorithm>

namespace varnel {

namespace {

// Every entry must run along one line of the board, from one end or the other.
constexpr bool runsAlongALine(const MoveSpec& m)
{
    const Line squares{m.nearSlot, m.c1, m.c2, m.c3, m.c4, m.farSlot};
    Line reversed = squares;
    std::reverse(reversed.begin(), reversed.end());
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Line& line) { return line == squares || line == reversed; });
}

static_assert(std::all_of(moveTable.begin(), moveTable.end(), runsAlongALine));

} // namespace

MoveOutcome applyMove(BoardState& board, const MoveSpec& m)
{
    const ColourValue head = board.colour(m.c1);

    if (head == Green && board.colour(m.nearSlot) == Grey) {
        board.setColour(m.nearSlot, Red);
        board.setColour(m.c1, board.colour(m.c2));
        board.setColour(m.c2, board.colour(m.c3));
        board.setColour(m.c3, board.colour(m.c4));
        board.setColour(m.c4, Grey);
        return MoveOutcome::PushOut;
    }
    if (head == Grey && board.colour(m.farSlot) != Grey) {
        board.setColour(m.c1, board.colour(m.c2));
        board.setColour(m.c2, board.colour(m.c3));
        board.setColour(m.c3, board.colour(m.c4));
        board.setColour(m.c4, board.colour(m.farSlot));
        board.setColour(m.farSlot, Grey);
        return MoveOutcome::PullIn;
    }
    if (head == Red)
        return MoveOutcome::Blocked;
    return MoveOutcome::NoChange;
}

} // namespace varnel
