// ntc-beta: a picture that reports clicks.
#include "ui/qt/picture_label.h"

#include <QMouseEvent>

namespace ui {

PictureLabel::PictureLabel(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

} // namespace ui
