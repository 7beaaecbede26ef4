// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <objbase.h>

namespace varnel::win32 {

// COM's single-threaded apartment for this thread while it lives: the
// accessibility objects that the window hands out live in it. The window is
// built after it and destroyed before it.
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (joined_)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_; // S_FALSE (already in one) joins too and is undone too
};

} // namespace varnel::win32
