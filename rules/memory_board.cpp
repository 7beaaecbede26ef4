#include "memory_board.h"

namespace varnel {

MemoryBoard::MemoryBoard()
{
    for (Square s : allSquares)
        colours_[indexOf(s)] = startColour(s);
}

} // namespace varnel
