// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "board_state.h"

#include <array>

namespace varnel {

// A board held in memory, in the start position when made.
class MemoryBoard final : public BoardState {
public:
    MemoryBoard();

    ColourValue colour(Square s) const override { return colours_[indexOf(s)]; }
    void setColour(Square s, ColourValue c) override { colours_[indexOf(s)] = c; }

    const std::array<ColourValue, squareCount>& colours() const { return colours_; }
    bool operator==(const MemoryBoard& other) const { return colours_ == other.colours_; }

private:
    std::array<ColourValue, squareCount> colours_{};
};

} // namespace varnel
