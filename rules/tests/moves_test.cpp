// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "probe_board.h"

#include "rules/moves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>

namespace varnel {
namespace {

using namespace varnel::testing;
using enum Square;

Line squaresOf(const MoveSpec& m) { return {m.nearSlot, m.c1, m.c2, m.c3, m.c4, m.farSlot}; }

MemoryBoard afterMoves(std::initializer_list<int> buttons)
{
    MemoryBoard board;
    for (int button : buttons)
        applyMove(board, moveOfButton(button));
    return board;
}

void expectColours(const BoardState& board, std::initializer_list<std::pair<Square, ColourValue>> expected)
{
    for (const auto& [square, colour] : expected)
        EXPECT_EQ(board.colour(square), colour) << squareName(square);
}

TEST(MoveTable, NamesTheSixteenButtonsInOrder)
{
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(moveOfButton(n).button, "Command" + std::to_string(n));
}

TEST(MoveTable, GivesEachLineTwoMovesThatMirrorEachOther)
{
    std::map<Line, int> movesOnLine;
    for (const MoveSpec& m : moveTable) {
        Line squares = squaresOf(m);
        const bool forward = std::find(lines.begin(), lines.end(), squares) != lines.end();
        if (!forward)
            std::reverse(squares.begin(), squares.end());
        ASSERT_NE(std::find(lines.begin(), lines.end(), squares), lines.end()) << m.button;
        ++movesOnLine[squares];

        const auto mirror = std::find_if(moveTable.begin(), moveTable.end(),
                                         [&](const MoveSpec& other) { return other.nearSlot == m.farSlot; });
        ASSERT_NE(mirror, moveTable.end()) << m.button;
        Line reversed = squaresOf(*mirror);
        std::reverse(reversed.begin(), reversed.end());
        EXPECT_EQ(reversed, squaresOf(m)) << m.button << " against " << mirror->button;
    }
    EXPECT_EQ(movesOnLine.size(), 8u);
    for (const auto& [line, count] : movesOnLine)
        EXPECT_EQ(count, 2);
}

TEST(MoveTable, PutsEachButtonsNearSlotOnItsOwnSide)
{
    // Buttons run clockwise: four above, four right, four below, four left.
    for (int n = 1; n <= 16; ++n) {
        const GridPos near = gridPosOf(moveOfButton(n).nearSlot);
        switch ((n - 1) / 4) {
        case 0:
            EXPECT_EQ(near, (GridPos{0, n})) << n;
            break;
        case 1:
            EXPECT_EQ(near, (GridPos{n - 4, 5})) << n;
            break;
        case 2:
            EXPECT_EQ(near, (GridPos{5, 13 - n})) << n;
            break;
        default:
            EXPECT_EQ(near, (GridPos{17 - n, 0})) << n;
            break;
        }
    }
}

TEST(Moves, FromTheStartEveryMoveIsAPushOut)
{
    for (const MoveSpec& m : moveTable) {
        MemoryBoard board;
        EXPECT_EQ(applyMove(board, m), MoveOutcome::PushOut) << m.button;
        MemoryBoard expected;
        expected.setColour(m.nearSlot, Red);
        expected.setColour(m.c4, Grey);
        EXPECT_EQ(board, expected) << m.button;
    }
}

TEST(Moves, PushOutAndPullInWriteInTheirOwnOrder)
{
    ProbeBoard pushed;
    ASSERT_EQ(applyMove(pushed, moveOfButton(1)), MoveOutcome::PushOut);
    const std::vector<Access> pushOut{
        read(Label6, Green),  read(Label1, Grey),    write(Label1, Red),   read(Label12, Green),  write(Label6, Green),
        read(Label18, Green), write(Label12, Green), read(Label24, Green), write(Label18, Green), write(Label24, Grey),
    };
    EXPECT_EQ(pushed.accesses(), pushOut);

    ProbeBoard pulled(afterMoves({1}));
    ASSERT_EQ(applyMove(pulled, moveOfButton(12)), MoveOutcome::PullIn);
    const std::vector<Access> pullIn{
        read(Label24, Grey),  read(Label1, Red),     read(Label18, Green), write(Label24, Green),
        read(Label12, Green), write(Label18, Green), read(Label6, Green),  write(Label12, Green),
        read(Label1, Red),    write(Label6, Red),    write(Label1, Grey),
    };
    EXPECT_EQ(pulled.accesses(), pullIn);
}

TEST(Moves, SecondPushOnAFullSlotChangesNothing)
{
    ProbeBoard board(afterMoves({1}));
    EXPECT_EQ(applyMove(board, moveOfButton(1)), MoveOutcome::NoChange);
    EXPECT_EQ(board.board(), afterMoves({1}));
    EXPECT_TRUE(std::none_of(board.accesses().begin(), board.accesses().end(),
                             [](const Access& a) { return a.operation == SquareAccess::Write; }));
}

TEST(Moves, PullInBringsTheRedPieceBackAndThenBlocksItsLine)
{
    MemoryBoard board = afterMoves({1});
    EXPECT_EQ(applyMove(board, moveOfButton(12)), MoveOutcome::PullIn);
    expectColours(
        board, {{Label1, Grey}, {Label6, Red}, {Label12, Green}, {Label18, Green}, {Label24, Green}, {Label29, Grey}});

    const MemoryBoard before = board;
    EXPECT_EQ(applyMove(board, moveOfButton(1)), MoveOutcome::Blocked);
    EXPECT_EQ(board, before);
}

TEST(Moves, RowsAreBlockedByARedHeadLikeColumns)
{
    MemoryBoard board = afterMoves({1, 5, 12});
    expectColours(board,
                  {{Label5, Grey}, {Label6, Red}, {Label7, Green}, {Label8, Green}, {Label9, Green}, {Label10, Red}});
    const MemoryBoard before = board;
    // Its near slot is empty and its far slot holds a piece, yet the red head stops it.
    EXPECT_EQ(applyMove(board, moveOfButton(16)), MoveOutcome::Blocked);
    EXPECT_EQ(board, before);

    board = afterMoves({5, 16});
    ASSERT_EQ(board.colour(Label9), Red);
    const MemoryBoard pulledBack = board;
    EXPECT_EQ(applyMove(board, moveOfButton(5)), MoveOutcome::Blocked);
    EXPECT_EQ(board, pulledBack);
    EXPECT_EQ(blockedMessage, "You cannot move the column if the head is red.");
}

TEST(Moves, EmptyHeadWithEmptyFarSlotChangesNothing)
{
    // After Command1 row 4 starts with an empty cell and its far slot is empty.
    const MemoryBoard board = afterMoves({1});
    ProbeBoard probe(board);
    EXPECT_EQ(applyMove(probe, moveOfButton(13)), MoveOutcome::NoChange);
    EXPECT_EQ(probe.board(), board);
    EXPECT_EQ(probe.accesses(), (std::vector<Access>{read(Label24, Grey), read(Label28, Grey)}));
}

TEST(Moves, PullInShiftsEmptyCellsLikeAnyOther)
{
    MemoryBoard board = afterMoves({1, 8});
    expectColours(
        board, {{Label23, Grey}, {Label24, Grey}, {Label25, Grey}, {Label26, Green}, {Label27, Green}, {Label28, Red}});
    EXPECT_EQ(applyMove(board, moveOfButton(13)), MoveOutcome::PullIn);
    expectColours(
        board, {{Label23, Grey}, {Label24, Grey}, {Label25, Green}, {Label26, Green}, {Label27, Red}, {Label28, Grey}});
}

} // namespace
} // namespace varnel
