// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "square.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace varnel {

enum class SquareAccess { Read, Write };

// A square whose colour the window toolkit could not read or set. Carries the
// toolkit's own error code and text so the player's report can name them.
class SquareAccessError : public std::runtime_error {
public:
    SquareAccessError(SquareAccess operation, Square square, std::uint32_t code, std::string detail);

    SquareAccess operation() const { return operation_; }
    Square square() const { return square_; }
    std::uint32_t code() const { return code_; }
    const std::string& detail() const { return detail_; }

private:
    SquareAccess operation_;
    Square square_;
    std::uint32_t code_;
    std::string detail_;
};

} // namespace varnel
