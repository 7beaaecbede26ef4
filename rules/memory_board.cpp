// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "memory_board.h"

namespace varnel {

MemoryBoard::MemoryBoard()
{
    for (Square s : allSquares)
        colours_[indexOf(s)] = startColour(s);
}

} // namespace varnel
