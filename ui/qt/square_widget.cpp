// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "square_widget.h"

#include "ui/spoken_words.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace varnel {

namespace {

QString spokenContentOf(ColourValue colour) { return QString::fromStdString(spokenContent(colour)); }

QAccessibleInterface* accessibleSquare(const QString&, QObject* object)
{
    if (auto* square = qobject_cast<SquareWidget*>(object))
        return new QAccessibleWidget(square, QAccessible::StaticText);
    return nullptr;
}

} // namespace

SquareWidget::SquareWidget(ColourValue colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    // Assistive technology sees squares as labels rather than as empty panes,
    // once the first square has told it how.
    static const bool exposed = (QAccessible::installFactory(accessibleSquare), true);
    (void)exposed;
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleDescription(spokenContentOf(colour));
}

void SquareWidget::setColour(ColourValue colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    setAccessibleDescription(spokenContentOf(colour)); // which tells assistive technology of the change
    update();
}

void SquareWidget::paintEvent(QPaintEvent*)
{
    ++paintCount_;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(redOf(colour_), greenOf(colour_), blueOf(colour_)));
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace varnel
