// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/front_end.h"

#include <array>
#include <string_view>

namespace varnel {

// The program's own work: one handler per button click, and nothing else.
void Command1_Click(FrontEnd& ui);
void Command2_Click(FrontEnd& ui);
void Command3_Click(FrontEnd& ui);
void Command4_Click(FrontEnd& ui);
void Command5_Click(FrontEnd& ui);
void Command6_Click(FrontEnd& ui);
void Command7_Click(FrontEnd& ui);
void Command8_Click(FrontEnd& ui);
void Command9_Click(FrontEnd& ui);
void Command10_Click(FrontEnd& ui);
void Command11_Click(FrontEnd& ui);
void Command12_Click(FrontEnd& ui);
void Command13_Click(FrontEnd& ui);
void Command14_Click(FrontEnd& ui);
void Command15_Click(FrontEnd& ui);
void Command16_Click(FrontEnd& ui);
void RESET_Click(FrontEnd& ui);
void END_Click(FrontEnd& ui);

using ClickHandler = void (*)(FrontEnd&);

struct ButtonHandler {
    std::string_view button;
    ClickHandler click;
};

inline constexpr std::array<ButtonHandler, 18> buttonHandlers{{
    {"Command1", Command1_Click},
    {"Command2", Command2_Click},
    {"Command3", Command3_Click},
    {"Command4", Command4_Click},
    {"Command5", Command5_Click},
    {"Command6", Command6_Click},
    {"Command7", Command7_Click},
    {"Command8", Command8_Click},
    {"Command9", Command9_Click},
    {"Command10", Command10_Click},
    {"Command11", Command11_Click},
    {"Command12", Command12_Click},
    {"Command13", Command13_Click},
    {"Command14", Command14_Click},
    {"Command15", Command15_Click},
    {"Command16", Command16_Click},
    {"RESET", RESET_Click},
    {"END", END_Click},
}};

// The handler of the button with that name, or null for any other control.
ClickHandler clickHandlerOf(std::string_view button);

// What became of a click handed to runClick or of a box's dismissal.
enum class ClickRun {
    Dropped, // nothing ran
    Done,    // the handler ran to its end
    BoxOpen, // the handler waits on a box that is still open
};

// Where the toolkit's event loop hands a click to its handler. A click that
// arrives while another handler is running (or waiting on its box), or
// after the end of the program, is dropped. The handlers catch nothing; a
// failure that escapes one (a square that could not be read or set) is
// reported here and ends the program.
ClickRun runClick(FrontEnd& ui, ClickHandler handler) noexcept;

// The player has dismissed the box that the running handler left open
// (a front end whose boxes do not wait): runs the rest of that handler.
ClickRun messageDismissed(FrontEnd& ui) noexcept;

} // namespace varnel
