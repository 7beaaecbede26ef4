// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"
#include "ui/win32/accessible_control.h"

#include <windows.h>

#include <array>

namespace varnel::win32 {

// A square of the board: a child window that paints exactly the colour kept
// in its window data, with a thin border, and lets every click fall through.
inline constexpr wchar_t squareClassName[] = L"VarnelSquare";

// The speaker tells assistive technology what each square says.
void registerSquareClass(HINSTANCE instance, Speaker speaker);

// The squares' colours, kept with their windows. Every read and write is a
// call that can fail; a failure comes back with the system's error code and
// text.
class Win32Squares final : public BoardState {
public:
    void attach(Square s, HWND window) { windows_[indexOf(s)] = window; }

private:
    std::optional<ToolkitError> read(Square s, ColourValue& c) const override;
    std::optional<ToolkitError> write(Square s, ColourValue c) override;

    std::array<HWND, squareCount> windows_{};
};

} // namespace varnel::win32
