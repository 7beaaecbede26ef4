// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Where the program loads code from, and the COM it sets up for the
// accessibility objects it hands to other processes.
#include "check.h"
#include "driver.h"
#include "program_under_test.h"

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace varnel::win32::testing {

namespace {

IAccessible* objectOf(HWND control)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        abortCase("no accessible object for a control");
    return object;
}

VARIANT self()
{
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

// The control's name, as a client asks for it directly or through IDispatch.
std::wstring nameOf(HWND control, bool throughDispatch = false)
{
    IAccessible* object = objectOf(control);
    std::wstring name;
    if (throughDispatch) {
        VARIANT child = self();
        DISPPARAMS params{&child, nullptr, 1, 0};
        VARIANT result{};
        if (SUCCEEDED(object->Invoke(DISPID_ACC_NAME, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params,
                                     &result, nullptr, nullptr)) &&
            result.vt == VT_BSTR && result.bstrVal)
            name = result.bstrVal;
        VariantClear(&result);
    } else {
        BSTR text = nullptr;
        if (object->get_accName(self(), &text) == S_OK && text)
            name = text;
        SysFreeString(text);
    }
    object->Release();
    return name;
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

// Where Wine keeps what WINEDLLOVERRIDES would say, for varnel.exe alone
// (Wine takes a child's overrides from the registry, not from the
// environment it is given).
constexpr wchar_t wineSays[] = L"Software\\Wine\\AppDefaults\\varnel.exe";

// What WINEDLLOVERRIDES=name=n,b says: a DLL found on the search path goes
// before Wine's own.
void preferNative(const wchar_t* name)
{
    const std::wstring nativeFirst = L"native,builtin";
    RegSetKeyValueW(HKEY_CURRENT_USER, (std::wstring(wineSays) + L"\\DllOverrides").c_str(), name, REG_SZ,
                    nativeFirst.c_str(), static_cast<DWORD>((nativeFirst.size() + 1) * sizeof(wchar_t)));
}

// A planted oleacc.dll beside the program is never run, even where Wine is
// told to prefer a DLL found on the search path to its own.
void plantedOleaccBesideTheProgramIsNotRun()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"varnel-planted-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring exe = folder + L"\\varnel.exe", dll = folder + L"\\oleacc.dll";
    const std::wstring mark = folder + L"\\planted-oleacc-ran";
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!CopyFileW(programPath().c_str(), exe.c_str(), FALSE) ||
        !CopyFileW((folderOf(testBuildPath()) + L"planted\\oleacc.dll").c_str(), dll.c_str(), FALSE))
        abortCase("cannot lay out the planted folder: " + std::to_string(GetLastError()));
    preferNative(L"oleacc");
    {
        CoInitialize(nullptr);
        ProgramUnderTest program(exe);
        checkText(nameOf(program.control("END")), L"End the game", "END's name");
        check(GetFileAttributesW(mark.c_str()) == INVALID_FILE_ATTRIBUTES, "the planted oleacc.dll did not run");
        CoUninitialize();
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, wineSays);
    DeleteFileW(mark.c_str());
    DeleteFileW(dll.c_str());
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());
}

// With no IME to set COM up as a side effect, the program's own apartment
// still lets its objects out, and a client asking through IDispatch hears
// the program's words. A window with no apartment at all leaves the
// system's answer standing.
void accessibleObjectsNeedNoImeAndSpeakThroughIDispatch()
{
    CoInitialize(nullptr);
    {
        ProgramUnderTest program(testBuildPath(), L"without-ime");
        checkText(nameOf(program.control("END")), L"End the game", "END's name, IME disabled");
        checkText(nameOf(program.control("Command1"), true), L"Shift column 1 up", "Command1's name by IDispatch");
    }
    {
        ProgramUnderTest program(testBuildPath(), L"without-ime-or-com");
        checkText(nameOf(program.control("END")), L"END", "END's name from the system, with no apartment");
    }
    CoUninitialize();
}

// A move's words reach UI Automation as a notification for the window, whose
// provider is then released. Wine 8 has no notification events, so a
// stand-in that writes its calls down takes the place of the system's
// uiautomationcore.dll, for the program alone.
void moveIsToldThroughUiAutomation()
{
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring folder(system, length);
    const std::wstring dll = folder + L"\\uiautomationcore.dll", aside = dll + L".varnel-aside";
    const std::wstring log = folder + L"\\uiautomationcore-calls.txt";
    if (!MoveFileW(dll.c_str(), aside.c_str()))
        abortCase("cannot set the system's uiautomationcore.dll aside: " + std::to_string(GetLastError()));
    // Put back however the case ends, for the cases after it.
    struct Restore {
        const std::wstring &dll, &aside, &log;
        ~Restore()
        {
            DeleteFileW(dll.c_str());
            MoveFileW(aside.c_str(), dll.c_str());
            DeleteFileW(log.c_str());
            RegDeleteTreeW(HKEY_CURRENT_USER, wineSays);
        }
    } restore{dll, aside, log};
    if (!CopyFileW((folderOf(testBuildPath()) + L"planted\\uiautomationcore.dll").c_str(), dll.c_str(), FALSE))
        abortCase("cannot put the stand-in in the system folder: " + std::to_string(GetLastError()));
    preferNative(L"uiautomationcore");
    {
        ProgramUnderTest program(programPath());
        program.clickControl("Command1");
    }
    std::wstring calls;
    HANDLE file = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    wchar_t text[512];
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE && ReadFile(file, text, sizeof text, &read, nullptr))
        calls.assign(text, read / sizeof(wchar_t));
    CloseHandle(file);
    checkText(calls,
              L"provider for VarnelForm1\n"
              L"kind 2, processing 1, varnel.move: Slot above column 1: red piece. Row 4, column 1: empty.\n"
              L"released\n",
              "what UI Automation was told of Command1's move");
}

const bool registered = [] {
    registry().push_back({"planted_oleacc", plantedOleaccBesideTheProgramIsNotRun});
    registry().push_back({"com_and_idispatch", accessibleObjectsNeedNoImeAndSpeakThroughIDispatch});
    registry().push_back({"uia_notification", moveIsToldThroughUiAutomation});
    return true;
}();

} // namespace

} // namespace varnel::win32::testing
