// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "form1.h"

#include "rules/callers_mistake.h"
#include "rules/moves.h"

#include <algorithm>
#include <string>

namespace varnel {

namespace {
using enum ControlKind;
using enum Square;
} // namespace

// clang-format off
const std::array<ControlSpec, 50> form1Controls{{
    {"Label1", ColouredSquare, "     ", {400, 200, 195, 195}, 16, Label1},
    {"Label2", ColouredSquare, "", {600, 200, 195, 195}, 17, Label2},
    {"Label3", ColouredSquare, "", {800, 200, 195, 195}, 18, Label3},
    {"Label4", ColouredSquare, "", {1000, 200, 195, 195}, 19, Label4},
    {"Label5", ColouredSquare, "", {200, 400, 195, 195}, 20, Label5},
    {"Label6", ColouredSquare, "", {400, 400, 195, 195}, 21, Label6},
    {"Label7", ColouredSquare, "", {600, 400, 195, 195}, 22, Label7},
    {"Label8", ColouredSquare, "", {800, 400, 195, 195}, 23, Label8},
    {"Label9", ColouredSquare, "", {1000, 400, 195, 195}, 24, Label9},
    {"Label10", ColouredSquare, "", {1200, 400, 195, 195}, 25, Label10},
    {"Label11", ColouredSquare, "", {200, 600, 195, 195}, 26, Label11},
    {"Label12", ColouredSquare, "", {400, 600, 195, 195}, 27, Label12},
    {"Label13", ColouredSquare, "", {600, 600, 195, 195}, 28, Label13},
    {"Label14", ColouredSquare, "", {800, 600, 195, 195}, 29, Label14},
    {"Label15", ColouredSquare, "", {1000, 600, 195, 195}, 30, Label15},
    {"Label16", ColouredSquare, "", {1200, 600, 195, 195}, 31, Label16},
    {"Label17", ColouredSquare, "", {200, 800, 195, 195}, 32, Label17},
    {"Label18", ColouredSquare, "", {400, 800, 195, 195}, 33, Label18},
    {"Label19", ColouredSquare, "", {600, 800, 195, 195}, 34, Label19},
    {"Label20", ColouredSquare, "", {800, 800, 195, 195}, 35, Label20},
    {"Label21", ColouredSquare, "", {1000, 800, 195, 195}, 36, Label21},
    {"Label22", ColouredSquare, "", {1200, 800, 195, 195}, 37, Label22},
    {"Label23", ColouredSquare, "", {200, 1000, 195, 195}, 38, Label23},
    {"Label24", ColouredSquare, "", {400, 1000, 195, 195}, 39, Label24},
    {"Label25", ColouredSquare, "", {600, 1000, 195, 195}, 40, Label25},
    {"Label26", ColouredSquare, "", {800, 1000, 195, 195}, 41, Label26},
    {"Label27", ColouredSquare, "", {1000, 1000, 195, 195}, 42, Label27},
    {"Label28", ColouredSquare, " ", {1200, 1000, 195, 195}, 43, Label28},
    {"Label29", ColouredSquare, " ", {400, 1200, 200, 200}, 44, Label29},
    {"Label30", ColouredSquare, " ", {600, 1200, 195, 195}, 45, Label30},
    {"Label31", ColouredSquare, " ", {800, 1200, 195, 195}, 46, Label31},
    {"Label32", ColouredSquare, " ", {1000, 1200, 195, 195}, 47, Label32},
    {"Command1", PushButton, "X", {400, 0, 200, 200}, 0, std::nullopt},
    {"Command2", PushButton, "X", {600, 0, 200, 200}, 1, std::nullopt},
    {"Command3", PushButton, "X", {800, 0, 200, 200}, 2, std::nullopt},
    {"Command4", PushButton, "X", {1000, 0, 200, 200}, 3, std::nullopt},
    {"Command5", PushButton, "X", {1400, 400, 200, 200}, 4, std::nullopt},
    {"Command6", PushButton, "X", {1400, 600, 200, 200}, 5, std::nullopt},
    {"Command7", PushButton, "X", {1400, 800, 200, 200}, 6, std::nullopt},
    {"Command8", PushButton, "X", {1400, 1000, 200, 200}, 7, std::nullopt},
    {"Command9", PushButton, "X", {1000, 1400, 200, 200}, 8, std::nullopt},
    {"Command10", PushButton, "X", {800, 1400, 200, 200}, 9, std::nullopt},
    {"Command11", PushButton, "X", {600, 1400, 200, 200}, 10, std::nullopt},
    {"Command12", PushButton, "X", {400, 1400, 200, 200}, 11, std::nullopt},
    {"Command13", PushButton, "X", {0, 1000, 200, 200}, 12, std::nullopt},
    {"Command14", PushButton, "X", {0, 800, 200, 200}, 13, std::nullopt},
    {"Command15", PushButton, "X", {0, 600, 200, 200}, 14, std::nullopt},
    {"Command16", PushButton, "X", {0, 400, 200, 200}, 15, std::nullopt},
    {"RESET", PushButton, "RESET", {1560, 0, 1215, 735}, 48, std::nullopt},
    {"END", PushButton, "END", {1560, 840, 1215, 735}, 49, std::nullopt},
}};
// clang-format on

const std::array<std::size_t, 18> buttonsInTabOrder = [] {
    std::array<std::size_t, 18> order{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < form1Controls.size(); ++i)
        if (form1Controls[i].kind == ControlKind::PushButton)
            order.at(n++) = i;
    std::sort(order.begin(), order.end(),
              [](std::size_t a, std::size_t b) { return form1Controls[a].tabIndex < form1Controls[b].tabIndex; });
    return order;
}();

std::size_t moveButtonIndex(int n) { return controlIndex(moveOfButton(n).button); }

int moveButtonOf(const ControlSpec& control)
{
    const auto found = std::find_if(moveTable.begin(), moveTable.end(),
                                    [&](const MoveSpec& move) { return move.button == control.name; });
    return found == moveTable.end() ? 0 : static_cast<int>(found - moveTable.begin()) + 1;
}

const ControlSpec& controlNamed(std::string_view name)
{
    const auto found =
        std::find_if(form1Controls.begin(), form1Controls.end(), [&](const ControlSpec& c) { return c.name == name; });
    if (found == form1Controls.end())
        stopAtCallersMistake("Form1 has no control named " + std::string(name));
    return *found;
}

std::size_t controlIndex(std::string_view name)
{
    return static_cast<std::size_t>(&controlNamed(name) - form1Controls.data());
}

} // namespace varnel
