// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "solver.h"

#include "rules/moves.h"
#include "rules/win_check.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_set>

namespace varnel {

namespace {

// Two bits a square: 0 grey, 1 green, 2 red.
std::uint64_t key(const MemoryBoard& board)
{
    std::uint64_t k = 0;
    for (ColourValue c : board.colours())
        k = (k << 2) | (c == Green ? 1u : c == Red ? 2u : 0u);
    return k;
}

constexpr std::size_t longestGame = 32;
constexpr std::size_t mostPositions = 1'000'000;

class Search {
public:
    bool from(const MemoryBoard& board)
    {
        if (isWon(board))
            return true;
        if (dead_.contains(key(board)))
            return false;
        if (path_.size() > longestGame)
            throw std::logic_error("no winning game: the search went past " + std::to_string(longestGame) +
                                   " moves that change the board, so the moves do not keep to the rules");
        if (dead_.size() > mostPositions)
            throw std::logic_error("no winning game: the search went past " + std::to_string(mostPositions) +
                                   " dead positions, so the moves do not keep to the rules");
        for (int button = 1; button <= static_cast<int>(moveTable.size()); ++button) {
            MemoryBoard next = board;
            const MoveOutcome outcome = applyMove(next, moveOfButton(button));
            if (outcome != MoveOutcome::PushOut && outcome != MoveOutcome::PullIn)
                continue;
            path_.push_back(button);
            if (from(next))
                return true;
            path_.pop_back();
        }
        dead_.insert(key(board));
        return false;
    }

    std::vector<int> path() const { return path_; }

private:
    std::unordered_set<std::uint64_t> dead_;
    std::vector<int> path_;
};

} // namespace

std::optional<std::vector<int>> findWinningGame(const MemoryBoard& from)
{
    Search search;
    if (!search.from(from))
        return std::nullopt;
    return search.path();
}

} // namespace varnel
