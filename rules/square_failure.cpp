// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "square_failure.h"

namespace varnel {

std::string describe(const SquareFailure& failure)
{
    std::string text = failure.operation == SquareAccess::Read ? "Reading" : "Setting";
    text += " the colour of square " + squareName(failure.square) + " failed with error " +
            std::to_string(failure.error.code);
    if (!failure.error.detail.empty())
        text += ": " + failure.error.detail;
    return text;
}

} // namespace varnel
