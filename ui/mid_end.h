// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/memory_board.h"
#include "ui/front_end.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

struct Step;

// A box for the front end to show, modal, titled "varnel" (applicationTitle)
// with one OK button: a message with no icon, or the report of a failure
// with the platform's error icon.
struct Box {
    std::string_view text;
    bool reportsFailure = false;
};

// The game played in one window: each front end's window owns one, and
// hands it the window's events. Nothing in it waits for the player.
//
// The life of a click, the same on every front end:
// 1. The window is built: opened() gives each move button its line's words.
// 2. A click on a control: click(name) runs its handler. The handler may
//    stop at a box, which click returns; or it runs to its end.
// 3. The front end shows that box. Once the player has dismissed it, the
//    front end calls dismissed(), which runs the rest of the handler and
//    returns the next box, if any: after a blocked move, the success box;
//    after the success box, none (the program has ended). A desktop
//    front end shows each box modally, so its click is a loop:
//        for (auto box = core.click(name); box; box = core.dismissed())
//            showMessage(*box);
//    The page shows the box and calls dismissed() from its OK button. A box
//    that cannot be opened is dismissed at once, so that no click is left
//    waiting on it.
// 4. Once the click has run to its end, its MidEnd tells the screen reader
//    what changed, through the front end's describeLine and announce.
// Until then the click is running, and any other click (a press under the
// box from a screen reader or automation, a click queued behind the box) is
// dropped: click returns no box and runs nothing. So is every event after
// the end of the program. A square that cannot be read or set stops the
// handler; its report is a box like the others, after which the program
// ends through the front end's endAfterFailure.
class MidEnd {
public:
    explicit MidEnd(FrontEnd& ui) : ui_(ui) {}
    MidEnd(const MidEnd&) = delete;
    MidEnd& operator=(const MidEnd&) = delete;

    void opened();
    [[nodiscard]] std::optional<Box> click(std::string_view control);
    [[nodiscard]] std::optional<Box> dismissed();

private:
    std::optional<Box> run(Step (*step)(FrontEnd&)) noexcept;
    void finish();

    FrontEnd& ui_;
    bool running_ = false;                  // a click runs, or waits on a box
    bool boxOpen_ = false;                  // it waits on a box
    Step (*afterBox_)(FrontEnd&) = nullptr; // the rest of its handler, once the box is dismissed
    bool failed_ = false;                   // the box reports a failure: the click ends only with the program
    std::string failureReport_;             // that box's text
    std::optional<MemoryBoard> before_;     // the squares before the click, to tell what it changed
};

} // namespace varnel
