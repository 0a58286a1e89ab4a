// ntc-beta: the program's one window, which draws the B-value formula with
// the four input fields standing where its symbols stand.
#pragma once

#include "ui/actions.h"

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class Field;
class PictureLabel;

// Fixed layout, 408 × 213 pixels: nothing moves when the window is resized.
// Clicking "计算" evaluates the fields into the result label; clicking the
// formula picture shows a thanks message there instead. Every control is a
// child named as in the layout: Text1…Text4, Check1, Command1, Image1,
// Label1, Label2(0)…Label2(4), Line1…Line5. The result can be selected with
// the mouse and copied from its context menu; its colours stay readable on
// dark schemes; a field whose number was read only in part is marked after a
// calculation.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // Shows the window centred on the screen it opens on.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadImages();
    void calculateClicked();
    void pictureClicked();
    void showResultMenu(const QPoint& at);
    void markPartlyReadFields();
    void applyResultColour();
    void applyFonts();
    qreal deviceDotsPerInch() const;

    // 0 clear, 1 ticked, 2 greyed: the value the evaluation expects.
    std::int16_t checkValue() const;
    void showResult(const ResultState& state);

    Field* Text1;
    Field* Text2;
    Field* Text3;
    Field* Text4;
    QCheckBox* Check1;
    QPushButton* Command1;
    PictureLabel* Image1;
    QLabel* Result; // Label2(3)
    ResultState shown;
    bool imagesRequested = false;
};

} // namespace ui
