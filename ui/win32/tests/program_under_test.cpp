// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "program_under_test.h"

#include "check.h"
#include "rules/moves.h"
#include "ui/form1.h"
#include "ui/win32/text.h"

#include <algorithm>

namespace varnel::win32::testing {

namespace {

constexpr int firstControlId = 100; // as the program numbers its controls

std::wstring classOf(HWND w)
{
    wchar_t name[64];
    const int n = GetClassNameW(w, name, 64);
    return {name, static_cast<std::size_t>(std::max(n, 0))};
}

std::wstring textOf(HWND w)
{
    wchar_t text[512];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    return {text, static_cast<std::size_t>(length)};
}

struct FindWindow {
    DWORD process;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND w, LPARAM param)
{
    auto* find = reinterpret_cast<FindWindow*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    wchar_t title[32];
    if (process == find->process && IsWindowVisible(w) && GetWindowTextW(w, title, 32) &&
        std::wstring_view(title) == L"Varnel") {
        find->found = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findBox(HWND w, LPARAM param)
{
    if (IsWindowVisible(w) && classOf(w) == L"#32770") {
        *reinterpret_cast<HWND*>(param) = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK collectChildren(HWND w, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(w);
    return TRUE;
}

void sendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void sendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

POINT centreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

} // namespace

std::string moveButton(int n) { return std::string(moveOfButton(n).button); }

ProgramUnderTest::ProgramUnderTest(const std::wstring& exe, const std::wstring& arguments)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        abortCase("cannot start " + narrow(exe) + ": " + errorText(GetLastError()));
    WaitForInputIdle(process_.hProcess, 10000);
    FindWindow find{process_.dwProcessId, nullptr};
    for (int i = 0; i < 200 && !find.found; ++i) {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&find));
        if (!find.found)
            Sleep(25);
    }
    if (!find.found)
        abortCase("no window titled Varnel appeared");
    window_ = find.found;
    thread_ = GetWindowThreadProcessId(window_, nullptr);
    SetForegroundWindow(window_);
    settle();
}

ProgramUnderTest::~ProgramUnderTest()
{
    DWORD status = 0;
    if (!waitForExit(0, status)) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND ProgramUnderTest::control(std::string_view name) const
{
    HWND found = GetDlgItem(window_, firstControlId + static_cast<int>(controlIndex(name)));
    if (!found)
        abortCase("the window has no control " + std::string(name));
    return found;
}

std::vector<HWND> ProgramUnderTest::childrenTopFirst() const
{
    std::vector<HWND> children;
    for (HWND w = GetWindow(window_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        children.push_back(w);
    return children;
}

RECT ProgramUnderTest::clientRectOf(HWND child) const
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ProgramUnderTest::clickAt(POINT client)
{
    pointAt(client);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    settle();
}

void ProgramUnderTest::pointAt(POINT client)
{
    ClientToScreen(window_, &client);
    SetCursorPos(client.x, client.y);
    sendMouse(MOUSEEVENTF_MOVE);
    settle();
}

void ProgramUnderTest::mouseButton(bool down)
{
    sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    settle();
}

void ProgramUnderTest::clickControl(std::string_view name) { clickAt(centreOf(clientRectOf(control(name)))); }

void ProgramUnderTest::press(WORD key, WORD modifier)
{
    if (modifier)
        sendKey(modifier, false);
    sendKey(key, false);
    sendKey(key, true);
    if (modifier)
        sendKey(modifier, true);
    settle();
}

void ProgramUnderTest::hold(WORD key, int downs)
{
    for (int i = 0; i < downs; ++i) {
        sendKey(key, false);
        Sleep(30);
    }
    sendKey(key, true);
    settle();
}

void ProgramUnderTest::settle()
{
    std::vector<ColourValue> last = board();
    int steady = 0;
    for (int i = 0; i < 100 && steady < 3; ++i) {
        DWORD_PTR ignored;
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &ignored);
        Sleep(20);
        std::vector<ColourValue> now = board();
        steady = now == last ? steady + 1 : 0;
        last = std::move(now);
    }
}

HWND ProgramUnderTest::focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_, &info);
    return info.hwndFocus;
}

ColourValue ProgramUnderTest::pixel(POINT client) const
{
    ClientToScreen(window_, &client);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, client.x, client.y);
    ReleaseDC(nullptr, screen);
    return static_cast<ColourValue>(c);
}

ColourValue ProgramUnderTest::shownColour(Square s) const
{
    return pixel(centreOf(clientRectOf(control(squareName(s)))));
}

std::vector<ColourValue> ProgramUnderTest::board() const
{
    // A square without a window (as in the broken-square build) reads as 0.
    std::vector<ColourValue> colours;
    for (Square s : allSquares) {
        const int id = firstControlId + static_cast<int>(controlIndex(squareName(s)));
        HWND square = window_ && IsWindow(window_) ? GetDlgItem(window_, id) : nullptr;
        colours.push_back(square ? pixel(centreOf(clientRectOf(square))) : 0);
    }
    return colours;
}

std::optional<SeenBox> ProgramUnderTest::waitForBox(DWORD timeoutMs) const
{
    HWND box = nullptr;
    for (DWORD waited = 0; waited <= timeoutMs && !box; waited += 20) {
        EnumThreadWindows(thread_, findBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            Sleep(20);
    }
    if (!box)
        return std::nullopt;
    Sleep(50); // let it finish painting
    SeenBox seen;
    seen.window = box;
    seen.title = textOf(box);
    std::vector<HWND> children;
    EnumChildWindows(box, collectChildren, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (!IsWindowVisible(child))
            continue;
        const std::wstring cls = classOf(child);
        if (cls == L"Button")
            seen.buttons.push_back(textOf(child));
        else if (cls == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            seen.hasIcon = seen.hasIcon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        else if (cls == L"Static" && GetDlgCtrlID(child) == 0xFFFF)
            seen.text = textOf(child);
    }
    return seen;
}

void ProgramUnderTest::dismiss(const SeenBox& box, Dismissal how)
{
    HWND ok = FindWindowExW(box.window, nullptr, L"Button", nullptr);
    if (!ok)
        abortCase("the box has no button");
    switch (how) {
    case Dismissal::ClickOk: {
        RECT r;
        GetWindowRect(ok, &r);
        const POINT p = centreOf(r);
        SetCursorPos(p.x, p.y);
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        sendMouse(MOUSEEVENTF_LEFTUP);
        break;
    }
    case Dismissal::Escape:
    case Dismissal::SpaceOnOk:
        check(focus() == ok, "OK has the focus in the box");
        sendKey(how == Dismissal::Escape ? VK_ESCAPE : VK_SPACE, false);
        sendKey(how == Dismissal::Escape ? VK_ESCAPE : VK_SPACE, true);
        break;
    case Dismissal::CloseButton:
        // What the close button of the box's title bar sends.
        PostMessageW(box.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    for (int i = 0; i < 250 && IsWindow(box.window); ++i)
        Sleep(20);
    check(!IsWindow(box.window), "the box closed");
    if (window_ && IsWindow(window_))
        settle();
}

bool ProgramUnderTest::waitForExit(DWORD timeoutMs, DWORD& status) const
{
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process_.hProcess, &status);
    return true;
}

} // namespace varnel::win32::testing
