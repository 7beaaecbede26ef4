// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// A uiautomationcore.dll for the driver to put in the system folder in place
// of Wine's, which has no notification events. It writes down, in a file
// beside itself, the window whose provider it hands out, each notification
// raised and the provider's release, one line each.
#include <windows.h>

#include <uiautomationcore.h>

#include <string>

namespace {

std::wstring logPath;

void note(const std::wstring& line)
{
    HANDLE log = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(log, line.c_str(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(log);
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class Provider final : public IRawElementProviderSimple {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        if (--references_ == 0)
            note(L"released\n");
        return static_cast<ULONG>(references_);
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple**) override { return E_NOTIMPL; }

    LONG references_ = 0;
};
#pragma GCC diagnostic pop

Provider provider;

} // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** out)
{
    wchar_t name[64];
    const int length = GetClassNameW(window, name, 64);
    note(L"provider for " + std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0)) + L"\n");
    provider.AddRef();
    *out = &provider;
    return S_OK;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple* from, int kind, int processing, BSTR words, BSTR activity)
{
    note(std::wstring(from == &provider && provider.references_ > 0 ? L"" : L"unknown provider, ") + L"kind " +
         std::to_wstring(kind) + L", processing " + std::to_wstring(processing) + L", " + activity + L": " + words +
         L"\n");
    return S_OK;
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH];
        const std::wstring file(path, GetModuleFileNameW(self, path, MAX_PATH));
        logPath = file.substr(0, file.find_last_of(L'\\') + 1) + L"uiautomationcore-calls.txt";
    }
    return TRUE;
}
