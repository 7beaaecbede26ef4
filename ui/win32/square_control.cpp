// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "square_control.h"

#include "ui/win32/text.h"

namespace varnel::win32 {

namespace {

constexpr int colourSlot = 0; // offset of the colour in the window's extra bytes

Speaker squareSpeaker = nullptr;

ToolkitError lastError()
{
    const DWORD code = GetLastError();
    return {code, errorText(code)};
}

LRESULT CALLBACK squareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_GETOBJECT:
        if (const LRESULT answer = answerAccessibleObject(window, wParam, lParam, squareSpeaker))
            return answer;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT area;
        GetClientRect(window, &area);
        if (HBRUSH fill = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongW(window, colourSlot)))) {
            FillRect(dc, &area, fill);
            DeleteObject(fill);
        }
        FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(window, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

void registerSquareClass(HINSTANCE instance, Speaker speaker)
{
    squareSpeaker = speaker;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = squareProc;
    cls.cbWndExtra = sizeof(LONG);
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.lpszClassName = squareClassName;
    RegisterClassExW(&cls);
}

std::optional<ToolkitError> Win32Squares::read(Square s, ColourValue& c) const
{
    // A stored colour may be 0, so only the last error tells a failure.
    SetLastError(ERROR_SUCCESS);
    const LONG stored = GetWindowLongW(windows_[indexOf(s)], colourSlot);
    if (stored == 0 && GetLastError() != ERROR_SUCCESS)
        return lastError();
    c = static_cast<ColourValue>(stored);
    return std::nullopt;
}

std::optional<ToolkitError> Win32Squares::write(Square s, ColourValue c)
{
    HWND window = windows_[indexOf(s)];
    SetLastError(ERROR_SUCCESS);
    const LONG previous = SetWindowLongW(window, colourSlot, static_cast<LONG>(c));
    if (previous == 0 && GetLastError() != ERROR_SUCCESS)
        return lastError();
    // Repaint, and tell assistive technology, only what changed.
    if (static_cast<ColourValue>(previous) == c)
        return std::nullopt;
    if (!InvalidateRect(window, nullptr, FALSE))
        return lastError();
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    return std::nullopt;
}

} // namespace varnel::win32
