// ntc-beta: a picture that reports clicks.
#pragma once

#include <QLabel>

namespace ui {

// Shows a pixmap; emits clicked() when the left button is pressed and
// released over it, as a button would.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace ui
