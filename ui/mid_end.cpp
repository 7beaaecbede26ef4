// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "mid_end.h"

#include "rules/square_access_error.h"
#include "ui/handlers.h"
#include "ui/spoken_words.h"

#include <exception>
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

// The handlers catch nothing: a failure that escapes one (a square that
// could not be read or set) stops it here, and is reported.
std::optional<Box> MidEnd::run(ClickHandler step) noexcept
{
    try {
        // The window may have been closed while a box was open: its squares
        // are gone, and the game with them.
        if (step && !ui_.hasEnded()) {
            const Step next = step(ui_);
            if (!next.box.empty()) {
                afterBox_ = next.then;
                boxOpen_ = true;
                return Box{next.box};
            }
        }
    } catch (const std::exception& failure) {
        failureReport_ = "Varnel has to stop.\n\n";
        failureReport_ += failure.what();
        boxOpen_ = failed_ = true;
        return Box{failureReport_, true};
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
