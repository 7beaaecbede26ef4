#pragma once

#include "board_state.h"

#include <array>

namespace varnel {

// A board held in memory, in the start position when made.
class MemoryBoard final : public BoardState {
public:
    MemoryBoard();

    ColourValue colour(Square s) const override { return colours_[index(s)]; }
    void setColour(Square s, ColourValue c) override { colours_[index(s)] = c; }

    const std::array<ColourValue, squareCount>& colours() const { return colours_; }
    bool operator==(const MemoryBoard& other) const { return colours_ == other.colours_; }

private:
    static constexpr std::size_t index(Square s) { return static_cast<std::size_t>(numberOf(s) - 1); }

    std::array<ColourValue, squareCount> colours_{};
};

} // namespace varnel
