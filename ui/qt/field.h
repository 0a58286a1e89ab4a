// ntc-beta: a single-line entry field that takes texts of any length.
#pragma once

#include <QLineEdit>

namespace ui {

// A QLineEdit without a length limit. Qt lays out and draws the whole line on
// every paint, which for a pasted text of megabytes takes seconds each time
// the caret blinks; beyond kLongText units this field draws only the part
// around the caret itself, so the window stays responsive. Editing, the
// clipboard and the text itself behave as in any QLineEdit.
class Field : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kLongText = 4096;

    explicit Field(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLongText();
};

} // namespace ui
