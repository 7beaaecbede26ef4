// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "form1_window.h"

#include "ui/spoken_words.h"
#include "ui/win32/dpi.h"
#include "ui/win32/notification.h"
#include "ui/win32/text.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <utility>

namespace varnel::win32 {

namespace {

constexpr wchar_t windowClassName[] = L"VarnelForm1";
constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int firstControlId = 100;

// What the system would not do, with its last error.
std::string systemSays(const char* what) { return std::string(what) + ": " + errorText(GetLastError()); }

// The font a dialog gives its push buttons, at the window's density.
HFONT dialogFont(int dpi)
{
    return CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"MS Shell Dlg 2");
}

// The push buttons' own window procedure, which answers all but the
// questions of assistive technology.
WNDPROC buttonProc = nullptr;

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
{
    registerSquareClass(instance, speak);
    background_.reset(CreateSolidBrush(form1.background)); // a ColourValue is laid out as a COLORREF

    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    cls.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = background_.get();
    cls.lpszClassName = windowClassName;
    if (!class_.registerClass(cls)) {
        failToBuild(systemSays("Cannot register the window class"));
        return;
    }

    // The window procedure takes ownership of the window as it is made.
    const std::wstring caption = widen(form1.caption);
    if (!CreateWindowExW(0, windowClassName, caption.c_str(), windowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, nullptr, nullptr, instance, this)) {
        failToBuild(systemSays("Cannot create the window"));
        return;
    }

    const int dpi = dpiOf(window_.get());
    font_.reset(dialogFont(dpi));
    // A new child goes below those made before it, so the controls are made
    // from the top of the stacking down: the table backwards.
    for (std::size_t i = form1Controls.size(); i-- > 0;) {
        const ControlSpec& c = form1Controls[i];
        const bool isButton = c.kind == ControlKind::PushButton;
        const std::wstring text = widen(c.caption);
        // Clipping its siblings keeps a lower button from painting over the
        // large buttons that cover it, whenever it repaints.
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (isButton ? WS_TABSTOP | BS_PUSHBUTTON : 0);
        const PixelRect p = toPixels(c.rect, dpi);
        HWND control = CreateWindowExW(
            0, isButton ? L"BUTTON" : squareClassName, text.c_str(), style, p.left, p.top, p.width, p.height,
            window_.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + i)), instance, nullptr);
        if (!control) {
            failToBuild(systemSays("Cannot create a control of the window"));
            return;
        }
        controls_[i] = control;
        if (isButton) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
            const auto previous = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(spokenButtonProc)));
            if (!previous) {
                failToBuild(systemSays("Cannot take the questions of assistive technology for a button"));
                return;
            }
            buttonProc = previous == spokenButtonProc ? buttonProc : previous;
        } else {
            squares_.attach(*c.square, control);
            squares_.setColour(*c.square, startColour(*c.square));
        }
    }
    if (const auto& failure = squares_.failure()) {
        failToBuild(describe(*failure));
        return;
    }

    const PixelRect client = toPixels({0, 0, form1.clientWidth, form1.clientHeight}, dpi);
    const SIZE size = windowSizeFor({client.width, client.height}, windowStyle, dpi);
    SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    core_.opened();
    lastFocus_ = control("Command1");
    ShowWindow(window_.get(), SW_SHOWDEFAULT);
    UpdateWindow(window_.get());
    SetFocus(lastFocus_);
}

Form1Window::~Form1Window() = default;

// What was made of the window goes at once; its class and brush go with the
// Form1Window.
void Form1Window::failToBuild(std::string why)
{
    failure_ = std::move(why);
    window_.reset();
}

HWND Form1Window::control(std::string_view name) const { return controls_[controlIndex(name)]; }

