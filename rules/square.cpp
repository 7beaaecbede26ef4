// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "square.h"

namespace varnel {

std::string squareName(Square s) { return "Label" + std::to_string(numberOf(s)); }

} // namespace varnel
