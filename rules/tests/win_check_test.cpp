// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "probe_board.h"

#include "rules/moves.h"
#include "rules/win_check.h"
#include "tools/solver.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

using namespace varnel::testing;
using enum Square;

MemoryBoard allPlayCellsRed()
{
    MemoryBoard board;
    for (Square s : playCells)
        board.setColour(s, Red);
    return board;
}

TEST(WinCheck, NeedsEveryPlayCellRed)
{
    EXPECT_FALSE(isWon(MemoryBoard{}));
    EXPECT_TRUE(isWon(allPlayCellsRed()));
    EXPECT_EQ(successMessage, "Amazingly, you have succeeded. Bravo!!");

    for (Square odd : playCells) {
        MemoryBoard oneGreen = allPlayCellsRed();
        oneGreen.setColour(odd, Green);
        EXPECT_FALSE(isWon(oneGreen)) << squareName(odd);

        MemoryBoard oneOut = allPlayCellsRed();
        oneOut.setColour(odd, Grey);
        oneOut.setColour(Label1, Red);
        EXPECT_FALSE(isWon(oneOut)) << squareName(odd);
    }
}

TEST(WinCheck, ReadsOnlyPlayCellsInAscendingOrder)
{
    ProbeBoard won(allPlayCellsRed());
    EXPECT_TRUE(isWon(won));
    ASSERT_EQ(won.accesses().size(), 16u);
    for (std::size_t i = 0; i < playCells.size(); ++i)
        EXPECT_EQ(won.accesses()[i], read(playCells[i], Red));

    MemoryBoard lastGreen = allPlayCellsRed();
    lastGreen.setColour(Label27, Green);
    ProbeBoard notWon(lastGreen);
    EXPECT_FALSE(isWon(notWon));
    EXPECT_EQ(notWon.accesses().size(), 16u);
    EXPECT_EQ(notWon.accesses().back(), read(Label27, Green));
}

TEST(WinCheck, AWinningGameIsWonAtItsLastMoveAndNotBefore)
{
    const auto game = findWinningGame(MemoryBoard{});
    ASSERT_TRUE(game);
    ASSERT_EQ(game->size(), 32u);

    MemoryBoard board;
    for (std::size_t i = 0; i < game->size(); ++i) {
        EXPECT_FALSE(isWon(board)) << "before move " << i;
        const MoveOutcome outcome = applyMove(board, moveOfButton((*game)[i]));
        EXPECT_TRUE(outcome == MoveOutcome::PushOut || outcome == MoveOutcome::PullIn) << "move " << i;
        EXPECT_EQ(distanceToWin(board), 31 - static_cast<int>(i));
    }
    EXPECT_TRUE(isWon(board));
    // The last move brings the last piece home.
    MemoryBoard beforeLast;
    for (std::size_t i = 0; i + 1 < game->size(); ++i)
        applyMove(beforeLast, moveOfButton((*game)[i]));
    EXPECT_EQ(applyMove(beforeLast, moveOfButton(game->back())), MoveOutcome::PullIn);
    for (Square s : allSquares)
        EXPECT_EQ(board.colour(s), isPlayCell(s) ? Red : Grey) << squareName(s);
}

TEST(WinCheck, SolverReportsAStuckBoard)
{
    // Red pieces on every head cell block all sixteen moves, with a green
    // piece left in the middle.
    MemoryBoard stuck = allPlayCellsRed();
    stuck.setColour(Label13, Green);
    for (const MoveSpec& m : moveTable) {
        MemoryBoard board = stuck;
        EXPECT_EQ(applyMove(board, m), MoveOutcome::Blocked) << m.button;
    }
    EXPECT_FALSE(isWon(stuck));
    EXPECT_FALSE(findWinningGame(stuck));
}

} // namespace
} // namespace varnel
