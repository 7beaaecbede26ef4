// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Plays a winning game in the Qt window on the offscreen platform and counts,
// for each move, the squares that repainted against the squares whose colour
// changed.
#include "rules/moves.h"
#include "tools/solver.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/square_widget.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <map>

int main(int, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    varnel::Form1Window window;
    window.show();
    QApplication::processEvents();

    const auto square = [&](varnel::Square s) {
        return window.findChild<varnel::SquareWidget*>(QString::fromStdString(varnel::squareName(s)));
    };
    const auto game = varnel::findWinningGame(varnel::MemoryBoard{});
    if (!game)
        return 1;
    int moves = 0, repainted = 0, changed = 0, extra = 0;
    // The last move wins and ends the program, so it is left out.
    for (std::size_t i = 0; i + 1 < game->size(); ++i) {
        std::map<varnel::Square, std::pair<int, varnel::ColourValue>> before;
        for (varnel::Square s : varnel::allSquares)
            before[s] = {square(s)->paintCount(), square(s)->colour()};
        const auto name = varnel::moveOfButton((*game)[i]).button;
        window.findChild<QPushButton*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))->click();
        QApplication::processEvents();
        ++moves;
        for (varnel::Square s : varnel::allSquares) {
            const bool didPaint = square(s)->paintCount() > before[s].first;
            const bool didChange = square(s)->colour() != before[s].second;
            repainted += didPaint;
            changed += didChange;
            extra += didPaint && !didChange;
        }
    }
    std::printf("repaints: %d squares over %d moves (%.2f a move) for %d colour changes; %d repaints of "
                "unchanged squares\n",
                repainted, moves, static_cast<double>(repainted) / moves, changed, extra);
    return 0;
}
