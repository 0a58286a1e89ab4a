// ntc-beta: the program's one window, which draws the B-value formula with
// the four input fields standing where its symbols stand.
#pragma once

#include "ui/form_controller.h"
#include "ui/form_view.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {

class Field;
class PictureLabel;

// Fixed layout, 408 × 213 pixels: nothing moves when the window is resized.
// Clicking "计算" evaluates the fields into the result label; clicking the
// formula picture shows a thanks message there instead. Every control is a
// child named as in the layout: Text1…Text4, Check1, Command1, Image1,
// Label1, Label2(0)…Label2(4), Line1…Line5; the window is never made smaller
// than that. The result can be selected with the mouse and copied from its
// context menu or with Ctrl+C, and the keyboard's menu key opens that menu
// outside the fields; its colours stay readable on dark schemes; a field
// whose number was read only in part is marked after a calculation. What happens on each event is the controller's decision
// (form_controller.h); the window shows it in Qt's widgets.
class Form1 : public QWidget, private FormView {
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
    void createControls();
    void setUpResult();
    void chainTabOrder();
    void connectEvents();
    void loadImages();
    void showResultMenu(const QPoint& at);
    void applyResultColour();
    void applyFonts();
    qreal deviceDotsPerInch() const;

    // FormView, in Qt's widgets.
    std::u16string fieldText(FieldId field) const override;
    std::int16_t checkValue() const override;
    void showResult(const ResultState& state) override;
    void setFieldHint(FieldId field, std::u16string_view hint) override;
    void copyToClipboard(std::u16string_view text) override;

    FormController controller_{*this};
    std::array<Field*, std::size(kFields)> fields_{}; // Text1…Text4, by FieldId
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    PictureLabel* Image1 = nullptr;
    QLabel* Result = nullptr; // kResultLabel
    bool imagesRequested = false;
};

} // namespace ui
