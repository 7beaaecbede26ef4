// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "form1_window.h"

#include "ui/form1.h"
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

// Qt has no error code of its own for a widget that has gone.
constexpr char widgetGone[] = "the square's widget no longer exists";

} // namespace

std::optional<ToolkitError> QtSquares::read(Square s, ColourValue& c) const
{
    const SquareWidget* w = widgets_[indexOf(s)];
    if (!w)
        return ToolkitError{0, widgetGone};
    c = w->colour();
    return std::nullopt;
}

std::optional<ToolkitError> QtSquares::write(Square s, ColourValue c)
{
    SquareWidget* w = widgets_[indexOf(s)];
    if (!w)
        return ToolkitError{0, widgetGone};
    w->setColour(c);
    return std::nullopt;
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
    std::array<QWidget*, form1Controls.size()> controls{};
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
            connect(button, &QPushButton::clicked, this, [this, name = c.name] { clickControl(name); });
            control = button;
        }
        control->setObjectName(qt(c.name));
        control->setAccessibleName(qt(spokenName(c)));
        control->setGeometry(pixelsOf(c.rect));
        controls[static_cast<std::size_t>(&c - form1Controls.data())] = control;
    }
    notice_ = new NoticeWidget(this);

    QWidget* previous = nullptr;
    for (const std::size_t i : buttonsInTabOrder) {
        if (previous)
            setTabOrder(previous, controls[i]);
        else
            controls[i]->setFocus();
        previous = controls[i];
    }
    for (std::size_t n = 0; n < moveButtons_.size(); ++n)
        moveButtons_[n] = static_cast<QPushButton*>(controls[moveButtonIndex(static_cast<int>(n) + 1)]);
    core_.opened();
}

void Form1Window::clickControl(std::string_view name)
{
    for (auto box = core_.click(name); box; box = core_.dismissed())
        showMessage(*box);
}

void Form1Window::describeLine(int moveButton, std::string_view words)
{
    moveButtons_.at(static_cast<std::size_t>(moveButton - 1))->setAccessibleDescription(qt(words));
}

void Form1Window::announce(std::string_view words)
{
    // Orca speaks a notification at the player's punctuation level, which
    // voices a colon ("Row 4, column 1 colon empty"); a comma pauses alike
    // and is not voiced.
    notice_->say(qt(words).replace(QStringLiteral(": "), QStringLiteral(", ")));
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

void Form1Window::showMessage(const Box& box)
{
    if (box.reportsFailure)
        std::fprintf(stderr, "varnel: %.*s\n", static_cast<int>(box.text.size()), box.text.data());
    QMessageBox message(box.reportsFailure ? QMessageBox::Critical : QMessageBox::NoIcon, qt(applicationTitle),
                        qt(box.text), QMessageBox::Ok, this);
    message.setDefaultButton(QMessageBox::Ok);
    message.button(QMessageBox::Ok)->setIcon(QIcon());
    message.exec();
}

void Form1Window::endProgram()
{
    ended_ = true;
    close();
    QCoreApplication::exit(0);
}

void Form1Window::endAfterFailure()
{
    ended_ = true;
    // Hidden rather than closed: closing the last window would end the
    // program with a success status.
    hide();
    QCoreApplication::exit(1);
}

} // namespace varnel
