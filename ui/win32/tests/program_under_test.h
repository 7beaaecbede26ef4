// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/colour.h"
#include "rules/square.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::win32::testing {

// What a message box of the program showed.
struct SeenBox {
    HWND window = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons; // the visible ones
    bool hasIcon = false;
};

// One running copy of the program, used from outside as a player would:
// real mouse and keyboard input, and what the screen shows.
class ProgramUnderTest {
public:
    // A test build takes the name of what it does to the window as arguments.
    explicit ProgramUnderTest(const std::wstring& exe, const std::wstring& arguments = {});
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    HWND window() const { return window_; }
    DWORD thread() const { return thread_; }

    // The child with the given control name, found by its control id.
    HWND control(std::string_view name) const;
    // The children from the top of the stacking down.
    std::vector<HWND> childrenTopFirst() const;
    RECT clientRectOf(HWND child) const;

    void clickAt(POINT client);
    void clickControl(std::string_view name);
    // The mouse moved over a point, and its button pressed or let go there.
    void pointAt(POINT client);
    void mouseButton(bool down);
    // A key pressed, with a modifier key (VK_SHIFT, VK_CONTROL, VK_MENU) held.
    void press(WORD key, WORD modifier = 0);
    // A key held down long enough to repeat: `downs` key-downs, then one up.
    void hold(WORD key, int downs);
    // Waits until the window has handled what was sent and stopped changing.
    void settle();

    HWND focus() const;
    ColourValue shownColour(Square s) const;
    ColourValue pixel(POINT client) const;
    std::vector<ColourValue> board() const;

    std::optional<SeenBox> waitForBox(DWORD timeoutMs = 5000) const;
    // Each way a player closes a box; the box is checked to have closed.
    enum class Dismissal { ClickOk, Escape, SpaceOnOk, CloseButton };
    void dismiss(const SeenBox& box, Dismissal how = Dismissal::ClickOk);
    void pressOk(const SeenBox& box) { dismiss(box, Dismissal::ClickOk); }

    // True once the process has ended, with its exit status.
    bool waitForExit(DWORD timeoutMs, DWORD& status) const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    DWORD thread_ = 0;
};

// Plays a move by the button's number, Command1 ... Command16.
std::string moveButton(int n);

} // namespace varnel::win32::testing
