// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// The running program, used as a player would: real clicks and keys, the
// colours the screen shows, and the message boxes.
#include "check.h"
#include "driver.h"
#include "program_under_test.h"

#include "rules/memory_board.h"
#include "rules/moves.h"
#include "tools/solver.h"
#include "ui/form1.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/text.h"

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace varnel::win32::testing {

namespace {

constexpr wchar_t blockedText[] = L"You cannot move the column if the head is red.";
constexpr wchar_t successText[] = L"Amazingly, you have succeeded. Bravo!!";
constexpr ColourValue blue = 0x00FF0000;

std::vector<ColourValue> startBoard()
{
    std::vector<ColourValue> colours;
    for (Square s : allSquares)
        colours.push_back(startColour(s));
    return colours;
}

std::wstring classOf(HWND w)
{
    wchar_t name[64];
    return {name, static_cast<std::size_t>(std::max(GetClassNameW(w, name, 64), 0))};
}

std::wstring captionOf(HWND w)
{
    wchar_t text[64];
    return {text, static_cast<std::size_t>(std::max(GetWindowTextW(w, text, 64), 0))};
}

void checkBox(const std::optional<SeenBox>& box, const wchar_t* text, bool withIcon = false)
{
    if (!box)
        abortCase("no message box appeared");
    checkText(box->title, L"varnel", "box title");
    checkText(box->text, text, "box text");
    check(box->buttons.size() == 1, "the box has one button, not " + std::to_string(box->buttons.size()));
    if (!box->buttons.empty())
        checkText(box->buttons.front(), L"OK", "its button");
    check(box->hasIcon == withIcon, withIcon ? "the report shows an error icon" : "the box shows no icon");
}

void checkExit(const ProgramUnderTest& program, DWORD expected, const char* why)
{
    DWORD status = 0;
    if (!program.waitForExit(10000, status))
        abortCase(std::string("the program did not end ") + why);
    checkEqual(status, expected, std::string("exit status ") + why);
}

void windowAndItsFiftyControls()
{
    ProgramUnderTest program(programPath());
    HWND window = program.window();
    RECT client;
    GetClientRect(window, &client);
    checkEqual(client.right, LONG{185}, "client width");
    checkEqual(client.bottom, LONG{104}, "client height");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    check((style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW, "a resizable frame with all its buttons");
    check(GetMenu(window) == nullptr, "no menu bar");
    check(!IsIconic(window) && !IsZoomed(window) && IsWindowEnabled(window), "a normal, enabled window");
    checkEqual(program.pixel({184, 51}), ColourValue{0x00FF0000}, "the background between RESET and END");

    const std::vector<HWND> children = program.childrenTopFirst();
    checkEqual(children.size(), form1Controls.size(), "children");
    for (std::size_t i = 0; i < children.size() && i < form1Controls.size(); ++i) {
        const ControlSpec& c = form1Controls[form1Controls.size() - 1 - i]; // the table runs bottom first
        const std::string name(c.name);
        HWND w = children[i];
        check(w == program.control(c.name), name + " is " + std::to_string(i + 1) + " from the top");
        const RECT r = program.clientRectOf(w);
        const PixelRect expected = toPixels(c.rect, 96);
        check(r.left == expected.left && r.top == expected.top && r.right - r.left == expected.width &&
                  r.bottom - r.top == expected.height,
              name + " sits at its place");
        const LONG childStyle = GetWindowLongW(w, GWL_STYLE);
        check(IsWindowVisible(w) && IsWindowEnabled(w), name + " is visible and enabled");
        if (c.kind == ControlKind::PushButton) {
            checkText(classOf(w), L"Button", name + " class");
            check((childStyle & BS_TYPEMASK) == BS_PUSHBUTTON, name + " is a plain push button");
            check((childStyle & WS_TABSTOP) != 0, name + " is a tab stop");
            checkText(captionOf(w), widen(c.caption), name + " caption");
        } else {
            checkText(classOf(w), L"VarnelSquare", name + " class");
            check((childStyle & WS_TABSTOP) == 0, name + " is no tab stop");
        }
    }
    check(program.focus() == program.control("Command1"), "the focus starts on Command1");
}

void squaresShowTheStartPosition()
{
    ProgramUnderTest program(programPath());
    const std::vector<ColourValue> shown = program.board();
    for (Square s : allSquares)
        checkEqual(shown[indexOf(s)], startColour(s), squareName(s) + " on screen");
}

void tabVisitsTheButtonsInOrder()
{
    ProgramUnderTest program(programPath());
    std::vector<std::string> order;
    for (int n = 1; n <= 16; ++n)
        order.push_back(moveButton(n));
    order.insert(order.end(), {"RESET", "END"});
    for (std::size_t i = 1; i <= 18; ++i) {
        program.press(VK_TAB);
        check(program.focus() == program.control(order[i % 18]),
              "Tab " + std::to_string(i) + " reaches " + order[i % 18]);
    }
    for (std::size_t i = 18; i-- > 0;) {
        program.press(VK_TAB, VK_SHIFT);
        check(program.focus() == program.control(order[i]), "Shift+Tab reaches " + order[i]);
    }
}

void spaceAndEnterPressTheFocusedButton()
{
    ProgramUnderTest program(programPath());
    program.press(VK_SPACE);
    checkEqual(program.shownColour(Square::Label1), Red, "Space pressed Command1");
    program.press(VK_TAB);
    program.press(VK_RETURN);
    checkEqual(program.shownColour(Square::Label2), Red, "Enter pressed Command2");
}

void largeButtonsTakeTheOverlapStrips()
{
    ProgramUnderTest program(programPath());
    program.clickControl("Command16");
    checkEqual(program.shownColour(Square::Label5), Red, "Command16 pushed out");
    program.clickAt({105, 30}); // RESET over Command5
    check(program.board() == startBoard(), "the strip over Command5 pressed RESET");

    program.clickAt({105, 45}); // RESET over the top of Command6
    check(program.board() == startBoard(), "the strip over Command6 pressed RESET");
    program.clickAt({105, 51}); // the band between RESET and END: Command6 itself
    checkEqual(program.shownColour(Square::Label16), Red, "the band clicks Command6");

    program.clickAt({105, 60}); // END over Command7
    checkExit(program, 0, "after a click on END over Command7");
}

void partlyHiddenBottomRowStillClicks()
{
    ProgramUnderTest program(programPath());
    program.clickAt({70, 101});
    checkEqual(program.shownColour(Square::Label32), Red, "Command9 pushed out");
    checkEqual(program.shownColour(Square::Label9), Grey, "column 4 moved down");
}

void clicksOffTheButtonsDoNothing()
{
    ProgramUnderTest program(programPath());
    // The one-pixel strips of background right of Label3 and Label5 and
    // below Label1.
    for (POINT strip : std::initializer_list<POINT>{{66, 18}, {26, 33}, {33, 26}})
        checkEqual(program.pixel(strip), blue,
                   "background at (" + std::to_string(strip.x) + ", " + std::to_string(strip.y) + ")");
    for (POINT p :
         std::initializer_list<POINT>{{33, 33}, {33, 19}, {5, 5}, {86, 86}, {150, 52}, {66, 18}, {26, 33}, {33, 26}})
        program.clickAt(p);
    check(program.board() == startBoard(), "the board is as it was");
    check(!program.waitForBox(200), "no box appeared");
    DWORD status = 0;
    check(!program.waitForExit(0, status), "the program still runs");
}

void blockedMoveShowsItsBoxAndChangesNothing()
{
    ProgramUnderTest program(programPath());
    program.clickControl("Command1");
    program.clickControl("Command12");
    const std::vector<ColourValue> before = program.board();
    program.clickControl("Command1");
    const auto box = program.waitForBox();
    checkBox(box, blockedText);
    if (!box)
        return;
    // The main window takes no clicks while the box is open.
    const RECT r = program.clientRectOf(program.control("Command5"));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(program.window(), &p);
    SetCursorPos(p.x, p.y);
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
    Sleep(200);
    // Nor does a press from automation, which goes around the disabled window.
    SendMessageTimeoutW(program.control("Command5"), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    program.pressOk(*box);
    check(program.board() == before, "the board is unchanged after the blocked box");
    check(!program.waitForBox(200), "the click during the box ran nothing");

    // However the box is closed, the game goes on.
    using enum ProgramUnderTest::Dismissal;
    for (const auto how : {Escape, SpaceOnOk, CloseButton}) {
        program.clickControl("Command1");
        const auto again = program.waitForBox();
        checkBox(again, blockedText);
        if (!again)
            return;
        program.dismiss(*again, how);
        check(program.board() == before, "the board is unchanged after the box");
        check(program.focus() == program.control("Command1"), "the focus is back on the button after the box");
    }
    program.clickControl("Command5");
    checkEqual(program.shownColour(Square::Label10), Red, "the window takes clicks again");
}

// What the large buttons cover stays covered while the buttons under them
// take the focus, are hovered and are pressed.
void lowerButtonsStayUnderTheLargeOnes()
{
    ProgramUnderTest program(programPath());
    // The columns where RESET and END cover column 6, over its four buttons.
    const auto strips = [&] {
        std::vector<ColourValue> pixels;
        for (LONG x : {104, 105})
            for (LONG y = 27; y < 80; ++y)
                if (y < 49 || y >= 56)
                    pixels.push_back(program.pixel({x, y}));
        return pixels;
    };
    const std::vector<ColourValue> covered = strips();
    for (int n = 5; n <= 8; ++n) {
        const std::string name = moveButton(n);
        while (program.focus() != program.control(name))
            program.press(VK_TAB);
        check(strips() == covered, "the strips are unchanged with the focus on " + name);
        const RECT r = program.clientRectOf(program.control(name));
        program.pointAt({(r.left + 104) / 2, (r.top + r.bottom) / 2});
        check(strips() == covered, "the strips are unchanged while " + name + " is hovered");
        program.mouseButton(true);
        check(strips() == covered, "the strips are unchanged while " + name + " is pressed");
        program.mouseButton(false);
        check(strips() == covered, "the strips are unchanged after " + name + " was clicked");
    }
}

// Moved to a denser screen, the window places every control afresh and
// repaints it there.
void densityChangePlacesAndRepaintsEveryControl()
{
    constexpr int dpi = 192;
    ProgramUnderTest program(testBuildPath(), L"dpi-192");
    RECT client;
    GetClientRect(program.window(), &client);
    for (const ControlSpec& c : form1Controls) {
        const RECT r = program.clientRectOf(program.control(c.name));
        const PixelRect e = toPixels(c.rect, dpi);
        check(r.left == e.left && r.top == e.top && r.right - r.left == e.width && r.bottom - r.top == e.height,
              std::string(c.name) + " sits at its place at 192 dpi");
        if (c.square)
            checkEqual(program.shownColour(*c.square), startColour(*c.square), std::string(c.name) + " on screen");
        else
            check(program.pixel({r.left + 4, (r.top + std::min(r.bottom, client.bottom)) / 2}) != blue,
                  std::string(c.name) + " is painted");
    }
}

// Enter clicks the focused button once a press: not again as the key
// repeats, and not with a modifier held.
void enterClicksOncePerPress()
{
    ProgramUnderTest program(programPath());
    program.press(VK_SPACE); // Command1 pushes column 1 out at the top
    while (program.focus() != program.control("Command12"))
        program.press(VK_TAB);
    program.hold(VK_RETURN, 4);
    checkEqual(program.shownColour(Square::Label6), Red, "one held Enter pulled the piece back in");
    checkEqual(program.shownColour(Square::Label29), Grey, "and pushed nothing out");
    for (const int modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        program.press(VK_RETURN, static_cast<WORD>(modifier));
        checkEqual(program.shownColour(Square::Label29), Grey, "Enter with a modifier clicks nothing");
    }
    program.press(VK_RETURN);
    checkEqual(program.shownColour(Square::Label29), Red, "a second press of Enter clicks again");
}

// The window system closing the window while a box is open ("End task")
// ends the program there, quietly and with success.
void closingWhileABoxIsOpenEndsTheProgram()
{
    ProgramUnderTest program(programPath());
    program.clickControl("Command1");
    program.clickControl("Command12");
    program.clickControl("Command1");
    const auto box = program.waitForBox();
    checkBox(box, blockedText);
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    checkExit(program, 0, "after the window was closed under the box");
    check(!program.waitForBox(0), "no report is left open");
}

// What assistive technology reads of one control, through its own
// interface (MSAA), asked from this process.
struct Heard {
    std::wstring name, description, value;
    LONG role = 0;
};

// The changes that assistive technology was told of: (event, control).
std::vector<std::pair<DWORD, HWND>> announced;

void CALLBACK noteAnnouncement(HWINEVENTHOOK, DWORD event, HWND control, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        announced.emplace_back(event, control);
}

// Lets the announcements that have come in reach this thread.
void hearAnnouncements()
{
    MSG message;
    for (int i = 0; i < 25; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
}

bool wasAnnounced(DWORD event, HWND control)
{
    return std::find(announced.begin(), announced.end(), std::pair{event, control}) != announced.end();
}

Heard hear(HWND control)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        abortCase("no accessible object for a control");
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Heard heard;
    const auto read = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), std::wstring& into) {
        BSTR text = nullptr;
        if ((object->*get)(self, &text) == S_OK && text)
            into = text;
        SysFreeString(text);
    };
    read(&IAccessible::get_accName, heard.name);
    read(&IAccessible::get_accDescription, heard.description);
    read(&IAccessible::get_accValue, heard.value);
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4)
        heard.role = role.lVal;
    object->Release();
    return heard;
}

// A screen reader hears what each button does and what each square holds,
// and can follow a short game by the values alone.
void assistiveTechnologyHearsTheBoard()
{
    CoInitialize(nullptr);
    ProgramUnderTest program(programPath());
    const Heard up = hear(program.control("Command1"));
    checkText(up.name, L"Shift column 1 up", "Command1's name");
    checkText(up.description, L"Near slot empty, 4 green, far slot empty", "Command1's line");
    checkEqual(up.role, LONG{ROLE_SYSTEM_PUSHBUTTON}, "Command1's role");
    checkText(hear(program.control("END")).name, L"End the game", "END's name");
    const Heard slot = hear(program.control("Label1"));
    checkText(slot.name, L"Slot above column 1", "Label1's name");
    checkText(slot.value, L"empty", "Label1's value");
    checkEqual(slot.role, LONG{ROLE_SYSTEM_STATICTEXT}, "Label1's role");
    checkText(hear(program.control("Label14")).name, L"Row 2, column 3", "Label14's name");

    DWORD process = 0;
    GetWindowThreadProcessId(program.window(), &process);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                         noteAnnouncement, process, 0, WINEVENT_OUTOFCONTEXT);
    check(hook != nullptr, "listening for the program's announcements");
    announced.clear();
    program.clickControl("Command1");
    hearAnnouncements();
    check(wasAnnounced(EVENT_OBJECT_VALUECHANGE, program.control("Label1")), "the push-out is announced at the slot");
    check(wasAnnounced(EVENT_OBJECT_VALUECHANGE, program.control("Label24")), "and at the cell it left");
    // Label6 is rewritten with the green it held: no change to tell.
    check(!wasAnnounced(EVENT_OBJECT_VALUECHANGE, program.control("Label6")), "unchanged squares stay quiet");
    check(wasAnnounced(EVENT_OBJECT_DESCRIPTIONCHANGE, program.control("Command12")), "a changed line is announced");
    check(!wasAnnounced(EVENT_OBJECT_DESCRIPTIONCHANGE, program.control("Command15")), "others stay quiet");
    UnhookWinEvent(hook);

    program.clickControl("Command12");
    checkText(hear(program.control("Label6")).value, L"red piece", "the pull-in brought the red piece home");
    checkText(hear(program.control("Label1")).value, L"empty", "its slot is empty again");
    checkText(hear(program.control("Command1")).description, L"Near slot empty, red, 3 green, far slot empty",
              "Command1's line after the game");

    // The system reads the blocked box out with its title and text.
    program.clickControl("Command1");
    const auto box = program.waitForBox();
    if (!box)
        abortCase("no blocked box");
    checkText(hear(box->window).name, L"varnel", "the box's name");
    HWND text = GetDlgItem(box->window, 0xFFFF);
    checkText(text ? hear(text).name : L"", blockedText, "the box's text");
    program.pressOk(*box);
    CoUninitialize();
}

