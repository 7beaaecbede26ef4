#include "memory_board.h"

namespace varnel {

MemoryBoard::MemoryBoard()
{
    for (Square s : allSquares)
        colours_[index(s)] = startColour(s);
}

} // namespace varnel
