// ntc-beta: a one-pixel straight line drawn among the window's controls.
#include "ui/qt/line.h"

#include <QPainter>
#include <QRect>

#include <algorithm>

namespace ui {

Line::Line(QPoint from, QPoint to, QWidget* parent)
    : QWidget(parent)
    , from_(from)
    , to_(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
    const int width = std::max(1, std::abs(to.x() - from.x()));
    const int height = std::max(1, std::abs(to.y() - from.y()));
    setGeometry(QRect(topLeft, QSize(width, height)));
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().windowText().color(), 0));
    const QPoint origin = geometry().topLeft();
    const QPoint from = from_ - origin;
    QPoint to = to_ - origin;
    // The end point is not part of the line: stop one pixel short of it.
    to -= QPoint((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    painter.drawLine(from, to);
}

} // namespace ui
