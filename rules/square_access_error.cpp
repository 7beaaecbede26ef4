// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "square_access_error.h"

#include <utility>

namespace varnel {

namespace {

std::string describe(SquareAccess operation, Square square, std::uint32_t code, const std::string& detail)
{
    std::string text = operation == SquareAccess::Read ? "Reading" : "Setting";
    text += " the colour of square " + squareName(square) + " failed with error " + std::to_string(code);
    if (!detail.empty())
        text += ": " + detail;
    return text;
}

} // namespace

SquareAccessError::SquareAccessError(SquareAccess operation, Square square, std::uint32_t code, std::string detail)
    : std::runtime_error(describe(operation, square, code, detail)), operation_(operation), square_(square),
      code_(code), detail_(std::move(detail))
{}

} // namespace varnel
