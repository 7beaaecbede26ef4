// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/front_end.h"

#include <string_view>

namespace varnel {

// Where a front end hands over a click on the control of that name: runs its
// handler (a control without one does nothing), then tells the player's
// screen reader what the click changed, through the front end's announce and
// describeLine. Nothing is told after the end of the program, nor for a click
// that ran no handler.
void clickControl(FrontEnd& ui, std::string_view control);

// Where a front end whose boxes do not wait hands over the player's
// dismissal of the box that a click left open: the click goes on from
// there, and is told like any other once it has run to its end.
void dismissMessage(FrontEnd& ui);

// Gives every move button the words of its line, as the window opens.
void describeAllLines(FrontEnd& ui);

} // namespace varnel
