// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"
#include "ui/front_end.h"

namespace varnel::web {

// The squares' colours, kept with their elements on the page: each element
// holds the ColourValue last written to it, not a colour string to parse.
class PageSquares final : public BoardState {
public:
    ColourValue colour(Square s) const override;
    void setColour(Square s, ColourValue c) override;
};

// The window Form1 as a web page: its 50 controls are elements that the
// page's script makes at the program's request, and the page reports clicks
// on the buttons back to it.
class Form1Page final : public FrontEnd {
public:
    // Makes the controls, the squares at their start colours, and gives
    // Command1 the focus. There is one page, so one Form1Page at a time.
    Form1Page();
    ~Form1Page() override;
    Form1Page(const Form1Page&) = delete;
    Form1Page& operator=(const Form1Page&) = delete;

    BoardState& board() override { return squares_; }
    // Waits, without blocking the browser, until the player dismisses the box.
    void showMessage(std::string_view text) override;
    void endProgram() override;
    bool hasEnded() const override { return ended_; }
    void reportFatalFailure(std::string_view report) override;

    // A click on the control at this place in the window's table.
    void click(int controlIndex);

private:
    // Tells assistive technology the state of each move button's line.
    void describeLines();

    PageSquares squares_;
    bool ended_ = false;
};

} // namespace varnel::web
