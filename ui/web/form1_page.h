// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"
#include "ui/front_end.h"
#include "ui/mid_end.h"

namespace varnel::web {

// The squares' elements on the page, and the colours last written to them
// (from the start colours that the page comes painted in): a square whose
// element has left the page can be neither read nor set.
class PageSquares final : public BoardState {
private:
    std::optional<ToolkitError> read(Square s, ColourValue& c) const override;
    std::optional<ToolkitError> write(Square s, ColourValue c) override;

    MemoryBoard colours_;
};

// The window Form1 as a web page, which comes with its 50 controls in place
// and reports clicks on the buttons to the program.
class Form1Page final : public FrontEnd {
public:
    // Gives the buttons their lines, then lets the page play clicks. There
    // is one page, so one Form1Page.
    Form1Page();

    // The page's two events: a click on a button, and the player's
    // dismissal of the box.
    void click(std::string_view button) { showBox(core_.click(button)); }
    void dismissed() { showBox(core_.dismissed()); }

    BoardState& board() override { return squares_; }
    void endProgram() override;
    void endAfterFailure() override { endProgram(); }
    bool hasEnded() const override { return ended_; }
    void announce(std::string_view words) override;
    void describeLine(int moveButton, std::string_view words) override;

private:
    void showBox(std::optional<Box> box);

    PageSquares squares_;
    bool ended_ = false;
    MidEnd core_{*this};
};

} // namespace varnel::web
