// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace varnel::win32 {

// Owners of what the window system makes for the program, so that whatever
// was made is undone however the making ends.

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

template <typename Handle> using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// Cuts the window off from the object its user data points at before
// destroying it, so that no message of its last moments reaches an object
// that is itself being destroyed.
struct WindowDeleter {
    void operator()(HWND window) const
    {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
};

using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// A window class, registered for as long as its owner lives, so that what
// the class uses (its background brush) can be freed after it.
class RegisteredClass {
public:
    RegisteredClass() = default;
    RegisteredClass(const RegisteredClass&) = delete;
    RegisteredClass& operator=(const RegisteredClass&) = delete;
    ~RegisteredClass()
    {
        if (atom_)
            UnregisterClassW(MAKEINTATOM(atom_), instance_);
    }

    // False, with the system's last error, when the class cannot be registered.
    bool registerClass(const WNDCLASSEXW& cls)
    {
        atom_ = RegisterClassExW(&cls);
        instance_ = cls.hInstance;
        return atom_ != 0;
    }

private:
    ATOM atom_ = 0;
    HINSTANCE instance_ = nullptr;
};

} // namespace varnel::win32
