// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "form1_window.h"

#include "ui/form1.h"
#include "ui/handlers.h"
#include "ui/spoken_words.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace varnel {

namespace {

// Qt scales logical pixels to the screen itself, so the layout is fixed at
// the standard density and stays crisp on dense screens.
QRect pixelsOf(TwipRect r)
{
    const PixelRect p = toPixels(r, standardDpi);
    return {p.left, p.top, p.width, p.height};
}

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The application title of every box the program shows.
const QString applicationTitle = QStringLiteral("varnel");

} // namespace

ColourValue QtSquares::colour(Square s) const { return widget(SquareAccess::Read, s)->colour(); }

void QtSquares::setColour(Square s, ColourValue c) { widget(SquareAccess::Write, s)->setColour(c); }

SquareWidget* QtSquares::widget(SquareAccess access, Square s) const
{
    SquareWidget* w = widgets_[indexOf(s)];
    if (!w)
        throw SquareAccessError(access, s, 0, "the square's widget no longer exists");
    return w;
}

Form1Window::Form1Window()
{
    setObjectName(qt(form1.name));
    setWindowTitle(qt(form1.caption));
    QIcon icon;
    icon.addFile(QStringLiteral(":/varnel/varnel-16.png"));
    icon.addFile(QStringLiteral(":/varnel/varnel-32.png"));
    setWindowIcon(icon);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window,
                        QColor(redOf(form1.background), greenOf(form1.background), blueOf(form1.background)));
    setPalette(background);
    resize(pixelsOf({0, 0, form1.clientWidth, form1.clientHeight}).size());

    // Each new child is stacked above the ones before it, as the table runs.
    std::array<QPushButton*, form1Controls.size()> byTabIndex{};
    for (const ControlSpec& c : form1Controls) {
        QWidget* control = nullptr;
        if (c.kind == ControlKind::ColouredSquare) {
            auto* square = new SquareWidget(startColour(*c.square), this);
            squares_.attach(*c.square, square);
            control = square;
        } else {
            auto* button = new QPushButton(qt(c.caption), this);
            button->setAutoDefault(false);
            button->installEventFilter(this);
            const ClickHandler handler = clickHandlerOf(c.name);
            connect(button, &QPushButton::clicked, this, [this, handler] {
                runClick(*this, handler);
                if (!ended_)
                    describeLines();
            });
            byTabIndex[static_cast<std::size_t>(c.tabIndex)] = button;
            if (c.tabIndex < 16) // Command1 to Command16 come first in the tab order
                moveButtons_[static_cast<std::size_t>(c.tabIndex)] = button;
            control = button;
        }
        control->setObjectName(qt(c.name));
        control->setAccessibleName(qt(spokenName(c)));
        control->setGeometry(pixelsOf(c.rect));
    }
    describeLines();

    QWidget* previous = nullptr;
    for (QPushButton* button : byTabIndex) {
        if (!button)
            continue;
        if (previous)
            setTabOrder(previous, button);
        else
            button->setFocus();
        previous = button;
    }
}

void Form1Window::describeLines()
{
    const auto told = spokenLines(squares_);
    for (std::size_t i = 0; i < moveButtons_.size(); ++i) {
        // Only a line that changed is announced again.
        const QString line = qt(told[i]);
        if (moveButtons_[i]->accessibleDescription() != line)
            moveButtons_[i]->setAccessibleDescription(line);
    }
}

// Return and Enter click the focused button, as Space does.
bool Form1Window::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && plain) {
            if (auto* button = qobject_cast<QPushButton*>(watched)) {
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// However the window closes, the program has ended.
void Form1Window::closeEvent(QCloseEvent* event)
{
    ended_ = true;
    QWidget::closeEvent(event);
}

void Form1Window::showMessage(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, qt(text), QMessageBox::Ok, this);
    box.setDefaultButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

void Form1Window::endProgram()
{
    ended_ = true;
    close();
    QCoreApplication::exit(0);
}

void Form1Window::reportFatalFailure(std::string_view report)
{
    ended_ = true;
    std::fprintf(stderr, "varnel: %.*s\n", static_cast<int>(report.size()), report.data());
    QMessageBox box(QMessageBox::Critical, applicationTitle, qt(report), QMessageBox::Ok, this);
    box.exec();
    // Hidden rather than closed: closing the last window would end the
    // program with a success status.
    hide();
    QCoreApplication::exit(1);
}

} // namespace varnel
