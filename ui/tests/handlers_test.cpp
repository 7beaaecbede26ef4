// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "ui/handlers.h"

#include "rules/moves.h"
#include "rules/tests/probe_board.h"
#include "rules/win_check.h"
#include "tools/solver.h"
#include "ui/form1.h"
#include "ui/mid_end.h"
#include "ui/spoken_words.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
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
    void endProgram() override
    {
        record("end");
        ended_ = true;
    }
    void endAfterFailure() override
    {
        record("end after failure");
        ended_ = true;
    }
    bool hasEnded() const override { return ended_; }
    void announce(std::string_view words) override { record("say: " + std::string(words)); }
    void describeLine(int moveButton, std::string_view words) override
    {
        record("line " + std::to_string(moveButton) + ": " + std::string(words));
    }

    void showMessage(const Box& box)
    {
        record((box.reportsFailure ? "fatal: " : "message: ") + std::string(box.text));
        if (underBox)
            underBox();
    }
    // The window system closes the window.
    void close() { ended_ = true; }

    MidEnd core{*this};
    std::function<void()> underBox; // what happens while a box is open

    const ProbeBoard& probe() const { return board_; }
    const std::vector<Event>& events() const { return events_; }

private:
    void record(std::string what) { events_.push_back({std::move(what), board_.accesses().size()}); }

    ProbeBoard board_;
    std::vector<Event> events_;
    bool ended_ = false;
};

// A click handed over as a front end does, each box dismissed by the player.
void play(FakeFrontEnd& ui, std::string_view control)
{
    for (auto box = ui.core.click(control); box; box = ui.core.dismissed())
        ui.showMessage(*box);
}

// The core reads every square before a click, to tell what it changed.
constexpr std::size_t copied = squareCount;

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
        EXPECT_TRUE(clickHandlerOf(button)(ui).box.empty()) << button;
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
    FakeFrontEnd ui(blocked);
    const Step box = Command1_Click(ui);
    EXPECT_EQ(box.box, "You cannot move the column if the head is red.");
    EXPECT_EQ(ui.probe().accesses().size(), 1u) << "the win check came before the box";
    EXPECT_TRUE(box.then(ui).box.empty());
    EXPECT_TRUE(ui.events().empty());
    EXPECT_EQ(ui.probe().board(), blocked);
    EXPECT_EQ(tail(ui.probe().accesses(), 1), winCheckOf(blocked));
}

TEST(Handlers, RunTheWinCheckQuietlyAfterAMoveThatChangesNothing)
{
    const MemoryBoard full = afterMoves({1});
    FakeFrontEnd ui(full);
    EXPECT_TRUE(Command1_Click(ui).box.empty());
    EXPECT_TRUE(ui.events().empty());
    EXPECT_EQ(tail(ui.probe().accesses(), 2), winCheckOf(full));
}

TEST(Handlers, EndTheProgramAfterTheSuccessMessageOfTheWinningMove)
{
    const auto game = findWinningGame(MemoryBoard{});
    ASSERT_TRUE(game);
    const std::vector<int> allButLast(game->begin(), game->end() - 1);
    FakeFrontEnd ui(afterMoves(allButLast));
    play(ui, moveOfButton(game->back()).button);

    // Pull-in: 11 accesses; a won board: 16 reads.
    ASSERT_EQ(ui.events(), (std::vector<Event>{{"message: Amazingly, you have succeeded. Bravo!!", copied + 27},
                                               {"end", copied + 27}}));
    EXPECT_TRUE(isWon(ui.probe().board())) << "the board is not reset";
}

