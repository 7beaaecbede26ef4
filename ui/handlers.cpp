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

// A handler's box, and what the handler does once the player has dismissed
// it: at once where the front end's box waits, else on dismissMessage. The
// handler does nothing after this call.
void showMessageThen(FrontEnd& ui, std::string_view text, ClickHandler then)
{
    ui.clickInProgress.afterBox = then;
    ui.clickInProgress.boxOpen = !ui.showMessage(text);
}

void endAfterSuccess(FrontEnd& ui) { ui.endProgram(); }

void checkWin(FrontEnd& ui)
{
    if (isWon(ui.board()))
        showMessageThen(ui, successMessage, endAfterSuccess);
}

void clickMoveButton(FrontEnd& ui, int button)
{
    if (applyMove(ui.board(), moveOfButton(button)) == MoveOutcome::Blocked)
        showMessageThen(ui, blockedMessage, checkWin);
    else
        checkWin(ui);
}

// Runs a handler from `step` on, through each box the player has dismissed,
// until it ends or waits on an open box.
ClickRun runSteps(FrontEnd& ui, ClickHandler step) noexcept
{
    try {
        // The window may have been closed while a box was open: its squares
        // are gone, and the game with them.
        while (step && !ui.hasEnded()) {
            ui.clickInProgress.afterBox = nullptr;
            step(ui);
            step = ui.clickInProgress.afterBox;
            if (step && ui.clickInProgress.boxOpen)
                return ClickRun::BoxOpen;
        }
    } catch (const std::exception& failure) {
        ui.reportFatalFailure(std::string("Varnel has to stop.\n\n") + failure.what());
    }
    ui.clickInProgress.afterBox = nullptr;
    ui.clickInProgress.boxOpen = false;
    ui.clickInProgress.running = false;
    return ClickRun::Done;
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

ClickRun runClick(FrontEnd& ui, ClickHandler handler) noexcept
{
    // One handler at a time. A box keeps the mouse off the window, but not a
    // press from automation or a screen reader, which would otherwise run a
    // second handler inside the first one's box. A click queued before the
    // end of the program is dropped.
    if (ui.clickInProgress.running || ui.hasEnded())
        return ClickRun::Dropped;
    ui.clickInProgress.running = true;
    return runSteps(ui, handler);
}

ClickRun messageDismissed(FrontEnd& ui) noexcept
{
    if (!ui.clickInProgress.boxOpen)
        return ClickRun::Dropped;
    ui.clickInProgress.boxOpen = false;
    return runSteps(ui, ui.clickInProgress.afterBox);
}

} // namespace varnel
