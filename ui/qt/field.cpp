// ntc-beta: a single-line entry field that takes texts of any length.
#include "ui/qt/field.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <limits>

namespace ui {

namespace {
// Far more characters than the field can show on either side of the caret.
constexpr qsizetype kShownAround = 200;
} // namespace

Field::Field(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

void Field::paintEvent(QPaintEvent* event)
{
    if (text().size() <= kLongText) {
        QLineEdit::paintEvent(event);
        return;
    }
    paintLongText();
}

void Field::paintLongText()
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).adjusted(2, 1, -2, -1);
    const QString all = text();
    const qsizetype caret = cursorPosition();
    const qsizetype from = std::max<qsizetype>(0, caret - kShownAround);
    const QString before = all.mid(from, caret - from);
    const QString after = all.mid(caret, kShownAround);

    // Keep the caret inside the field: text before it is right-aligned
    // against the caret when it would not fit.
    const QFontMetricsF metrics(font());
    const qreal beforeWidth = metrics.horizontalAdvance(before);
    const qreal caretX = std::min<qreal>(area.left() + beforeWidth, area.right() - 1);
    const qreal baseline = area.top() + (area.height() + metrics.ascent() - metrics.descent()) / 2;

    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QPointF(caretX - beforeWidth, baseline), before);
    painter.drawText(QPointF(caretX, baseline), after);
    if (hasFocus()) painter.fillRect(QRectF(caretX, area.top() + 2, 1, area.height() - 4), palette().color(QPalette::Text));
}

} // namespace ui
