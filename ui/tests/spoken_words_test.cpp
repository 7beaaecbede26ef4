// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "ui/spoken_words.h"

#include "rules/memory_board.h"
#include "rules/moves.h"

#include <gtest/gtest.h>

#include <set>

namespace varnel {
namespace {

TEST(SpokenWords, NameWhatEachButtonDoesAndWhereEachSquareIs)
{
    const std::pair<const char*, const char*> names[] = {
        {"Command1", "Shift column 1 up"},   {"Command4", "Shift column 4 up"},
        {"Command5", "Shift row 1 right"},   {"Command8", "Shift row 4 right"},
        {"Command9", "Shift column 4 down"}, {"Command12", "Shift column 1 down"},
        {"Command13", "Shift row 4 left"},   {"Command16", "Shift row 1 left"},
        {"RESET", "Reset the board"},        {"END", "End the game"},
        {"Label1", "Slot above column 1"},   {"Label5", "Slot left of row 1"},
        {"Label10", "Slot right of row 1"},  {"Label28", "Slot right of row 4"},
        {"Label29", "Slot below column 1"},  {"Label32", "Slot below column 4"},
        {"Label6", "Row 1, column 1"},       {"Label14", "Row 2, column 3"},
        {"Label27", "Row 4, column 4"},
    };
    for (const auto& [control, name] : names)
        EXPECT_EQ(spokenName(controlNamed(control)), name) << control;

    // No two controls sound alike.
    std::set<std::string> all;
    for (const ControlSpec& c : form1Controls)
        all.insert(spokenName(c));
    EXPECT_EQ(all.size(), form1Controls.size());
}

TEST(SpokenWords, TellASquaresContentAndAMoveButtonsLineFromItsSide)
{
    EXPECT_EQ(spokenContent(Grey), "empty");
    EXPECT_EQ(spokenContent(Green), "green piece");
    EXPECT_EQ(spokenContent(Red), "red piece");
    EXPECT_EQ(spokenContent(0x00FF0000), "unknown colour");

    MemoryBoard board;
    EXPECT_EQ(spokenSquare(Square::Label14, Red), "Row 2, column 3, red piece");

    EXPECT_EQ(spokenLine(5, board), "Near slot empty, 4 green, far slot empty");
    applyMove(board, moveOfButton(1));
    EXPECT_EQ(spokenLine(12, board), "Near slot empty, empty, 3 green, far slot red");
    EXPECT_EQ(spokenLine(1, board), "Near slot red, 3 green, empty, far slot empty");
    applyMove(board, moveOfButton(8));
    EXPECT_EQ(spokenLine(8, board), "Near slot red, 2 green, 2 empty, far slot empty");
}

TEST(SpokenWords, TellWhatAClickChanged)
{
    MemoryBoard start;
    MemoryBoard pushed;
    applyMove(pushed, moveOfButton(1));
    MemoryBoard pulled = pushed;
    applyMove(pulled, moveOfButton(12));
    EXPECT_EQ(spokenChanges(start, pushed), "Slot above column 1: red piece. Row 4, column 1: empty.");
    EXPECT_EQ(spokenChanges(pushed, pulled),
              "Slot above column 1: empty. Row 1, column 1: red piece. Row 4, column 1: green piece.");
    EXPECT_EQ(spokenChanges(pulled, pulled), "Nothing moved.");
    EXPECT_EQ(spokenChanges(pulled, start), "Row 1, column 1: green piece. The board is at the start.");
    EXPECT_EQ(spokenChanges(start, start), "The board is at the start.");
}

} // namespace
} // namespace varnel
