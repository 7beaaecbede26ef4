// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/colour.h"
#include "rules/square.h"
#include "ui/twips.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace varnel {

// The one window and its 50 controls, described once for every front end.

struct WindowSpec {
    std::string_view name;
    std::string_view caption;
    int clientWidth; // twips
    int clientHeight;
    ColourValue background;
};

inline constexpr WindowSpec form1{"Form1", "Varnel", 2775, 1560, 0x00FF0000};

// The title of every box the program shows (the window's caption is another).
inline constexpr std::string_view applicationTitle = "varnel";

enum class ControlKind { PushButton, ColouredSquare };

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    TwipRect rect;
    int tabIndex;
    std::optional<Square> square; // which board position a square shows
};

// In stacking order from the bottom: each control is drawn above, and takes
// the mouse from, those before it.
extern const std::array<ControlSpec, 50> form1Controls;

// The eighteen buttons' places in form1Controls, in tab order.
extern const std::array<std::size_t, 18> buttonsInTabOrder;

// Move button n's (1 to 16) place in form1Controls.
std::size_t moveButtonIndex(int n);

// Which move button (1 to 16) the control is, or 0 for any other control.
int moveButtonOf(const ControlSpec& control);

// For a name that is no control of Form1, both stop the program.
const ControlSpec& controlNamed(std::string_view name);
std::size_t controlIndex(std::string_view name); // its place in form1Controls

} // namespace varnel
