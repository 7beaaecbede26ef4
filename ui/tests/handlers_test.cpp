// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "ui/handlers.h"

#include "rules/moves.h"
#include "rules/tests/probe_board.h"
#include "rules/win_check.h"
#include "tools/solver.h"
#include "ui/click.h"
#include "ui/spoken_words.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace varnel {
namespace {

using namespace varnel::testing;

struct Event {
    std::string what;
    std::size_t afterAccesses; // how many square accesses came before it
    bool operator==(const Event&) const = default;
};

void PrintTo(const Event& e, std::ostream* out) { *out << '"' << e.what << "\" after " << e.afterAccesses; }

// Stands in for a window: records what the handlers ask of it, in order.
class FakeFrontEnd final : public FrontEnd {
public:
    explicit FakeFrontEnd(MemoryBoard start = {}, std::optional<std::size_t> failAt = std::nullopt)
        : board_(start, failAt)
    {}

    BoardState& board() override { return board_; }
    bool showMessage(std::string_view text) override
    {
        record("message: " + std::string(text));
        if (waits_)
            whileBoxOpen();
        return waits_;
    }
    void endProgram() override
    {
        record("end");
        ended_ = true;
    }
    bool hasEnded() const override { return ended_; }
    void reportFatalFailure(std::string_view report) override
    {
        record("fatal: " + std::string(report));
        ended_ = true;
    }
    void announce(std::string_view words) override { record("say: " + std::string(words)); }
    void describeLine(int moveButton, std::string_view words) override
    {
        record("line " + std::to_string(moveButton) + ": " + std::string(words));
    }

    // Like the page's, the boxes do not wait: the player dismisses them later.
    void boxesDoNotWait() { waits_ = false; }
    void whileBoxOpen()
    {
        ended_ = ended_ || closeWhileBoxOpen_;
        if (pressWhileBoxOpen_)
            runClick(*this, pressWhileBoxOpen_);
        if (!clickWhileBoxOpen_.empty())
            clickControl(*this, clickWhileBoxOpen_);
    }

    // The window system closes the window while the next box is open.
    void closeWhileBoxOpen() { closeWhileBoxOpen_ = true; }
    // A screen reader or automation presses a button while a box is open.
    void pressWhileBoxOpen(ClickHandler click) { pressWhileBoxOpen_ = click; }
    void clickWhileBoxOpen(std::string control) { clickWhileBoxOpen_ = std::move(control); }

    const ProbeBoard& probe() const { return board_; }
    const std::vector<Event>& events() const { return events_; }

private:
    void record(std::string what) { events_.push_back({std::move(what), board_.accesses().size()}); }

