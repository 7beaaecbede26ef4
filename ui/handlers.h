// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/front_end.h"

#include <string_view>

namespace varnel {

struct Step;

// A handler, or the rest of one once the player has dismissed its box.
using ClickHandler = Step (*)(FrontEnd&);

// Where a handler stops: at its end, or at a box, with what it does once the
// player has dismissed the box. The handler's code after the box is that
// step: the box comes first, whenever the front end shows it.
struct Step {
    std::string_view box;        // the text of the box; empty at the handler's end
    ClickHandler then = nullptr; // after the box, if anything
};

// The program's own work: one handler per button click, and nothing else.
// A MidEnd (ui/mid_end.h) runs them, one at a time, and hands their boxes
// to the front end.
Step Command1_Click(FrontEnd& ui);
Step Command2_Click(FrontEnd& ui);
Step Command3_Click(FrontEnd& ui);
Step Command4_Click(FrontEnd& ui);
Step Command5_Click(FrontEnd& ui);
Step Command6_Click(FrontEnd& ui);
Step Command7_Click(FrontEnd& ui);
Step Command8_Click(FrontEnd& ui);
Step Command9_Click(FrontEnd& ui);
Step Command10_Click(FrontEnd& ui);
Step Command11_Click(FrontEnd& ui);
Step Command12_Click(FrontEnd& ui);
Step Command13_Click(FrontEnd& ui);
Step Command14_Click(FrontEnd& ui);
Step Command15_Click(FrontEnd& ui);
Step Command16_Click(FrontEnd& ui);
Step RESET_Click(FrontEnd& ui);
Step END_Click(FrontEnd& ui);

// The handler of the button with that name, or null for any other control.
ClickHandler clickHandlerOf(std::string_view button);

// The eighteen buttons by number from 0: Command1 to Command16, RESET, END,
// the window's own order; empty past them. The page hands its clicks over so.
std::string_view buttonNumbered(int n);

} // namespace varnel
