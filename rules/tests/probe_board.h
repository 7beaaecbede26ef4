// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"

#include <iomanip>
#include <optional>
#include <ostream>
#include <vector>

namespace varnel::testing {

struct Access {
    SquareAccess operation;
    Square square;
    ColourValue value; // read or written
    bool operator==(const Access&) const = default;
};

inline void PrintTo(const Access& a, std::ostream* out)
{
    *out << (a.operation == SquareAccess::Read ? "read " : "write ") << squareName(a.square) << " 0x" << std::hex
         << std::setw(8) << std::setfill('0') << a.value << std::dec;
}

inline Access read(Square s, ColourValue c) { return {SquareAccess::Read, s, c}; }
inline Access write(Square s, ColourValue c) { return {SquareAccess::Write, s, c}; }

// A board in memory that records every access and, when told to, fails at
// its Nth access (counting from 1) the way a window toolkit would.
class ProbeBoard final : public BoardState {
public:
    static constexpr std::uint32_t failureCode = 1400;
    static constexpr const char* failureText = "Invalid window handle.";

    explicit ProbeBoard(MemoryBoard start = {}, std::optional<std::size_t> failAt = std::nullopt)
        : board_(start), failAt_(failAt)
    {}

    const std::vector<Access>& accesses() const { return accesses_; }
    std::size_t attempts() const { return attempts_; }
    const MemoryBoard& board() const { return board_; }

private:
    std::optional<ToolkitError> read(Square s, ColourValue& c) const override
    {
        if (++attempts_ == failAt_)
            return ToolkitError{failureCode, failureText};
        c = board_.colour(s);
        accesses_.push_back(varnel::testing::read(s, c));
        return std::nullopt;
    }

    std::optional<ToolkitError> write(Square s, ColourValue c) override
    {
        if (++attempts_ == failAt_)
            return ToolkitError{failureCode, failureText};
        board_.setColour(s, c);
        accesses_.push_back(varnel::testing::write(s, c));
        return std::nullopt;
    }

    MemoryBoard board_;
    std::optional<std::size_t> failAt_;
    mutable std::size_t attempts_ = 0;
    mutable std::vector<Access> accesses_;
};

inline int piecesOnBoard(const BoardState& board)
{
    int pieces = 0;
    for (Square s : allSquares)
        pieces += board.colour(s) != Grey;
    return pieces;
}

// Falls by exactly one with every push-out and pull-in; 32 at the start and
// 0 only on a won board.
inline int distanceToWin(const BoardState& board)
{
    int distance = 0;
    for (Square s : allSquares) {
        const ColourValue c = board.colour(s);
        if (c == Green)
            distance += 2;
        else if (c == Red && !isPlayCell(s))
            distance += 1;
    }
    return distance;
}

} // namespace varnel::testing

namespace varnel {

// Shows a board in failure messages as its grid: . grey, G green, R red.
inline void PrintTo(const MemoryBoard& board, std::ostream* out)
{
    for (int row = 0; row < gridSize; ++row) {
        *out << "\n  ";
        for (int column = 0; column < gridSize; ++column) {
            const auto s = squareAt({row, column});
            const ColourValue c = s ? board.colour(*s) : Grey;
            *out << (!s ? ' ' : c == Grey ? '.' : c == Green ? 'G' : c == Red ? 'R' : '?');
        }
    }
}

} // namespace varnel
