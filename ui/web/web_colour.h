// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/colour.h"

#include <string>

namespace varnel::web {

// A colour as style sheets write it, "#rrggbb": the page's, and those that
// make_page checks in the app manifest. (Not by printf, which would weigh
// more than the rest of the page's program.)
inline std::string webColour(ColourValue c)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (const int byte : {redOf(c), greenOf(c), blueOf(c)})
        out += {digits[byte >> 4], digits[byte & 0xf]};
    return out;
}

} // namespace varnel::web
