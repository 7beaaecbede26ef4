// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "win_check.h"

#include <algorithm>

namespace varnel {

bool isWon(const BoardState& board)
{
    return std::all_of(playCells.begin(), playCells.end(), [&](Square s) { return board.colour(s) == Red; });
}

} // namespace varnel
