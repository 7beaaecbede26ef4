// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "square.h"

#include <cstdint>
#include <string>

namespace varnel {

enum class SquareAccess { Read, Write };

// The window toolkit's own word on an access it could not make.
struct ToolkitError {
    std::uint32_t code;
    std::string detail; // its text for the code, if it has one
};

// A square whose colour could not be read or set, and why: what the player's
// report names.
struct SquareFailure {
    SquareAccess operation;
    Square square;
    ToolkitError error;
};

// "Reading the colour of square Label7 failed with error 5: Access is denied."
std::string describe(const SquareFailure& failure);

} // namespace varnel
