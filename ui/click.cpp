// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "click.h"

#include "rules/memory_board.h"
#include "rules/square_access_error.h"
#include "ui/handlers.h"
#include "ui/spoken_words.h"

#include <optional>

namespace varnel {

namespace {

// The squares' colours as they are now, or nothing when one cannot be read:
// then nothing is told, and the next click's handler meets the failure.
std::optional<MemoryBoard> copyOf(const BoardState& board)
{
    try {
        MemoryBoard copy;
        for (const Square s : allSquares)
            copy.setColour(s, board.colour(s));
        return copy;
    } catch (const SquareAccessError&) {
        return std::nullopt;
    }
}

} // namespace

void clickControl(FrontEnd& ui, std::string_view control)
{
    const ClickHandler handler = clickHandlerOf(control);
    if (!handler || ui.hasEnded())
        return;
    const std::optional<MemoryBoard> before = copyOf(ui.board());
    if (!runClick(ui, handler) || ui.hasEnded() || !before)
        return;
    const std::optional<MemoryBoard> after = copyOf(ui.board());
    if (!after)
        return;
    const auto linesBefore = spokenLines(*before);
    const auto linesAfter = spokenLines(*after);
    for (std::size_t i = 0; i < linesAfter.size(); ++i)
        if (linesAfter[i] != linesBefore[i])
            ui.describeLine(static_cast<int>(i) + 1, linesAfter[i]);
    ui.announce(spokenChanges(*before, *after));
}

void describeAllLines(FrontEnd& ui)
{
    if (const std::optional<MemoryBoard> now = copyOf(ui.board())) {
        const auto told = spokenLines(*now);
        for (std::size_t i = 0; i < told.size(); ++i)
            ui.describeLine(static_cast<int>(i) + 1, told[i]);
    }
}

} // namespace varnel
