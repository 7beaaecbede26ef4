// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "probe_board.h"

#include "rules/board_state.h"
#include "rules/memory_board.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnel {
namespace {

using namespace varnel::testing;

TEST(Colours, HoldTheirExactValuesAsBlueGreenRed)
{
    EXPECT_EQ(Grey, 0x00C0C0C0u);
    EXPECT_EQ(Green, 0x0080FF80u);
    EXPECT_EQ(Red, 0x008080FFu);
    EXPECT_EQ(redOf(Red), 255);
    EXPECT_EQ(greenOf(Red), 128);
    EXPECT_EQ(blueOf(Red), 128);
    EXPECT_EQ(redOf(Green), 128);
    EXPECT_EQ(greenOf(Green), 255);
    EXPECT_EQ(blueOf(Green), 128);
}

TEST(Squares, AreNumberedRowByRowOnTheGridWithoutCorners)
{
    using enum Square;
    EXPECT_EQ(gridPosOf(Label1), (GridPos{0, 1}));
    EXPECT_EQ(gridPosOf(Label4), (GridPos{0, 4}));
    EXPECT_EQ(gridPosOf(Label5), (GridPos{1, 0}));
    EXPECT_EQ(gridPosOf(Label10), (GridPos{1, 5}));
    EXPECT_EQ(gridPosOf(Label23), (GridPos{4, 0}));
    EXPECT_EQ(gridPosOf(Label28), (GridPos{4, 5}));
    EXPECT_EQ(gridPosOf(Label29), (GridPos{5, 1}));
    EXPECT_EQ(gridPosOf(Label32), (GridPos{5, 4}));

    int next = 1;
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column) {
            const auto s = squareAt({row, column});
            if (isCorner({row, column})) {
                EXPECT_FALSE(s) << row << "," << column;
                continue;
            }
            ASSERT_TRUE(s) << row << "," << column;
            EXPECT_EQ(numberOf(*s), next++);
            EXPECT_EQ(gridPosOf(*s), (GridPos{row, column}));
        }
    EXPECT_EQ(next, 33);
    EXPECT_FALSE(squareAt({-1, 2}));
    EXPECT_FALSE(squareAt({2, 6}));
    EXPECT_EQ(squareName(Label17), "Label17");
    for (Square s : allSquares)
        EXPECT_EQ(allSquares[indexOf(s)], s);
}

TEST(Squares, PlayCellsAreTheInnerFourByFour)
{
    const std::array<int, 16> expected{6, 7, 8, 9, 12, 13, 14, 15, 18, 19, 20, 21, 24, 25, 26, 27};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(numberOf(playCells[i]), expected[i]);
    EXPECT_EQ(std::count_if(allSquares.begin(), allSquares.end(), isPlayCell), 16);
}

TEST(Lines, CrossEveryPlayCellTwiceAndEveryOuterSlotOnceWithASlotAtEachEnd)
{
    for (Square s : allSquares) {
        const auto onLine = std::count_if(lines.begin(), lines.end(), [&](const Line& line) {
            return std::find(line.begin(), line.end(), s) != line.end();
        });
        EXPECT_EQ(onLine, isPlayCell(s) ? 2 : 1) << squareName(s);
    }
    for (const Line& line : lines) {
        EXPECT_FALSE(isPlayCell(line.front()));
        EXPECT_FALSE(isPlayCell(line.back()));
        EXPECT_TRUE(std::all_of(line.begin() + 1, line.end() - 1, isPlayCell));
    }
}

TEST(Board, IsReachableByGridCoordinate)
{
    MemoryBoard board;
    EXPECT_EQ(board.colourAt({1, 1}), Green);
    EXPECT_EQ(board.colourAt({0, 1}), Grey);
    board.setColourAt({5, 1}, Red);
    EXPECT_EQ(board.colour(Square::Label29), Red);
    EXPECT_DEATH((void)board.colourAt({0, 0}), "no square at grid row 0, column 0");
    EXPECT_DEATH(board.setColourAt({5, 5}, Red), "no square at grid row 5, column 5");
    EXPECT_DEATH((void)board.colourAt({6, 2}), "no square at grid row 6, column 2");
}

TEST(Reset, WritesAllSquaresInAscendingOrderToTheStartPosition)
{
    using enum Square;
    MemoryBoard messy;
    messy.setColour(Label1, Red);
    messy.setColour(Label6, Red);
    messy.setColour(Label24, Grey);
    messy.setColour(Label10, Red);
    messy.setColour(Label9, Grey);

    ProbeBoard board(messy);
    reset(board);

    ASSERT_EQ(board.accesses().size(), 32u);
    for (Square s : allSquares)
        EXPECT_EQ(board.accesses()[indexOf(s)], write(s, startColour(s)));
    EXPECT_EQ(board.board(), MemoryBoard{});
    EXPECT_EQ(piecesOnBoard(board.board()), 16);
}

TEST(Reset, LeavesTheStartPositionAsItIs)
{
    MemoryBoard board;
    reset(board);
    EXPECT_EQ(board, MemoryBoard{});
    for (Square s : allSquares)
        EXPECT_EQ(board.colour(s), isPlayCell(s) ? Green : Grey) << squareName(s);
}

} // namespace
} // namespace varnel
