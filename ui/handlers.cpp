// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "handlers.h"

#include "rules/moves.h"
#include "rules/win_check.h"

#include <algorithm>
#include <exception>
#include <string>

namespace varnel {

namespace {

void clickMoveButton(FrontEnd& ui, int button)
{
    BoardState& board = ui.board();
    if (applyMove(board, moveOfButton(button)) == MoveOutcome::Blocked) {
        ui.showMessage(blockedMessage);
        // The window may have been closed while the box was open: its squares
        // are gone, and the game with them.
        if (ui.hasEnded())
            return;
    }
    if (isWon(board)) {
        ui.showMessage(successMessage);
        if (!ui.hasEnded())
            ui.endProgram();
    }
}

} // namespace

void Command1_Click(FrontEnd& ui) { clickMoveButton(ui, 1); }
void Command2_Click(FrontEnd& ui) { clickMoveButton(ui, 2); }
void Command3_Click(FrontEnd& ui) { clickMoveButton(ui, 3); }
void Command4_Click(FrontEnd& ui) { clickMoveButton(ui, 4); }
void Command5_Click(FrontEnd& ui) { clickMoveButton(ui, 5); }
void Command6_Click(FrontEnd& ui) { clickMoveButton(ui, 6); }
void Command7_Click(FrontEnd& ui) { clickMoveButton(ui, 7); }
void Command8_Click(FrontEnd& ui) { clickMoveButton(ui, 8); }
void Command9_Click(FrontEnd& ui) { clickMoveButton(ui, 9); }
void Command10_Click(FrontEnd& ui) { clickMoveButton(ui, 10); }
void Command11_Click(FrontEnd& ui) { clickMoveButton(ui, 11); }
void Command12_Click(FrontEnd& ui) { clickMoveButton(ui, 12); }
void Command13_Click(FrontEnd& ui) { clickMoveButton(ui, 13); }
void Command14_Click(FrontEnd& ui) { clickMoveButton(ui, 14); }
void Command15_Click(FrontEnd& ui) { clickMoveButton(ui, 15); }
void Command16_Click(FrontEnd& ui) { clickMoveButton(ui, 16); }

void RESET_Click(FrontEnd& ui) { reset(ui.board()); }

void END_Click(FrontEnd& ui) { ui.endProgram(); }

ClickHandler clickHandlerOf(std::string_view button)
{
    const auto found = std::find_if(buttonHandlers.begin(), buttonHandlers.end(),
                                    [&](const ButtonHandler& h) { return h.button == button; });
    return found == buttonHandlers.end() ? nullptr : found->click;
}

bool runClick(FrontEnd& ui, ClickHandler handler) noexcept
{
    // One handler at a time. A box keeps the mouse off the window, but not a
    // press from automation or a screen reader, which would otherwise run a
    // second handler inside the first one's box.
    static bool handling = false;
    // A click queued before the end of the program is dropped.
    if (handling || ui.hasEnded())
        return false;
    handling = true;
    try {
        handler(ui);
    } catch (const std::exception& failure) {
        ui.reportFatalFailure(std::string("Varnel has to stop.\n\n") + failure.what());
    }
    handling = false;
    return true;
}

} // namespace varnel
