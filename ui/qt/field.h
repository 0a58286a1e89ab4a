// ntc-beta: a single-line entry field that takes texts of any length.
#pragma once

#include <QColor>
#include <QLineEdit>

class QPainter;

namespace ui {

// A QLineEdit without a length limit. Qt lays out and draws the whole line on
// every paint, which for a pasted text of megabytes takes seconds each time
// the caret blinks; beyond kLongText units this field draws only the part
// around the caret itself, so the window stays responsive. Editing, the
// clipboard, the selection and the text itself behave as in any QLineEdit.
//
// A field can carry a hint (see field_hint.h): while it does, a corner mark
// in the colour it is given shows in the field and the hint is its tooltip
// and accessible description. When it comes and goes, and in what colour, is
// the window controller's decision.
class Field : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kLongText = 4096;

    explicit Field(QWidget* parent = nullptr);

    // An empty hint removes it.
    void setHint(const QString& hint, const QColor& mark);
    QString hint() const { return hint_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLongText();
    void paintSelection(QPainter& painter, const QRect& area, QPointF origin, const QString& shown, qsizetype from);
    void paintHintMark();

    QString hint_;
    QColor mark_;
};

} // namespace ui