SpokenControl Form1Window::speak(HWND control)
{
    const auto* self = reinterpret_cast<const Form1Window*>(GetWindowLongPtrW(GetParent(control), GWLP_USERDATA));
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - firstControlId);
    if (!self || index >= form1Controls.size())
        return {};
    const ControlSpec& c = form1Controls[index];
    SpokenControl spoken{widen(spokenName(c)), {}, {}, 0};
    if (c.square) {
        spoken.role = ROLE_SYSTEM_STATICTEXT;
        // A square whose colour cannot be read says nothing.
        if (const std::optional<ColourValue> colour = self->squares_.look(*c.square))
            spoken.value = widen(spokenContent(*colour));
    } else {
        spoken.role = ROLE_SYSTEM_PUSHBUTTON; // which not every system's standard object says
        if (const int n = moveButtonOf(c))
            spoken.description = self->lines_[static_cast<std::size_t>(n - 1)];
    }
    return spoken;
}

LRESULT CALLBACK Form1Window::spokenButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT)
        if (const LRESULT answer = answerAccessibleObject(button, wParam, lParam, speak))
            return answer;
    return CallWindowProcW(buttonProc, button, message, wParam, lParam);
}

void Form1Window::describeLine(int moveButton, std::string_view words)
{
    if (moveButton < 1 || moveButton > static_cast<int>(lines_.size()))
        return;
    lines_[static_cast<std::size_t>(moveButton - 1)] = widen(words);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, controls_[moveButtonIndex(moveButton)], OBJID_CLIENT, CHILDID_SELF);
}

// Readers that know only MSAA hear the squares' value changes instead.
void Form1Window::announce(std::string_view words) { raiseNotification(window_.get(), widen(words)); }

void Form1Window::placeControls(int dpi)
{
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        const PixelRect p = toPixels(form1Controls[i].rect, dpi);
        SetWindowPos(controls_[i], nullptr, p.left, p.top, p.width, p.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
    GdiObject<HFONT> font(dialogFont(dpi));
    for (std::size_t i : buttonsInTabOrder)
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    font_ = std::move(font);
    // The window clips its children, so they are repainted in their own right.
    RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Form1Window::handleKeyboard(const MSG& message)
{
    if (message.message != WM_KEYDOWN || !window_ || GetParent(message.hwnd) != window_.get())
        return false;
    if (message.wParam == VK_RETURN) {
        // One click a press of plain Enter: the key's auto-repeats are
        // swallowed, and Enter with a modifier is no click.
        if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
            return false;
        const bool wasDown = (message.lParam & (LPARAM{1} << 30)) != 0;
        if (!wasDown)
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    if (message.wParam != VK_TAB)
        return false;
    // The system's own navigation would follow the stacking, which runs
    // against the tab order here.
    const auto& order = buttonsInTabOrder;
    const auto at =
        std::find_if(order.begin(), order.end(), [&](std::size_t i) { return controls_[i] == message.hwnd; });
    if (at == order.end())
        return false;
    const std::size_t here = static_cast<std::size_t>(at - order.begin());
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    const std::size_t next = (here + (backwards ? order.size() - 1 : 1)) % order.size();
    SetFocus(controls_[order[next]]);
    return true;
}

void Form1Window::showMessage(const Box& box)
{
    const UINT icon = box.reportsFailure ? MB_ICONERROR : 0;
    MessageBoxW(window_.get(), widen(box.text).c_str(), widen(applicationTitle).c_str(), MB_OK | icon);
}

// Destroyed through its own window procedure, whose WM_DESTROY ends the loop.
void Form1Window::endProgram() { DestroyWindow(window_.get()); }

// Also where the window was closed under the report, and the message loop
// has its quit message already: the loop returns this status.
void Form1Window::endAfterFailure()
{
    exitStatus_ = 1;
    endProgram();
}

LRESULT CALLBACK Form1Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        return self->handle(window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1Window::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const auto index = static_cast<std::size_t>(LOWORD(wParam)) - firstControlId;
        if (HIWORD(wParam) == BN_CLICKED && index < form1Controls.size())
            for (auto box = core_.click(form1Controls[index].name); box; box = core_.dismissed())
                showMessage(*box);
        return 0;
    }
    case WM_ACTIVATE:
        // Keep the focused button across a message box or a switch of window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && GetParent(focus) == window)
                lastFocus_ = focus;
        } else if (lastFocus_ && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        placeControls(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        // However the window goes (END, the success box, its frame, or the
        // window system while a box is open), the program has ended.
        ended_ = true;
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        (void)window_.release(); // gone already
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace varnel::win32
