// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "spoken_words.h"

#include "rules/moves.h"

#include <iterator>

namespace varnel {

namespace {

std::string number(int n) { return std::to_string(n); }

std::string placeOf(Square s)
{
    const GridPos p = gridPosOf(s);
    if (p.row == 0)
        return "Slot above column " + number(p.column);
    if (p.row == 5)
        return "Slot below column " + number(p.column);
    if (p.column == 0)
        return "Slot left of row " + number(p.row);
    if (p.column == 5)
        return "Slot right of row " + number(p.row);
    return "Row " + number(p.row) + ", column " + number(p.column);
}

// Which way a move shifts its line, seen from the slot on its button's side.
std::string actionOf(const MoveSpec& move)
{
    const GridPos near = gridPosOf(move.nearSlot);
    if (near.row == 0)
        return "Shift column " + number(near.column) + " up";
    if (near.row == 5)
        return "Shift column " + number(near.column) + " down";
    if (near.column == 0)
        return "Shift row " + number(near.row) + " left";
    return "Shift row " + number(near.row) + " right";
}

// What a square holds, in a line's few words: "green" for "green piece".
std::string shortContent(ColourValue colour)
{
    std::string words = spokenContent(colour);
    if (const std::string piece = " piece"; words.ends_with(piece))
        words.resize(words.size() - piece.size());
    return words;
}

} // namespace

std::string spokenName(const ControlSpec& control)
{
    if (control.square)
        return placeOf(*control.square);
    if (control.name == "RESET")
        return "Reset the board";
    if (control.name == "END")
        return "End the game";
    for (const MoveSpec& move : moveTable)
        if (move.button == control.name)
            return actionOf(move);
    return std::string(control.caption);
}

std::string spokenContent(ColourValue colour)
{
    switch (colour) {
    case Grey:
        return "empty";
    case Green:
        return "green piece";
    case Red:
        return "red piece";
    default:
        return "unknown colour";
    }
}

std::string spokenSquare(Square s, ColourValue colour) { return placeOf(s) + ", " + spokenContent(colour); }

std::string spokenLine(int moveButton, const BoardState& board)
{
    const MoveSpec& move = moveOfButton(moveButton);
    std::string line = "Near slot " + shortContent(board.colour(move.nearSlot));
    const ColourValue cells[] = {board.colour(move.c1), board.colour(move.c2), board.colour(move.c3),
                                 board.colour(move.c4)};
    for (std::size_t i = 0; i < std::size(cells);) {
        std::size_t run = 1;
        while (i + run < std::size(cells) && cells[i + run] == cells[i])
            ++run;
        line += ", " + (run > 1 ? number(static_cast<int>(run)) + " " : "") + shortContent(cells[i]);
        i += run;
    }
    return line + ", far slot " + shortContent(board.colour(move.farSlot));
}

std::array<std::string, 16> spokenLines(const BoardState& board)
{
    std::array<std::string, 16> all;
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = spokenLine(static_cast<int>(i) + 1, board);
    return all;
}

std::string spokenChanges(const BoardState& before, const BoardState& after)
{
    std::string told;
    bool atStart = true;
    for (const Square s : allSquares) {
        const ColourValue now = after.colour(s);
        atStart = atStart && now == startColour(s);
        if (now != before.colour(s))
            told += placeOf(s) + ": " + spokenContent(now) + ". ";
    }
    if (atStart)
        told += "The board is at the start. ";
    return told.empty() ? "Nothing moved." : told.substr(0, told.size() - 1);
}

} // namespace varnel
