// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Prints a winning game from the start position, one button a line.
#include "solver.h"

#include "rules/moves.h"

#include <iostream>
#include <stdexcept>

int main()
try {
    const auto game = varnel::findWinningGame(varnel::MemoryBoard{});
    if (!game) {
        std::cerr << "varnel-solve: no winning game from the start position\n";
        return 1;
    }
    for (int button : *game)
        std::cout << varnel::moveOfButton(button).button << '\n';
    return 0;
} catch (const std::logic_error& broken) {
    std::cerr << "varnel-solve: " << broken.what() << '\n';
    return 1;
}
