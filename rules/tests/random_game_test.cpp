// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "probe_board.h"

#include "rules/moves.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

namespace varnel {
namespace {

using namespace varnel::testing;

// VARNEL_SEED replays a failed run.
std::uint64_t chooseSeed()
{
    if (const char* given = std::getenv("VARNEL_SEED"))
        return std::stoull(given);
    return std::random_device{}();
}

bool onLine(const MoveSpec& m, Square s)
{
    return s == m.nearSlot || s == m.c1 || s == m.c2 || s == m.c3 || s == m.c4 || s == m.farSlot;
}

// Checks one move against what it did to the board, returning a description
// of the first thing wrong, or nothing.
std::string checkMove(const MemoryBoard& before, const MoveSpec& m, MoveOutcome outcome, const MemoryBoard& after)
{
    if (piecesOnBoard(after) != 16)
        return "the board does not hold 16 pieces";
    for (Square s : allSquares) {
        if (!isPlayCell(s) && after.colour(s) == Green)
            return "outer slot " + squareName(s) + " is green";
        if (!onLine(m, s) && after.colour(s) != before.colour(s))
            return squareName(s) + " changed off the line";
    }
    const ColourValue head = before.colour(m.c1);
    switch (outcome) {
    case MoveOutcome::PushOut:
        if (head != Green || before.colour(m.nearSlot) != Grey || after.colour(m.nearSlot) != Red ||
            after.colour(m.c4) != Grey)
            return "a push-out that did not push a green head into an empty slot";
        break;
    case MoveOutcome::PullIn:
        if (head != Grey || before.colour(m.farSlot) == Grey || after.colour(m.farSlot) != Grey ||
            after.colour(m.c4) != before.colour(m.farSlot))
            return "a pull-in that did not bring the far slot's piece in";
        break;
    case MoveOutcome::Blocked:
        if (head != Red || after != before)
            return "a blocked move without a red head, or one that changed the board";
        return {};
    case MoveOutcome::NoChange:
        if (head == Red || after != before)
            return "a no-change that was blocked or changed the board";
        return {};
    }
    if (distanceToWin(after) != distanceToWin(before) - 1)
        return "a move that did not bring the win one step closer";
    return {};
}

TEST(RandomGame, AMillionMovesKeepSixteenPiecesAndAgreeWithTheirOutcomes)
{
    const std::uint64_t seed = chooseSeed();
    SCOPED_TRACE("VARNEL_SEED=" + std::to_string(seed));
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> button(1, 16);
    std::uniform_int_distribution<int> resetOne(0, 99);

    constexpr int moves = 1'000'000;
    int outcomes[4] = {};
    const auto started = std::chrono::steady_clock::now();
    MemoryBoard board;
    for (int i = 0; i < moves; ++i) {
        if (resetOne(random) == 0)
            reset(board);
        const MemoryBoard before = board;
        const MoveSpec& m = moveOfButton(button(random));
        const MoveOutcome outcome = applyMove(board, m);
        ++outcomes[static_cast<int>(outcome)];
        if (const std::string fault = checkMove(before, m, outcome, board); !fault.empty())
            FAIL() << "move " << i << " (" << m.button << "): " << fault;
    }
    const auto took = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started);
    for (int count : outcomes)
        EXPECT_GT(count, 0) << "every outcome should turn up in a long game";
    std::cout << "[          ] " << moves << " moves in " << took.count() << " ms: " << outcomes[0] << " push-outs, "
              << outcomes[1] << " pull-ins, " << outcomes[2] << " blocked, " << outcomes[3] << " no change\n";
}

} // namespace
} // namespace varnel
