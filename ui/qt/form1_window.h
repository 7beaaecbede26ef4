// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "rules/board_state.h"
#include "ui/front_end.h"
#include "ui/mid_end.h"
#include "ui/qt/notice_widget.h"
#include "ui/qt/square_widget.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <string_view>

class QPushButton;

namespace varnel {

// The squares' colours, read from and written to the square widgets.
class QtSquares final : public BoardState {
public:
    void attach(Square s, SquareWidget* widget) { widgets_[indexOf(s)] = widget; }

private:
    std::optional<ToolkitError> read(Square s, ColourValue& c) const override;
    std::optional<ToolkitError> write(Square s, ColourValue c) override;

    // Guarded: a square whose widget has gone fails to be read or set.
    std::array<QPointer<SquareWidget>, squareCount> widgets_;
};

// The window Form1 with its 50 controls, as a Qt Widgets front end.
class Form1Window final : public QWidget, public FrontEnd {
    Q_OBJECT

public:
    Form1Window();

    BoardState& board() override { return squares_; }
    void endProgram() override;
    void endAfterFailure() override;
    bool hasEnded() const override { return ended_; }
    void announce(std::string_view words) override;
    void describeLine(int moveButton, std::string_view words) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void clickControl(std::string_view name);
    void showMessage(const Box& box);

    QtSquares squares_;
    NoticeWidget* notice_;                       // above the controls, which it leaves alone
    std::array<QPushButton*, 16> moveButtons_{}; // Command1 to Command16
    bool ended_ = false;
    MidEnd core_{*this};
};

} // namespace varnel
