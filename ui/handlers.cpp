// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "handlers.h"

#include "rules/moves.h"
#include "rules/win_check.h"

#include <array>

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

std::string_view buttonNumbered(int n)
{
    const int moves = static_cast<int>(moveTable.size());
    if (n >= 0 && n < moves)
        return moveOfButton(n + 1).button;
    return n == moves ? "RESET" : n == moves + 1 ? "END" : "";
}

ClickHandler clickHandlerOf(std::string_view button)
{
    // In buttonNumbered's order.
    static constexpr std::array<ClickHandler, 18> handlers{
        Command1_Click,  Command2_Click,  Command3_Click,  Command4_Click,  Command5_Click,  Command6_Click,
        Command7_Click,  Command8_Click,  Command9_Click,  Command10_Click, Command11_Click, Command12_Click,
        Command13_Click, Command14_Click, Command15_Click, Command16_Click, RESET_Click,     END_Click,
    };
    for (std::size_t n = 0; n < handlers.size(); ++n)
        if (buttonNumbered(static_cast<int>(n)) == button)
            return handlers[n];
    return nullptr;
}

} // namespace varnel