TEST(Handlers, ResetWritesTheStartPositionAndNothingElse)
{
    for (const MemoryBoard& start : {MemoryBoard{}, afterMoves({1, 5, 12, 13})}) {
        FakeFrontEnd ui(start);
        EXPECT_TRUE(RESET_Click(ui).box.empty());
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
    EXPECT_TRUE(END_Click(ui).box.empty());
    EXPECT_EQ(ui.events(), (std::vector<Event>{{"end", 0}}));
    EXPECT_TRUE(ui.probe().accesses().empty());
}

TEST(Handlers, AFailedSquareStopsTheHandlerAndIsReportedOnce)
{
    struct Case {
        const char* name;
        MemoryBoard start;
        std::string_view button;
        std::size_t messageAfter; // handler's accesses before the blocked message, if it is shown
    };
    constexpr std::size_t never = SIZE_MAX;
    const Case cases[] = {
        {"push-out", MemoryBoard{}, "Command1", never},
        {"blocked", afterMoves({1, 12}), "Command1", 1},
        {"reset", afterMoves({3}), "RESET", never},
    };
    for (const Case& c : cases) {
        FakeFrontEnd clean(c.start);
        play(clean, c.button);
        const std::size_t accesses = clean.probe().accesses().size() - 2 * copied; // the handler's own
        for (std::size_t n = 1; n <= accesses; ++n) {
            SCOPED_TRACE(std::string(c.name) + ", failing access " + std::to_string(n));
            FakeFrontEnd ui(c.start, copied + n);
            play(ui, c.button);
            ASSERT_GE(ui.events().size(), 2u);
            const Event& report = ui.events().end()[-2];
            EXPECT_EQ(report.afterAccesses, copied + n - 1);
            EXPECT_TRUE(report.what.starts_with("fatal: Varnel has to stop.")) << report.what;
            EXPECT_NE(report.what.find(ProbeBoard::failureText), std::string::npos) << report.what;
            EXPECT_NE(report.what.find(std::to_string(ProbeBoard::failureCode)), std::string::npos) << report.what;
            EXPECT_EQ(ui.events().back(), (Event{"end after failure", copied + n - 1}));
            EXPECT_EQ(ui.probe().attempts(), copied + n) << "an access was tried after the failure";
            // Only a blocked message shown before the failing access may precede the report.
            EXPECT_EQ(ui.events().size(), n - 1 >= c.messageAfter ? 3u : 2u);
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
        std::string_view button;
        std::vector<Event> events;
    };
    const Case cases[] = {
        // No win check on squares that are gone, and no report of them.
        {"blocked",
         afterMoves({1, 12}),
         "Command1",
         {{"message: You cannot move the column if the head is red.", copied + 1}}},
        // Already ended: the handler does not end it a second time.
        {"winning",
         afterMoves({game->begin(), game->end() - 1}),
         moveOfButton(game->back()).button,
         {{"message: Amazingly, you have succeeded. Bravo!!", copied + 27}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFrontEnd ui(c.start);
        ui.underBox = [&] { ui.close(); };
        play(ui, c.button);
        EXPECT_EQ(ui.events(), c.events);
        EXPECT_EQ(ui.probe().attempts(), c.events.back().afterAccesses) << "a square was touched after the end";

        // Nor does a click that reaches the window afterwards.
        play(ui, "RESET");
        play(ui, "END");
        EXPECT_EQ(ui.events(), c.events);
        EXPECT_EQ(ui.probe().attempts(), c.events.back().afterAccesses);
    }
}

TEST(Handlers, RunOneAtATimeEvenWhenAButtonIsPressedUnderABox)
{
    const MemoryBoard blocked = afterMoves({1, 12});
    for (const std::string_view press : {"Command5", "RESET", "END"}) {
        FakeFrontEnd ui(blocked);
        ui.underBox = [&] { EXPECT_FALSE(ui.core.click(press)) << "a second box"; };
        play(ui, "Command1");
        EXPECT_EQ(ui.probe().board(), blocked) << "the press of " << press << " under the box ran";
        EXPECT_FALSE(ui.hasEnded()) << press;

        // Once the handler has returned, the next click is handled.
        ui.underBox = nullptr;
        play(ui, "Command5");
        EXPECT_EQ(ui.probe().board(), afterMoves({1, 12, 5}));
    }

    // Each window's game is its own: a box in one holds back no click of another.
    FakeFrontEnd first(blocked);
    FakeFrontEnd second;
    first.underBox = [&] { play(second, "Command5"); };
    play(first, "Command1");
    EXPECT_EQ(second.probe().board(), afterMoves({5}));
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
    play(ui, "Command1");
    const MemoryBoard after = afterMoves({1});
    std::vector<std::string> told;
    for (int line : {1, 8, 12, 13})
        told.push_back("line " + std::to_string(line) + ": " + spokenLine(line, after));
    told.push_back("say: Slot above column 1: red piece. Row 4, column 1: empty.");
    EXPECT_EQ(whatsOf(ui), told);

    // After a blocked move's box, that nothing moved; a click under the box,
    // on a square or after the end tells nothing.
    FakeFrontEnd blocked(afterMoves({1, 12}));
    blocked.underBox = [&] { (void)blocked.core.click("RESET"); };
    play(blocked, "Command1");
    play(blocked, "Label6");
    play(blocked, "END");
    play(blocked, "RESET");
    EXPECT_EQ(whatsOf(blocked), (std::vector<std::string>{"message: You cannot move the column if the head is red.",
                                                          "say: Nothing moved.", "end"}));

    // A square that cannot be read before the click: the move is still
    // played, but nothing is told of it; and the next click is handled.
    FakeFrontEnd unread(MemoryBoard{}, 1);
    play(unread, "Command1");
    EXPECT_EQ(unread.probe().board(), afterMoves({1}));
    play(unread, "END");
    EXPECT_EQ(whatsOf(unread), std::vector<std::string>{"end"});
}

TEST(Handlers, AreFoundOnlyForTheEighteenButtons)
{
    EXPECT_EQ(clickHandlerOf("Command7"), &Command7_Click);
    EXPECT_EQ(clickHandlerOf("RESET"), &RESET_Click);
    EXPECT_EQ(clickHandlerOf("END"), &END_Click);
    EXPECT_EQ(clickHandlerOf("Label6"), nullptr);
    EXPECT_EQ(clickHandlerOf("Form1"), nullptr);
    EXPECT_EQ(clickHandlerOf("Command17"), nullptr);

    // The page numbers its buttons in the window table's order.
    int n = 0;
    for (const ControlSpec& c : form1Controls)
        if (c.kind == ControlKind::PushButton) {
            EXPECT_EQ(buttonNumbered(n++), c.name);
        }
    EXPECT_EQ(buttonNumbered(n), "");
}

} // namespace
} // namespace varnel
