// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace varnel {

// The 32 board positions, numbered row by row over a 6 x 6 grid without its
// corners. The names are those of the squares in the window.
enum class Square : std::uint8_t {
    // clang-format off
    Label1 = 1, Label2, Label3, Label4,
    Label5, Label6, Label7, Label8, Label9, Label10,
    Label11, Label12, Label13, Label14, Label15, Label16,
    Label17, Label18, Label19, Label20, Label21, Label22,
    Label23, Label24, Label25, Label26, Label27, Label28,
    Label29, Label30, Label31, Label32,
    // clang-format on
};

inline constexpr int squareCount = 32;
inline constexpr int gridSize = 6;

constexpr int numberOf(Square s) { return static_cast<int>(s); }

// Its place among the 32, counting from 0, for arrays of squares.
constexpr std::size_t indexOf(Square s) { return static_cast<std::size_t>(numberOf(s) - 1); }

// Precondition: 1 <= n <= 32.
constexpr Square squareNumbered(int n) { return static_cast<Square>(n); }

std::string squareName(Square s);

// Grid rows and columns count 0 to 5 from the top left.
struct GridPos {
    int row;
    int column;
    bool operator==(const GridPos&) const = default;
};

constexpr bool isCorner(GridPos p) { return (p.row == 0 || p.row == 5) && (p.column == 0 || p.column == 5); }

constexpr std::optional<Square> squareAt(GridPos p)
{
    if (p.row < 0 || p.row >= gridSize || p.column < 0 || p.column >= gridSize || isCorner(p))
        return std::nullopt;
    if (p.row == 0)
        return squareNumbered(p.column);
    if (p.row == 5)
        return squareNumbered(28 + p.column);
    return squareNumbered(5 + (p.row - 1) * gridSize + p.column);
}

constexpr GridPos gridPosOf(Square s)
{
    const int n = numberOf(s);
    if (n <= 4)
        return {0, n};
    if (n >= 29)
        return {5, n - 28};
    return {1 + (n - 5) / gridSize, (n - 5) % gridSize};
}

// The inner 4 x 4 square; everything else is an outer slot.
constexpr bool isPlayCell(Square s)
{
    const GridPos p = gridPosOf(s);
    return p.row >= 1 && p.row <= 4 && p.column >= 1 && p.column <= 4;
}

inline constexpr std::array<Square, squareCount> allSquares = [] {
    std::array<Square, squareCount> all{};
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = squareNumbered(static_cast<int>(i) + 1);
    return all;
}();

// Ascending order, which is also row by row from the top left.
inline constexpr std::array<Square, 16> playCells = [] {
    std::array<Square, 16> cells{};
    std::size_t i = 0;
    for (Square s : allSquares)
        if (isPlayCell(s))
            cells[i++] = s;
    return cells;
}();

// A row or column of the inner square with the outer slot at each end, in
// grid order: left to right, or top to bottom.
using Line = std::array<Square, gridSize>;

// Rows 1 to 4, then columns 1 to 4.
inline constexpr std::array<Line, 8> lines = [] {
    std::array<Line, 8> all{};
    for (int i = 1; i <= 4; ++i)
        for (int k = 0; k < gridSize; ++k) {
            const auto at = static_cast<std::size_t>(k);
            all[static_cast<std::size_t>(i - 1)][at] = *squareAt({i, k});
            all[static_cast<std::size_t>(i + 3)][at] = *squareAt({k, i});
        }
    return all;
}();

} // namespace varnel
