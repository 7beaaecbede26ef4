// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "mid_end.h"

#include "ui/handlers.h"
#include "ui/spoken_words.h"

namespace varnel {

namespace {

// The squares' colours as they are now, or nothing when one cannot be read:
// then nothing is told of the click, which may still play (its handler meets
// the failure only if it touches that square).
std::optional<MemoryBoard> copyOf(const BoardState& board)
{
    MemoryBoard copy;
    for (const Square s : allSquares) {
        const std::optional<ColourValue> c = board.look(s);
        if (!c)
            return std::nullopt;
        copy.setColour(s, *c);
    }
    return copy;
}

} // namespace

void MidEnd::opened()
{
    if (const std::optional<MemoryBoard> now = copyOf(ui_.board())) {
        const auto told = spokenLines(*now);
        for (std::size_t i = 0; i < told.size(); ++i)
            ui_.describeLine(static_cast<int>(i) + 1, told[i]);
    }
}

std::optional<Box> MidEnd::click(std::string_view control)
{
    // One handler at a time. A box keeps the mouse off the window, but not a
    // press from automation or a screen reader, which would otherwise run a
    // second handler inside the first one's box. A click queued before the
    // end of the program is dropped.
    const ClickHandler handler = clickHandlerOf(control);
    if (!handler || running_ || ui_.hasEnded())
        return std::nullopt;
    running_ = true;
    before_ = copyOf(ui_.board());
    return run(handler);
}

std::optional<Box> MidEnd::dismissed()
{
    if (!boxOpen_)
        return std::nullopt;
    boxOpen_ = false;
    // Even where the window was closed under the report, the program ends
    // as one that failed.
    if (failed_) {
        ui_.endAfterFailure();
        return std::nullopt;
    }
    return run(afterBox_);
}

std::optional<Box> MidEnd::run(ClickHandler step)
{
    // The window may have been closed while a box was open: its squares
    // are gone, and the game with them.
    if (step && !ui_.hasEnded()) {
        const Step next = step(ui_);
        // A square that could not be read or set stopped the handler's play
        // there: the failure is its only outcome, and the report its box.
        if (const std::optional<SquareFailure>& failure = ui_.board().failure()) {
            failureReport_ = "Varnel has to stop.\n\n" + describe(*failure);
            boxOpen_ = failed_ = true;
            return Box{failureReport_, true};
        }
        if (!next.box.empty()) {
            afterBox_ = next.then;
            boxOpen_ = true;
            return Box{next.box};
        }
    }
    finish();
    return std::nullopt;
}

// Tells what the click changed, once it has run to its end.
void MidEnd::finish()
{
    running_ = false;
    if (ui_.hasEnded() || !before_)
        return;
    const std::optional<MemoryBoard> after = copyOf(ui_.board());
    if (!after)
        return;
    const auto linesBefore = spokenLines(*before_);
    const auto linesAfter = spokenLines(*after);
    for (std::size_t i = 0; i < linesAfter.size(); ++i)
        if (linesAfter[i] != linesBefore[i])
            ui_.describeLine(static_cast<int>(i) + 1, linesAfter[i]);
    ui_.announce(spokenChanges(*before_, *after));
}

} // namespace varnel
