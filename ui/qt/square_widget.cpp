#include "square_widget.h"

#include <QPainter>

namespace varnel {

SquareWidget::SquareWidget(ColourValue colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SquareWidget::setColour(ColourValue colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
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
