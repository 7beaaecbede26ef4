// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace varnel {

// A 24-bit colour held as 0x00BBGGRR, red in the low byte.
using ColourValue = std::uint32_t;

// The three colours a square ever shows; compared for exact equality.
inline constexpr ColourValue Grey = 0x00C0C0C0;  // empty position
inline constexpr ColourValue Green = 0x0080FF80; // a piece not yet pushed out
inline constexpr ColourValue Red = 0x008080FF;   // a piece pushed out at least once

constexpr std::uint8_t redOf(ColourValue c) { return c & 0xFF; }
constexpr std::uint8_t greenOf(ColourValue c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t blueOf(ColourValue c) { return (c >> 16) & 0xFF; }

} // namespace varnel
