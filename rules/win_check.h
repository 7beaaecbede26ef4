// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "board_state.h"

#include <string_view>

namespace varnel {

inline constexpr std::string_view successMessage = "Amazingly, you have succeeded. Bravo!!";

// True when all 16 play cells are red. Reads them in ascending order and
// stops at the first that is not.
bool isWon(const BoardState& board);

} // namespace varnel
