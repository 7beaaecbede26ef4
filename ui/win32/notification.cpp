// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "notification.h"

#include "system_libraries.h"

#include <uiautomationcore.h>

namespace varnel::win32 {

namespace {

// NotificationKind_ActionCompleted and NotificationProcessing_ImportantMostRecent:
// the player's own move is done, and its words, which matter, replace any
// unsaid ones of an earlier move. MinGW's headers predate both.
constexpr int actionCompleted = 2;
constexpr int importantMostRecent = 1;

// Loaded on the first notification, so that older systems, which lack the
// event, still run the program.
struct Automation {
    using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using Notify = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
    using AllocString = BSTR(WINAPI*)(const OLECHAR*);
    using FreeString = void(WINAPI*)(BSTR);
    HostProvider hostProviderFromHwnd = nullptr;
    Notify raiseNotificationEvent = nullptr;
    AllocString sysAllocString = nullptr;
    FreeString sysFreeString = nullptr;
};

const Automation* automation()
{
    static const Automation found = [] {
        Automation a;
        HMODULE core = loadSystemLibrary(L"uiautomationcore.dll");
        HMODULE oleaut = loadSystemLibrary(L"oleaut32.dll");
        a.hostProviderFromHwnd = findFunction<Automation::HostProvider>(core, "UiaHostProviderFromHwnd");
        a.raiseNotificationEvent = findFunction<Automation::Notify>(core, "UiaRaiseNotificationEvent");
        a.sysAllocString = findFunction<Automation::AllocString>(oleaut, "SysAllocString");
        a.sysFreeString = findFunction<Automation::FreeString>(oleaut, "SysFreeString");
        return a;
    }();
    const bool complete =
        found.hostProviderFromHwnd && found.raiseNotificationEvent && found.sysAllocString && found.sysFreeString;
    return complete ? &found : nullptr;
}

} // namespace

void raiseNotification(HWND window, const std::wstring& words)
{
    const Automation* a = automation();
    IRawElementProviderSimple* provider = nullptr;
    if (!a || FAILED(a->hostProviderFromHwnd(window, &provider)) || !provider)
        return;
    BSTR text = a->sysAllocString(words.c_str());
    BSTR activity = a->sysAllocString(L"varnel.move");
    // A notification that fails is one the player does not hear: the game
    // goes on all the same.
    if (text && activity)
        a->raiseNotificationEvent(provider, actionCompleted, importantMostRecent, text, activity);
    a->sysFreeString(activity);
    a->sysFreeString(text);
    provider->Release();
}

} // namespace varnel::win32