// Fails the creation of one window of this thread's.
int windowsToLetThrough = 0;
LRESULT CALLBACK failOneWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && windowsToLetThrough-- == 0)
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK noteVarnelWindow(HWND w, LPARAM found)
{
    *reinterpret_cast<bool*>(found) |= classOf(w) == L"VarnelForm1";
    return TRUE;
}

// Whether this thread still has a main window of the program's.
bool threadHasAVarnelWindow()
{
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), noteVarnelWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A window that cannot be built in full leaves nothing behind: not the
// window, nor its class, so that the next one builds as if it were first.
void failedConstructionLeavesNothingBehind()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    windowsToLetThrough = 10; // the window and nine of its controls
    HHOOK hook = SetWindowsHookExW(WH_CBT, failOneWindow, nullptr, GetCurrentThreadId());
    if (!hook)
        abortCase("cannot hook window creation: " + errorText(GetLastError()));
    bool failed = false;
    {
        Form1Window window(instance);
        failed = window.failure().starts_with("Cannot create a control of the window");
    }
    UnhookWindowsHookEx(hook);
    check(failed, "making the window failed at its tenth control");
    check(!threadHasAVarnelWindow(), "the half-made window is gone");
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    check(!GetClassInfoExW(instance, L"VarnelForm1", &cls), "its class is unregistered");

    Form1Window window(instance);
    if (!window.failure().empty())
        abortCase("the next window could not be made: " + window.failure());
    HWND main = GetParent(window.control("Label1"));
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(10);
    }
    POINT p{184, 51};
    ClientToScreen(main, &p);
    HDC screen = GetDC(nullptr);
    checkEqual(static_cast<ColourValue>(GetPixel(screen, p.x, p.y)), blue, "the next window's background");
    ReleaseDC(nullptr, screen);
}

