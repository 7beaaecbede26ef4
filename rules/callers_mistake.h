// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace varnel {

// A call the program can never make when it is right, such as a name that is
// no control's: it stops there, as a failed assertion would, in every build.
[[noreturn]] inline void stopAtCallersMistake(std::string_view what)
{
    std::fprintf(stderr, "varnel: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

} // namespace varnel
