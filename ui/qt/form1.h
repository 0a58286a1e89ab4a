// ntc-beta: the program's one window, which draws the B-value formula with
// the four input fields standing where its symbols stand.
#pragma once

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class PictureLabel;
struct ResultState;

// Fixed layout, 408 × 213 pixels: nothing moves when the window is resized.
// Clicking "计算" evaluates the fields into the result label; clicking the
// formula picture shows a thanks message there instead. Every control is a
// child named as in the layout: Text1…Text4, Check1, Command1, Image1,
// Label1, Label2(0)…Label2(4), Line1…Line5.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // Shows the window centred on the screen it opens on.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadImages();
    void calculateClicked();
    void pictureClicked();

    // 0 clear, 1 ticked, 2 greyed: the value the evaluation expects.
    std::int16_t checkValue() const;
    void showResult(const ResultState& state);

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QCheckBox* Check1;
    QPushButton* Command1;
    PictureLabel* Image1;
    QLabel* Result; // Label2(3)
    bool imagesRequested = false;
};

} // namespace ui
