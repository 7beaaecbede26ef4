// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"

#include <optional>
#include <string_view>

namespace varnel {

class FrontEnd;

// What the core keeps of the click a front end is handling, while a box of a
// front end whose boxes do not wait is open: one for each window, touched
// only by the core's click handling.
struct ClickInProgress {
    bool running = false;                  // a handler runs, or waits on its box
    bool boxOpen = false;                  // and its box is open
    void (*afterBox)(FrontEnd&) = nullptr; // the rest of the handler, once the box is dismissed
    std::optional<MemoryBoard> before;     // the squares before the click, to tell what it changed
};

// What a front end gives the click handlers: the squares, a message box and
// the end of the program; and what it gives assistive technology such as a
// screen reader: the words the program has for it, said the platform's way.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // The colours of the window's squares.
    virtual BoardState& board() = 0;

    // A modal box titled "varnel" with one OK button and no icon. True once
    // the player has dismissed it; false where the platform's box cannot
    // wait for that (the page): there the box stays open, and the front end
    // hands its dismissal to dismissMessage (ui/click.h).
    virtual bool showMessage(std::string_view text) = 0;

    // Closes the window and ends the event loop: no further click is handled.
    virtual void endProgram() = 0;

    // True once the program has ended, by endProgram, a fatal failure or the
    // window system closing the window (which may happen while a box is open).
    virtual bool hasEnded() const = 0;

    // Tells the player that the program has to stop, and why, then ends it
    // with a failure status.
    virtual void reportFatalFailure(std::string_view report) = 0;

    // Says these words to the player's screen reader now, without moving the
    // focus: what a click changed.
    virtual void announce(std::string_view words) = 0;

    // Gives move button n (1 to 16) these words as its description: the
    // state of its line, read when the button takes the focus.
    virtual void describeLine(int moveButton, std::string_view words) = 0;

    ClickInProgress clickInProgress;

protected:
    FrontEnd() = default;
    FrontEnd(const FrontEnd&) = default;
    FrontEnd& operator=(const FrontEnd&) = default;
};

} // namespace varnel
