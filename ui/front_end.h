// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"

#include <string_view>

namespace varnel {

// What a front end does when the program asks: the squares, the end of the
// program, and the words the program has for assistive technology such as a
// screen reader, said the platform's way. It shows the program's boxes when
// its MidEnd (ui/mid_end.h) hands them over.
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
    // player has dismissed the report of a failure. Also called when the
    // window was closed while the report was open.
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
