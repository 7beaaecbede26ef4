// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "click.h"

#include "rules/memory_board.h"
#include "rules/square_access_error.h"
#include "ui/handlers.h"
#include "ui/spoken_words.h"

#include <optional>
#include <utility>

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

// Tells what the click changed once it has run to its end; until then, the
// squares before it wait with the click.
void tell(FrontEnd& ui, ClickRun run, std::optional<MemoryBoard> before)
{
    if (run == ClickRun::BoxOpen) {
        ui.clickInProgress.before = std::move(before);
        return;
    }
    if (run != ClickRun::Done || ui.hasEnded() || !before)
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

} // namespace

void clickControl(FrontEnd& ui, std::string_view control)
{
    const ClickHandler handler = clickHandlerOf(control);
    if (!handler || ui.hasEnded())
        return;
    std::optional<MemoryBoard> before = copyOf(ui.board());
    tell(ui, runClick(ui, handler), std::move(before));
}

void dismissMessage(FrontEnd& ui)
{
    tell(ui, messageDismissed(ui), std::exchange(ui.clickInProgress.before, std::nullopt));
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
