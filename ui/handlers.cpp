// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "handlers.h"

#include "rules/moves.h"
#include "rules/win_check.h"

#include <algorithm>
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

ClickHandler clickHandlerOf(std::string_view button)
{
    // In the moves' order: Command1 to Command16.
    static constexpr std::array<ClickHandler, 16> moveHandlers{
        Command1_Click,  Command2_Click,  Command3_Click,  Command4_Click,  Command5_Click,  Command6_Click,
        Command7_Click,  Command8_Click,  Command9_Click,  Command10_Click, Command11_Click, Command12_Click,
        Command13_Click, Command14_Click, Command15_Click, Command16_Click,
    };
    const auto move =
        std::find_if(moveTable.begin(), moveTable.end(), [&](const MoveSpec& m) { return m.button == button; });
    if (move != moveTable.end())
        return moveHandlers[static_cast<std::size_t>(move - moveTable.begin())];
    if (button == "RESET")
        return RESET_Click;
    if (button == "END")
        return END_Click;
    return nullptr;
}

std::string_view buttonNumbered(int n)
{
    if (n >= 0 && n < static_cast<int>(moveTable.size()))
        return moveOfButton(n + 1).button;
    return n == 16 ? "RESET" : n == 17 ? "END" : "";
}

} // namespace varnel