void resetRestoresTheStartQuietly()
{
    ProgramUnderTest program(programPath());
    program.clickControl("RESET");
    check(program.board() == startBoard(), "RESET at the start changes nothing");
    for (int n : {1, 5, 12, 7})
        program.clickControl(moveButton(n));
    check(program.board() != startBoard(), "the moves changed the board");
    program.clickControl("RESET");
    check(program.board() == startBoard(), "RESET restores the start");
    check(!program.waitForBox(200), "RESET shows no box");
}

void resizingMovesNothing()
{
    ProgramUnderTest program(programPath());
    std::vector<RECT> before;
    for (HWND w : program.childrenTopFirst())
        before.push_back(program.clientRectOf(w));
    const auto unchanged = [&](const char* after) {
        const std::vector<HWND> children = program.childrenTopFirst();
        bool same = children.size() == before.size();
        for (std::size_t i = 0; same && i < children.size(); ++i) {
            const RECT r = program.clientRectOf(children[i]);
            same = EqualRect(&r, &before[i]);
        }
        check(same, std::string("every control stays in place after ") + after);
    };
    SetWindowPos(program.window(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    program.settle();
    unchanged("enlarging");
    checkEqual(program.pixel({400, 300}), ColourValue{0x00FF0000}, "the added area is blue");
    SetWindowPos(program.window(), nullptr, 0, 0, 120, 80, SWP_NOMOVE | SWP_NOZORDER);
    program.settle();
    unchanged("shrinking");
    ShowWindow(program.window(), SW_MAXIMIZE);
    program.settle();
    unchanged("maximising");
}

void winningGameEndsAfterTheSuccessBox()
{
    const auto game = findWinningGame(MemoryBoard{});
    if (!game)
        abortCase("no winning game found");
    ProgramUnderTest program(programPath());
    for (std::size_t i = 0; i + 1 < game->size(); ++i)
        program.clickControl(moveButton((*game)[i]));
    int red = 0;
    for (Square s : playCells)
        red += program.shownColour(s) == Red;
    checkEqual(red, 15, "red play cells before the last move");
    program.clickControl(moveButton(game->back()));
    const auto box = program.waitForBox();
    checkBox(box, successText);
    if (!box)
        return;
    for (Square s : playCells)
        checkEqual(program.shownColour(s), Red, squareName(s) + " behind the success box");
    program.pressOk(*box);
    checkExit(program, 0, "after the success box");
}

void endButtonEndsAtOnce()
{
    ProgramUnderTest program(programPath());
    program.clickControl("Command3");
    program.clickControl("END");
    checkExit(program, 0, "after END");
}

void closingTheWindowEndsTheProgram()
{
    ProgramUnderTest program(programPath());
    program.clickControl("Command8");
    PostMessageW(program.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    checkExit(program, 0, "after Close from the system menu");
}

// Closed under its report (as "End task" does), the program still ends with
// a failure status.
void failedSquareIsReportedAndEndsTheProgram(std::initializer_list<const char*> clicks, const std::wstring& report,
                                             bool closedUnderTheReport = false)
{
    ProgramUnderTest program(testBuildPath(), L"broken-square");
    for (const char* button : clicks)
        program.clickControl(button);
    const auto box = program.waitForBox();
    if (!box)
        abortCase("no report appeared");
    checkText(box->title, L"varnel", "report title");
    check(box->text.find(report) != std::wstring::npos,
          "the report says: " + narrow(report) + "; it says: " + narrow(box->text));
    check(box->buttons.size() == 1, "the report has one button");
    check(box->hasIcon, "the report shows an error icon");
    if (closedUnderTheReport) {
        PostMessageW(program.window(), WM_CLOSE, 0, 0);
        checkExit(program, 1, "after the window was closed under the report");
        return;
    }
    program.pressOk(*box);
    checkExit(program, 1, "after the report");
}

void unreadableSquareEndsWithAReport()
{
    failedSquareIsReportedAndEndsTheProgram({"Command16"},
                                            L"Reading the colour of square Label5 failed with error 1400");
}

void unwritableSquareEndsWithAReport()
{
    failedSquareIsReportedAndEndsTheProgram({"RESET"}, L"Setting the colour of square Label5 failed with error 1400",
                                            true);
}

const bool registered = [] {
    auto& r = registry();
    r.push_back({"window_and_controls", windowAndItsFiftyControls});
    r.push_back({"squares_on_screen", squaresShowTheStartPosition});
    r.push_back({"tab_order", tabVisitsTheButtonsInOrder});
    r.push_back({"space_and_enter", spaceAndEnterPressTheFocusedButton});
    r.push_back({"overlap_strips", largeButtonsTakeTheOverlapStrips});
    r.push_back({"hidden_bottom_row", partlyHiddenBottomRowStillClicks});
    r.push_back({"clicks_off_buttons", clicksOffTheButtonsDoNothing});
    r.push_back({"blocked_move", blockedMoveShowsItsBoxAndChangesNothing});
    r.push_back({"lower_buttons_stay_under", lowerButtonsStayUnderTheLargeOnes});
    r.push_back({"density_change", densityChangePlacesAndRepaintsEveryControl});
    r.push_back({"enter_once_per_press", enterClicksOncePerPress});
    r.push_back({"close_while_box_open", closingWhileABoxIsOpenEndsTheProgram});
    r.push_back({"failed_construction", failedConstructionLeavesNothingBehind});
    r.push_back({"assistive_technology", assistiveTechnologyHearsTheBoard});
    r.push_back({"reset", resetRestoresTheStartQuietly});
    r.push_back({"resizing", resizingMovesNothing});
    r.push_back({"winning_game", winningGameEndsAfterTheSuccessBox});
    r.push_back({"end_button", endButtonEndsAtOnce});
    r.push_back({"close_window", closingTheWindowEndsTheProgram});
    r.push_back({"unreadable_square", unreadableSquareEndsWithAReport});
    r.push_back({"unwritable_square", unwritableSquareEndsWithAReport});
    return true;
}();

} // namespace

} // namespace varnel::win32::testing