    ProbeBoard board_;
    std::vector<Event> events_;
    bool ended_ = false;
    bool waits_ = true;
    bool closeWhileBoxOpen_ = false;
    ClickHandler pressWhileBoxOpen_ = nullptr;
    std::string clickWhileBoxOpen_;
};

// A click handed over as a front end does, each box that does not wait
// dismissed by the player once it is open.
void play(FakeFrontEnd& ui, ClickHandler handler)
{
    for (ClickRun run = runClick(ui, handler); run == ClickRun::BoxOpen; run = messageDismissed(ui))
        ui.whileBoxOpen();
}

void playControl(FakeFrontEnd& ui, std::string_view control)
{
    for (clickControl(ui, control); ui.clickInProgress.boxOpen; dismissMessage(ui))
        ui.whileBoxOpen();
}

// Each case runs on a front end whose boxes wait and on one whose do not.
FakeFrontEnd frontEnd(bool waits, MemoryBoard start = {}, std::optional<std::size_t> failAt = std::nullopt)
{
    FakeFrontEnd ui(start, failAt);
    if (!waits)
        ui.boxesDoNotWait();
    return ui;
}

MemoryBoard afterMoves(const std::vector<int>& buttons)
{
    MemoryBoard board;
    for (int button : buttons)
        applyMove(board, moveOfButton(button));
    return board;
}

// The accesses the win check makes on a board, on their own.
std::vector<Access> winCheckOf(const MemoryBoard& board)
{
    ProbeBoard probe(board);
    (void)isWon(probe);
    return probe.accesses();
}

std::vector<Access> tail(const std::vector<Access>& all, std::size_t from)
{
    return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
}

TEST(Handlers, EachMoveButtonRunsItsOwnMoveThenTheWinCheck)
{
    for (int n = 1; n <= 16; ++n) {
        const std::string button = "Command" + std::to_string(n);
        FakeFrontEnd ui;
        runClick(ui, clickHandlerOf(button));
        const MemoryBoard expected = afterMoves({n});
        EXPECT_EQ(ui.probe().board(), expected) << button;
        EXPECT_TRUE(ui.events().empty()) << button;
        // A push-out makes ten accesses; the win check follows them.
        EXPECT_EQ(tail(ui.probe().accesses(), 10), winCheckOf(expected)) << button;
    }
}

TEST(Handlers, ShowTheBlockedMessageThenStillRunTheWinCheck)
{
    const MemoryBoard blocked = afterMoves({1, 12});
    for (const bool waits : {true, false}) {
        FakeFrontEnd ui = frontEnd(waits, blocked);
        // A box that does not wait holds the rest of the handler back.
        EXPECT_EQ(runClick(ui, Command1_Click), waits ? ClickRun::Done : ClickRun::BoxOpen);
        EXPECT_EQ(ui.probe().accesses().size(), waits ? 1 + winCheckOf(blocked).size() : 1u);
        EXPECT_EQ(messageDismissed(ui), waits ? ClickRun::Dropped : ClickRun::Done);
        EXPECT_EQ(ui.events(), (std::vector<Event>{{"message: You cannot move the column if the head is red.", 1}}));
        EXPECT_EQ(ui.probe().board(), blocked);
        EXPECT_EQ(tail(ui.probe().accesses(), 1), winCheckOf(blocked));
    }
}

TEST(Handlers, RunTheWinCheckQuietlyAfterAMoveThatChangesNothing)
{
    const MemoryBoard full = afterMoves({1});
    FakeFrontEnd ui(full);
    runClick(ui, Command1_Click);
    EXPECT_TRUE(ui.events().empty());
    EXPECT_EQ(tail(ui.probe().accesses(), 2), winCheckOf(full));
}

TEST(Handlers, EndTheProgramAfterTheSuccessMessageOfTheWinningMove)
{
    const auto game = findWinningGame(MemoryBoard{});
    ASSERT_TRUE(game);
    const std::vector<int> allButLast(game->begin(), game->end() - 1);
    for (const bool waits : {true, false}) {
        FakeFrontEnd ui = frontEnd(waits, afterMoves(allButLast));
        play(ui, clickHandlerOf(moveOfButton(game->back()).button));

        // Pull-in: 11 accesses; a won board: 16 reads.
        ASSERT_EQ(ui.events(),
                  (std::vector<Event>{{"message: Amazingly, you have succeeded. Bravo!!", 27}, {"end", 27}}));
        EXPECT_TRUE(isWon(ui.probe().board())) << "the board is not reset";
    }
}

TEST(Handlers, ResetWritesTheStartPositionAndNothingElse)
{
    for (const MemoryBoard& start : {MemoryBoard{}, afterMoves({1, 5, 12, 13})}) {
        FakeFrontEnd ui(start);
        runClick(ui, RESET_Click);
        EXPECT_TRUE(ui.events().empty());
        EXPECT_EQ(ui.probe().board(), MemoryBoard{});
        EXPECT_EQ(ui.probe().accesses().size(), 32u);
        for (const Access& a : ui.probe().accesses())
            EXPECT_EQ(a.operation, SquareAccess::Write);
    }
}

TEST(Handlers, EndStopsAtOnceWithoutTouchingTheBoard)
{
    FakeFrontEnd ui(afterMoves({2, 7}));
    runClick(ui, END_Click);
    EXPECT_EQ(ui.events(), (std::vector<Event>{{"end", 0}}));
    EXPECT_TRUE(ui.probe().accesses().empty());
}

TEST(Handlers, AFailedSquareStopsTheHandlerAndIsReportedOnce)
{
    struct Case {
        const char* name;
        MemoryBoard start;
        ClickHandler click;
        std::size_t messageAfter; // accesses before the blocked message, if it is shown
    };
    constexpr std::size_t never = SIZE_MAX;
    const Case cases[] = {
        {"push-out", MemoryBoard{}, Command1_Click, never},
        {"blocked", afterMoves({1, 12}), Command1_Click, 1},
        {"reset", afterMoves({3}), RESET_Click, never},
    };
    for (const Case& c : cases) {
        FakeFrontEnd clean(c.start);
        runClick(clean, c.click);
        const std::size_t accesses = clean.probe().accesses().size();
        for (std::size_t n = 1; n <= accesses; ++n) {
            for (const bool waits : {true, false}) {
                SCOPED_TRACE(std::string(c.name) + ", failing access " + std::to_string(n) +
                             (waits ? "" : ", box not waiting"));
                FakeFrontEnd ui = frontEnd(waits, c.start, n);
                play(ui, c.click);
                ASSERT_FALSE(ui.events().empty());
                const Event& last = ui.events().back();
                EXPECT_EQ(last.afterAccesses, n - 1);
                EXPECT_TRUE(last.what.starts_with("fatal: Varnel has to stop.")) << last.what;
                EXPECT_NE(last.what.find(ProbeBoard::failureText), std::string::npos) << last.what;
                EXPECT_NE(last.what.find(std::to_string(ProbeBoard::failureCode)), std::string::npos) << last.what;
                EXPECT_EQ(ui.probe().attempts(), n) << "an access was tried after the failure";
                // Only a blocked message shown before the failing access may precede the report.
                EXPECT_EQ(ui.events().size(), n - 1 >= c.messageAfter ? 2u : 1u);
            }
        }
    }
}

TEST(Handlers, StopAfterABoxDuringWhichTheWindowWasClosed)
{
    const auto game = findWinningGame(MemoryBoard{});
    ASSERT_TRUE(game);
    struct Case {
        const char* name;
        MemoryBoard start;
        ClickHandler click;
        std::vector<Event> events;
    };
    const Case cases[] = {
        // No win check on squares that are gone, and no report of them.
        {"blocked",
         afterMoves({1, 12}),
         Command1_Click,
         {{"message: You cannot move the column if the head is red.", 1}}},
        // Already ended: the handler does not end it a second time.
        {"winning",
         afterMoves({game->begin(), game->end() - 1}),
         clickHandlerOf(moveOfButton(game->back()).button),
         {{"message: Amazingly, you have succeeded. Bravo!!", 27}}},
    };
    for (const Case& c : cases) {
        for (const bool waits : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (waits ? "" : ", box not waiting"));
            FakeFrontEnd ui = frontEnd(waits, c.start);
            ui.closeWhileBoxOpen();
            play(ui, c.click);
            EXPECT_EQ(ui.events(), c.events);
            EXPECT_EQ(ui.probe().attempts(), c.events.back().afterAccesses) << "a square was touched after the end";

            // Nor does a click that reaches a handler afterwards.
            runClick(ui, RESET_Click);
            runClick(ui, END_Click);
            EXPECT_EQ(ui.events(), c.events);
            EXPECT_EQ(ui.probe().attempts(), c.events.back().afterAccesses);
        }
    }
}

