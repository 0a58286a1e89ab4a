// ntc-beta: a one-pixel straight line drawn among the window's controls.
#pragma once

#include <QPoint>
#include <QWidget>

namespace ui {

// A widget covering the line from `from` to `to` (pixels in the parent,
// end point excluded) that paints it one pixel wide in the palette's
// window-text colour. Clicks pass through to whatever lies beneath.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
};

} // namespace ui
