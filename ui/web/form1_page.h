// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"
#include "ui/front_end.h"

namespace varnel::web {

// The squares' elements on the page, and the colours last written to them
// (from the start colours that the page comes painted in): a square whose
// element has left the page can be neither read nor set.
class PageSquares final : public BoardState {
public:
    ColourValue colour(Square s) const override;
    void setColour(Square s, ColourValue c) override;

private:
    MemoryBoard colours_;
};

// The window Form1 as a web page, which comes with its 50 controls in place
// and reports clicks on the buttons to the program.
class Form1Page final : public FrontEnd {
public:
    // Gives the buttons their lines, then lets the page play clicks. There
    // is one page, so one Form1Page.
    Form1Page();
    ~Form1Page() override;
    Form1Page(const Form1Page&) = delete;
    Form1Page& operator=(const Form1Page&) = delete;

    BoardState& board() override { return squares_; }
    // Opens the box and returns: the page cannot wait for the player. The
    // click goes on once the player has dismissed it.
    bool showMessage(std::string_view text) override;
    void endProgram() override;
    bool hasEnded() const override { return ended_; }
    void reportFatalFailure(std::string_view report) override;
    void announce(std::string_view words) override;
    void describeLine(int moveButton, std::string_view words) override;

private:
    PageSquares squares_;
    bool ended_ = false;
};

} // namespace varnel::web
