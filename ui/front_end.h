// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"

#include <string_view>

namespace varnel {

// What a front end gives the click handlers: the squares, a message box and
// the end of the program; and what it gives assistive technology such as a
// screen reader: the words the program has for it, said the platform's way.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // The colours of the window's squares.
    virtual BoardState& board() = 0;

    // A modal box titled "varnel" with one OK button and no icon; returns
    // once the player has dismissed it.
    virtual void showMessage(std::string_view text) = 0;

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

protected:
    FrontEnd() = default;
    FrontEnd(const FrontEnd&) = default;
    FrontEnd& operator=(const FrontEnd&) = default;
};

} // namespace varnel
