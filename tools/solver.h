// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"

#include <optional>
#include <vector>

namespace varnel {

// A winning game from the given board, as the numbers of the move buttons to
// press in turn (1 for Command1 ...), or nothing when no win can be reached.
//
// Only push-outs and pull-ins change the board, and each lowers
// 2 x (green pieces) + (pieces in outer slots) by one, so a game is won or
// stuck within 32 of them: a depth-first search that remembers dead positions
// settles it quickly. Moves that break that rule could make the search endless,
// so it stops past 32 such moves, or past a million positions, with a
// std::logic_error that says so.
std::optional<std::vector<int>> findWinningGame(const MemoryBoard& from);

} // namespace varnel
