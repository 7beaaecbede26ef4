// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/colour.h"

#include <QWidget>

namespace varnel {

// One square of the board: an opaque rectangle in exactly its stored colour,
// with a thin border inside its own area. Takes neither focus nor input.
// Assistive technology sees a label named for its place, whose description
// says what it holds and changes with it.
class SquareWidget final : public QWidget {
    Q_OBJECT

public:
    SquareWidget(ColourValue colour, QWidget* parent);

    ColourValue colour() const { return colour_; }
    // Repaints only when the colour really changes.
    void setColour(ColourValue colour);

    // How often the square has painted itself.
    int paintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourValue colour_;
    int paintCount_ = 0;
};

} // namespace varnel