TEST(Handlers, RunOneAtATimeEvenWhenAButtonIsPressedUnderABox)
{
    const MemoryBoard blocked = afterMoves({1, 12});
    for (const ClickHandler press : {Command5_Click, RESET_Click, END_Click}) {
        for (const bool waits : {true, false}) {
            FakeFrontEnd ui = frontEnd(waits, blocked);
            ui.pressWhileBoxOpen(press);
            play(ui, Command1_Click);
            EXPECT_EQ(ui.events(),
                      (std::vector<Event>{{"message: You cannot move the column if the head is red.", 1}}));
            EXPECT_EQ(tail(ui.probe().accesses(), 1), winCheckOf(blocked)) << "the press under the box ran";

            // Once the handler has returned, the next click is handled.
            ui.pressWhileBoxOpen(nullptr);
            runClick(ui, Command5_Click);
            EXPECT_EQ(ui.probe().board(), afterMoves({1, 12, 5}));
        }
    }
}

std::vector<std::string> whatsOf(const FakeFrontEnd& ui)
{
    std::vector<std::string> whats;
    for (const Event& e : ui.events())
        whats.push_back(e.what);
    return whats;
}

TEST(Handlers, TellAScreenReaderWhatEachClickChangedAndNothingElse)
{
    // A push-out: the four lines through the two changed squares get new
    // words, then the change is said.
    FakeFrontEnd ui;
    clickControl(ui, "Command1");
    const MemoryBoard after = afterMoves({1});
    std::vector<std::string> told;
    for (int line : {1, 8, 12, 13})
        told.push_back("line " + std::to_string(line) + ": " + spokenLine(line, after));
    told.push_back("say: Slot above column 1: red piece. Row 4, column 1: empty.");
    EXPECT_EQ(whatsOf(ui), told);

    // After a blocked move's box, that nothing moved; a click under the box,
    // on a square or after the end tells nothing.
    for (const bool waits : {true, false}) {
        FakeFrontEnd blocked = frontEnd(waits, afterMoves({1, 12}));
        blocked.clickWhileBoxOpen("RESET");
        playControl(blocked, "Command1");
        playControl(blocked, "Label6");
        playControl(blocked, "END");
        playControl(blocked, "RESET");
        EXPECT_EQ(whatsOf(blocked), (std::vector<std::string>{"message: You cannot move the column if the head is red.",
                                                              "say: Nothing moved.", "end"}));
    }

    // A square that cannot be read before the click: the move is still
    // played, but nothing is told of it.
    FakeFrontEnd unread(MemoryBoard{}, 1);
    clickControl(unread, "Command1");
    EXPECT_EQ(unread.probe().board(), afterMoves({1}));
    EXPECT_TRUE(unread.events().empty());
}

TEST(Handlers, AreFoundOnlyForTheEighteenButtons)
{
    EXPECT_EQ(clickHandlerOf("Command7"), &Command7_Click);
    EXPECT_EQ(clickHandlerOf("RESET"), &RESET_Click);
    EXPECT_EQ(clickHandlerOf("END"), &END_Click);
    EXPECT_EQ(clickHandlerOf("Label6"), nullptr);
    EXPECT_EQ(clickHandlerOf("Form1"), nullptr);
    EXPECT_EQ(clickHandlerOf("Command17"), nullptr);
}

} // namespace
} // namespace varnel
