// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "accessible_control.h"

#include "system_libraries.h"

#include <oleacc.h>

namespace varnel::win32 {

namespace {

// The accessibility and automation libraries are loaded on the first
// question a client asks, so that a player who uses none pays nothing.
struct Libraries {
    using CreateStd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    using Lresult = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using AllocString = BSTR(WINAPI*)(const OLECHAR*);
    using LoadTypeLibrary = HRESULT(WINAPI*)(LPCOLESTR, REGKIND, ITypeLib**);
    using DispatchNames = HRESULT(WINAPI*)(ITypeInfo*, OLECHAR**, UINT, DISPID*);
    using Dispatch = HRESULT(WINAPI*)(void*, ITypeInfo*, DISPID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*);
    CreateStd createStdAccessibleObject = nullptr;
    Lresult lresultFromObject = nullptr;
    AllocString sysAllocString = nullptr;
    DispatchNames dispGetIDsOfNames = nullptr;
    Dispatch dispInvoke = nullptr;
    // IAccessible's description from oleacc's type library, by which a
    // client's IDispatch calls reach this program's own methods.
    ITypeInfo* accessibleType = nullptr;
};

const Libraries* libraries()
{
    static const Libraries found = [] {
        Libraries l;
        HMODULE oleacc = loadSystemLibrary(L"oleacc.dll");
        HMODULE oleaut = loadSystemLibrary(L"oleaut32.dll");
        l.createStdAccessibleObject = findFunction<Libraries::CreateStd>(oleacc, "CreateStdAccessibleObject");
        l.lresultFromObject = findFunction<Libraries::Lresult>(oleacc, "LresultFromObject");
        l.sysAllocString = findFunction<Libraries::AllocString>(oleaut, "SysAllocString");
        l.dispGetIDsOfNames = findFunction<Libraries::DispatchNames>(oleaut, "DispGetIDsOfNames");
        l.dispInvoke = findFunction<Libraries::Dispatch>(oleaut, "DispInvoke");
        const auto loadTypeLibrary = findFunction<Libraries::LoadTypeLibrary>(oleaut, "LoadTypeLibEx");
        wchar_t path[MAX_PATH];
        // 0 is a failure and MAX_PATH a path cut short: neither names the file.
        const DWORD length = oleacc ? GetModuleFileNameW(oleacc, path, MAX_PATH) : 0;
        ITypeLib* types = nullptr;
        if (loadTypeLibrary && length > 0 && length < MAX_PATH &&
            SUCCEEDED(loadTypeLibrary(path, REGKIND_NONE, &types))) {
            types->GetTypeInfoOfGuid(__uuidof(IAccessible), &l.accessibleType);
            types->Release();
        }
        return l;
    }();
    const bool complete = found.createStdAccessibleObject && found.lresultFromObject && found.sysAllocString &&
                          found.dispGetIDsOfNames && found.dispInvoke && found.accessibleType;
    return complete ? &found : nullptr;
}

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's object for the control, with its name, description, value
// and role taken from the program; everything else is the system's.
// COM objects end through Release, never through a destructor of their
// interface, which therefore has none that is virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class SpokenAccessible final : public IAccessible {
public:
    SpokenAccessible(IAccessible* standard, HWND control, Speaker speaker)
        : standard_(standard), control_(control), speaker_(speaker)
    {}
    SpokenAccessible(const SpokenAccessible&) = delete;
    SpokenAccessible& operator=(const SpokenAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch runs this object's own IAccessible methods, so that a client
    // asking by name or number hears the same words as one asking directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_INVALIDARG;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        if (!info)
            return E_INVALIDARG;
        *info = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        *info = libraries()->accessibleType;
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        return libraries()->dispGetIDsOfNames(libraries()->accessibleType, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argument) override
    {
        return libraries()->dispInvoke(static_cast<IAccessible*>(this), libraries()->accessibleType, member, flags,
                                       params, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return isSelf(child) ? text(speaker_(control_).name, name) : standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return isSelf(child) ? text(speaker_(control_).description, description)
                             : standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return isSelf(child) ? text(speaker_(control_).value, value) : standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const LONG own = isSelf(child) ? speaker_(control_).role : 0;
        if (!own)
            return standard_->get_accRole(child, role);
        if (!role)
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = own;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return standard_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~SpokenAccessible() { standard_->Release(); }

    static HRESULT text(const std::wstring& words, BSTR* out)
    {
        if (!out)
            return E_INVALIDARG;
        *out = nullptr;
        if (words.empty())
            return S_FALSE; // nothing to say
        *out = libraries()->sysAllocString(words.c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* standard_;
    HWND control_;
    Speaker speaker_;
    LONG references_ = 1;
};
#pragma GCC diagnostic pop

} // namespace

LRESULT answerAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam, Speaker speaker)
{
    const Libraries* l = libraries();
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !l)
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(l->createStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&standard))))
        return 0;
    auto* spoken = new SpokenAccessible(standard, control, speaker);
    const LRESULT answer = l->lresultFromObject(__uuidof(IAccessible), wParam, spoken);
    spoken->Release(); // the answer holds its own reference
    // A failure is an error code, never an answer: the system's default
    // answer stands instead.
    return answer > 0 ? answer : 0;
}

} // namespace varnel::win32
