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
// call that can fail; a failure throws SquareAccessError with the system's
// error code and text.
class Win32Squares final : public BoardState {
public:
    void attach(Square s, HWND window) { windows_[indexOf(s)] = window; }

    ColourValue colour(Square s) const override;
    void setColour(Square s, ColourValue c) override;

private:
    std::array<HWND, squareCount> windows_{};
};

} // namespace varnel::win32
