// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"
#include "ui/front_end.h"
#include "ui/handlers.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// A box for the front end to show, modal, titled "varnel" (applicationTitle)
// with one OK button: a message with no icon, or the report of a failure
// with the platform's error icon.
struct Box {
    std::string_view text;
    bool reportsFailure = false;
};

// The game played in one window: each front end's window owns one, and
// hands it the window's events (what the front end owes it is in
// ui/front_end.h). Nothing in it waits for the player.
//
// The life of a click:
// 1. opened() gives each move button its line's words.
// 2. click(name) copies the squares, to tell later what changed, and runs
//    the control's handler, which either runs to its end or stops at a box
//    (the blocked move's, the success box), which click returns.
// 3. Once the player has dismissed the box, dismissed() runs the rest of the
//    handler: after the blocked move's box, the win check, which finds no win
//    (nothing moved); after the success box, the end of the program. So the
//    only box it can return is a failure's report (below); a front end
//    shows whatever it returns.
// 4. Once the handler has run to its end, what changed is told through the
//    front end's describeLine and announce.
// From click to then the click is running, and any other click is dropped:
// click returns no box and runs nothing. So is every event after the end of
// the program. A square that cannot be read or set stops the handler there;
// its report takes the place of the handler's box, and once it is dismissed
// the program ends through the front end's endAfterFailure.
class MidEnd {
public:
    explicit MidEnd(FrontEnd& ui) : ui_(ui) {}
    MidEnd(const MidEnd&) = delete;
    MidEnd& operator=(const MidEnd&) = delete;

    void opened();
    [[nodiscard]] std::optional<Box> click(std::string_view control);
    [[nodiscard]] std::optional<Box> dismissed();

private:
    std::optional<Box> run(ClickHandler step);
    void finish();

    FrontEnd& ui_;
    bool running_ = false;              // a click runs, or waits on a box
    bool boxOpen_ = false;              // it waits on a box
    ClickHandler afterBox_ = nullptr;   // the rest of its handler, once the box is dismissed
    bool failed_ = false;               // the box reports a failure: the click ends only with the program
    std::string failureReport_;         // that box's text
    std::optional<MemoryBoard> before_; // the squares before the click, to tell what it changed
};

} // namespace varnel
