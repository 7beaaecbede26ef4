// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "handlers.h"

#include "rules/moves.h"
#include "rules/win_check.h"

#include <algorithm>

namespace varnel {

namespace {

// The end of the program: END's whole handler, and what follows the success box.
Step endProgram(FrontEnd& ui)
{
    ui.endProgram();
    return {};
}

Step checkWin(FrontEnd& ui) { return isWon(ui.board()) ? Step{successMessage, endProgram} : Step{}; }

Step clickMoveButton(FrontEnd& ui, int button)
{
    if (applyMove(ui.board(), moveOfButton(button)) == MoveOutcome::Blocked)
        return {blockedMessage, checkWin};
    return checkWin(ui);
}

} // namespace

Step Command1_Click(FrontEnd& ui) { return clickMoveButton(ui, 1); }
Step Command2_Click(FrontEnd& ui) { return clickMoveButton(ui, 2); }
Step Command3_Click(FrontEnd& ui) { return clickMoveButton(ui, 3); }
Step Command4_Click(FrontEnd& ui) { return clickMoveButton(ui, 4); }
Step Command5_Click(FrontEnd& ui) { return clickMoveButton(ui, 5); }
Step Command6_Click(FrontEnd& ui) { return clickMoveButton(ui, 6); }
Step Command7_Click(FrontEnd& ui) { return clickMoveButton(ui, 7); }
Step Command8_Click(FrontEnd& ui) { return clickMoveButton(ui, 8); }
Step Command9_Click(FrontEnd& ui) { return clickMoveButton(ui, 9); }
Step Command10_Click(FrontEnd& ui) { return clickMoveButton(ui, 10); }
Step Command11_Click(FrontEnd& ui) { return clickMoveButton(ui, 11); }
Step Command12_Click(FrontEnd& ui) { return clickMoveButton(ui, 12); }
Step Command13_Click(FrontEnd& ui) { return clickMoveButton(ui, 13); }
Step Command14_Click(FrontEnd& ui) { return clickMoveButton(ui, 14); }
Step Command15_Click(FrontEnd& ui) { return clickMoveButton(ui, 15); }
Step Command16_Click(FrontEnd& ui) { return clickMoveButton(ui, 16); }

Step RESET_Click(FrontEnd& ui)
{
    reset(ui.board());
    return {};
}

Step END_Click(FrontEnd& ui) { return endProgram(ui); }

ClickHandler clickHandlerOf(std::string_view button)
{
    const auto found = std::find_if(buttonHandlers.begin(), buttonHandlers.end(),
                                    [&](const ButtonHandler& h) { return h.button == button; });
    return found == buttonHandlers.end() ? nullptr : found->click;
}

} // namespace varnel
