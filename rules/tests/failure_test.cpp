// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "probe_board.h"

#include "rules/moves.h"
#include "rules/win_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace varnel {
namespace {

using namespace varnel::testing;

struct Scenario {
    const char* name;
    MemoryBoard start;
    std::function<void(BoardState&)> run;
};

MemoryBoard afterCommand1()
{
    MemoryBoard board;
    applyMove(board, moveOfButton(1));
    return board;
}

MemoryBoard allRed()
{
    MemoryBoard board;
    for (Square s : playCells)
        board.setColour(s, Red);
    return board;
}

// Runs the scenario on a board that fails at each access it makes in turn and
// checks that the board keeps that failure, whole, and makes no access after it.
void failEveryAccessOf(const Scenario& scenario)
{
    ProbeBoard clean(scenario.start);
    scenario.run(clean);
    const std::vector<Access> all = clean.accesses();
    ASSERT_FALSE(all.empty()) << scenario.name;

    for (std::size_t n = 1; n <= all.size(); ++n) {
        SCOPED_TRACE(std::string(scenario.name) + ", failing access " + std::to_string(n));
        ProbeBoard board(scenario.start, n);
        scenario.run(board);
        ASSERT_TRUE(board.failure()) << "no failure kept";
        const Access& failed = all[n - 1];
        EXPECT_EQ(board.failure()->operation, failed.operation);
        EXPECT_EQ(board.failure()->square, failed.square);
        EXPECT_EQ(board.failure()->error.code, ProbeBoard::failureCode);
        EXPECT_EQ(board.failure()->error.detail, ProbeBoard::failureText);
        EXPECT_EQ(board.attempts(), n) << "an access was tried after the failure";
        const std::vector<Access> before(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n - 1));
        EXPECT_EQ(board.accesses(), before);
    }
}

TEST(Failure, StopsAPushOutAtTheFailedAccess)
{
    failEveryAccessOf({"push-out", MemoryBoard{}, [](BoardState& b) { applyMove(b, moveOfButton(1)); }});
}

TEST(Failure, StopsAPullInAtTheFailedAccess)
{
    failEveryAccessOf({"pull-in", afterCommand1(), [](BoardState& b) { applyMove(b, moveOfButton(12)); }});
}

TEST(Failure, StopsABlockedOrIdleMoveAtTheFailedAccess)
{
    MemoryBoard blocked = allRed();
    failEveryAccessOf({"blocked", blocked, [](BoardState& b) { applyMove(b, moveOfButton(3)); }});
    failEveryAccessOf({"no change", afterCommand1(), [](BoardState& b) { applyMove(b, moveOfButton(1)); }});
}

TEST(Failure, StopsResetAndTheWinCheckAtTheFailedAccess)
{
    failEveryAccessOf({"reset", afterCommand1(), [](BoardState& b) { reset(b); }});
    failEveryAccessOf({"win check", allRed(), [](BoardState& b) { (void)isWon(b); }});
}

TEST(Failure, NamesTheOperationSquareAndToolkitError)
{
    EXPECT_EQ(describe({SquareAccess::Read, Square::Label7, {5, "Access is denied."}}),
              "Reading the colour of square Label7 failed with error 5: Access is denied.");
    EXPECT_EQ(describe({SquareAccess::Write, Square::Label32, {1400, ""}}),
              "Setting the colour of square Label32 failed with error 1400");
}

} // namespace
} // namespace varnel
