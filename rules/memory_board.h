// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "board_state.h"

#include <array>

namespace varnel {

// A board held in memory, in the start position when made. Its every access
// succeeds.
class MemoryBoard final : public BoardState {
public:
    MemoryBoard();

    const std::array<ColourValue, squareCount>& colours() const { return colours_; }
    bool operator==(const MemoryBoard& other) const { return colours_ == other.colours_; }

private:
    std::optional<ToolkitError> read(Square s, ColourValue& c) const override
    {
        c = colours_[indexOf(s)];
        return std::nullopt;
    }
    std::optional<ToolkitError> write(Square s, ColourValue c) override
    {
        colours_[indexOf(s)] = c;
        return std::nullopt;
    }

    std::array<ColourValue, squareCount> colours_{};
};

} // namespace varnel
