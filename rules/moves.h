// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "board_state.h"

#include <array>
#include <string_view>

namespace varnel {

// One move button's line, seen from the button's side of the board.
struct MoveSpec {
    std::string_view button;
    Square nearSlot; // the outer slot on the button's side
    Square c1;       // the head cell, next to the near slot
    Square c2;
    Square c3;
    Square c4; // next to the far slot
    Square farSlot;
};

enum class MoveOutcome { PushOut, PullIn, Blocked, NoChange };

inline constexpr std::string_view blockedMessage = "You cannot move the column if the head is red.";

// One entry per move button, Command1 to Command16, clockwise from above the
// first column.
inline constexpr std::array<MoveSpec, 16> moveTable = [] {
    using enum Square;
    return std::array<MoveSpec, 16>{{
        // clang-format off
        {"Command1",  Label1,  Label6,  Label12, Label18, Label24, Label29},
        {"Command2",  Label2,  Label7,  Label13, Label19, Label25, Label30},
        {"Command3",  Label3,  Label8,  Label14, Label20, Label26, Label31},
        {"Command4",  Label4,  Label9,  Label15, Label21, Label27, Label32},
        {"Command5",  Label10, Label9,  Label8,  Label7,  Label6,  Label5},
        {"Command6",  Label16, Label15, Label14, Label13, Label12, Label11},
        {"Command7",  Label22, Label21, Label20, Label19, Label18, Label17},
        {"Command8",  Label28, Label27, Label26, Label25, Label24, Label23},
        {"Command9",  Label32, Label27, Label21, Label15, Label9,  Label4},
        {"Command10", Label31, Label26, Label20, Label14, Label8,  Label3},
        {"Command11", Label30, Label25, Label19, Label13, Label7,  Label2},
        {"Command12", Label29, Label24, Label18, Label12, Label6,  Label1},
        {"Command13", Label23, Label24, Label25, Label26, Label27, Label28},
        {"Command14", Label17, Label18, Label19, Label20, Label21, Label22},
        {"Command15", Label11, Label12, Label13, Label14, Label15, Label16},
        {"Command16", Label5,  Label6,  Label7,  Label8,  Label9,  Label10},
        // clang-format on
    }};
}();

// The move of CommandN; precondition: 1 <= n <= 16.
constexpr const MoveSpec& moveOfButton(int n) { return moveTable[static_cast<std::size_t>(n - 1)]; }

// Applies one move to the board in place. Reads the head cell first, then
// takes the first branch that applies: push-out, pull-in, blocked, no change.
MoveOutcome applyMove(BoardState& board, const MoveSpec& move);

} // namespace varnel
