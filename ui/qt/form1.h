// ntc-beta: the program's one window, which draws the B-value formula with
// the four input fields standing where its symbols stand.
#pragma once

#include "ui/form_controller.h"
#include "ui/form_view.h"

#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;

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
// whose number was read only in part is marked after a calculation. Each of
// Qt's events goes to the controller (form_controller.h) as (control,
// event); the window shows what it decides in Qt's widgets.
class Form1 : public QWidget, private FormView {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // Shows the window centred on the screen it opens on.
    void showCentred();

    // The control of the layout a child widget is; nullopt for a line.
    std::optional<ControlId> idOf(const QObject* child) const;

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
    void applyFonts();
    qreal deviceDotsPerInch() const;
    bool send(ControlId control, const Event& event) { return controller_.handle(control, event); }

    // FormView, in Qt's widgets.
    FormInputs inputs() const override;
    std::u16string selectedText(ControlId control) const override;
    Scheme scheme() const override;
    void showResult(const ShownResult& result) override;
    void showFieldHint(FieldId field, const ShownHint& hint) override;
    void openResultMenu(const ResultMenu& menu, std::optional<ViewPoint> at) override;
    void copyToClipboard(std::u16string_view text) override;

    FormController controller_{*this};
    std::array<QWidget*, kControlCount> widgets_{}; // by ControlId
    std::array<Field*, std::size(kFields)> fields_{}; // by FieldId
    QCheckBox* Check1 = nullptr;
    PictureLabel* Image1 = nullptr;
    QLabel* Result = nullptr; // kResultLabel
    double resultPointSize_;  // the size the result's state asks for
    bool imagesRequested = false;
};

} // namespace ui
