// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"

#include <string_view>

namespace varnel {

// A window of the game on one toolkit: its squares, the end of the program,
// and the words for assistive technology such as a screen reader, said the
// platform's way. The game itself is its MidEnd's (ui/mid_end.h).
//
// What a front end owes its MidEnd:
// - It owns one MidEnd, and calls opened() once the window is built, its
//   squares in their start colours.
// - It hands every click on a control to click(), by the control's name,
//   whenever it comes: under a box or after the end too (the MidEnd drops
//   those clicks, and they are never played later).
// - It shows each box that click() or dismissed() returns, modal, titled
//   applicationTitle with one OK button, and with the platform's error icon
//   when it reports a failure. Where the platform keeps a log of errors
//   (the standard error stream, the browser's console), such a report goes
//   there too.
// - It calls dismissed() exactly once for each box, once the player has
//   dismissed it, even where the window was closed under it, and shows the
//   box that returns next. A box that cannot be shown counts as dismissed at
//   once. A box never dismissed leaves every later click dropped.
// - Its board() implements BoardState's read and write over the window's
//   squares (rules/board_state.h), returning the toolkit's error for an
//   access it cannot make: nothing it does throws.
// - endProgram() and endAfterFailure() are called from inside click() and
//   dismissed(): they end the program the platform's way (its event loop
//   ended and the window closed or hidden, or the game taken off the page),
//   but destroy neither the front end nor its MidEnd.
// - announce() and describeLine() neither fail nor wait for the player.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    // The colours of the window's squares.
    virtual BoardState& board() = 0;

    // Closes the window and ends the event loop: no further click is handled.
    virtual void endProgram() = 0;

    // Ends the program as endProgram does, with a failure status: once the
    // player has dismissed the report of a failure, or the window was closed
    // while it was open.
    virtual void endAfterFailure() = 0;

    // True once the program has ended, or the window system has closed the
    // window (which may happen while a box is open).
    virtual bool hasEnded() const = 0;

    // Says these words to the player's screen reader now, without moving the
    // focus: what a click changed.
    virtual void announce(std::string_view words) = 0;

    // Gives move button n (1 to 16) these words as its description: the
    // state of its line, read when the button takes the focus.
    virtual void describeLine(int moveButton, std::string_view words) = 0;

protected:
    FrontEnd() = default;
};

} // namespace varnel
