// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/form1.h"
#include "ui/front_end.h"
#include "ui/mid_end.h"
#include "ui/win32/handles.h"
#include "ui/win32/square_control.h"

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

namespace varnel::win32 {

// The window Form1 with its 50 controls, as a native Win32 front end.
class Form1Window final : public FrontEnd {
public:
    // Builds and shows the window, the focus on Command1. When the system
    // will not make it, the window is left unbuilt, and failure() says why.
    explicit Form1Window(HINSTANCE instance);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // What the system would not do, and its error; empty once the window is built.
    const std::string& failure() const { return failure_; }

    // A name that is no control of the window stops the program.
    HWND control(std::string_view name) const;

    // The program's exit status: 1 once it has ended after a failure.
    int exitStatus() const { return exitStatus_; }

    // Tab, Shift+Tab and Enter for the buttons; true when it took the message.
    bool handleKeyboard(const MSG& message);

    BoardState& board() override { return squares_; }
    void endProgram() override;
    void endAfterFailure() override;
    bool hasEnded() const override { return ended_; }
    void announce(std::string_view words) override;
    void describeLine(int moveButton, std::string_view words) override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static SpokenControl speak(HWND control);
    static LRESULT CALLBACK spokenButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void failToBuild(std::string why);
    void showMessage(const Box& box);
    void placeControls(int dpi);

    // Declared in the order they are needed, so destroyed the other way: the
    // window first, then its font, then its class, then the class's brush.
    GdiObject<HBRUSH> background_;
    RegisteredClass class_;
    GdiObject<HFONT> font_;
    OwnedWindow window_;
    std::array<HWND, form1Controls.size()> controls_{}; // as the table runs; the window owns them
    Win32Squares squares_;
    std::array<std::wstring, 16> lines_; // each move button's description: its line
    HWND lastFocus_ = nullptr;
    std::string failure_;
    bool ended_ = false;
    int exitStatus_ = 0;
    MidEnd core_{*this};
};

} // namespace varnel::win32
