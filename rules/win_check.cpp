#include "win_check.h"

#include <algorithm>

namespace varnel {

bool isWon(const BoardState& board)
{
    return std::all_of(playCells.begin(), playCells.end(), [&](Square s) { return board.colour(s) == Red; });
}

} // namespace varnel
