// ntc-beta: a single-line entry field that takes texts of any length.
#include "ui/qt/field.h"

#include "ui/field_hint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
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

void Field::setHint(const QString& hint, const QColor& mark)
{
    if (hint == hint_ && mark == mark_) return;
    hint_ = hint;
    mark_ = mark;
    setToolTip(hint);
    setAccessibleDescription(hint);
    update();
}

void Field::paintEvent(QPaintEvent* event)
{
    if (text().size() <= kLongText)
        QLineEdit::paintEvent(event);
    else
        paintLongText();
    if (!hint_.isEmpty()) paintHintMark();
}

void Field::paintHintMark()
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF corner(width() - 1, 1);
    const QPointF triangle[] = {corner, corner - QPointF(kHintMarkSize, 0), corner + QPointF(0, kHintMarkSize)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark_);
    painter.drawPolygon(triangle, 3);
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
    const QString shown = before + after;
    const qreal left = caretX - beforeWidth;
    painter.drawText(QPointF(left, baseline), shown);

    if (hasSelectedText()) paintSelection(painter, area, QPointF(left, baseline), shown, from);
    if (hasFocus()) painter.fillRect(QRectF(caretX, area.top() + 2, 1, area.height() - 4), palette().color(QPalette::Text));
}

// The selection, where it overlaps what is shown (`shown` starts at the
// text's unit `from` and is drawn at `origin`): highlighted ground and the
// highlighted text colour, as QLineEdit draws it.
void Field::paintSelection(QPainter& painter, const QRect& area, QPointF origin, const QString& shown, qsizetype from)
{
    const qsizetype first = std::clamp<qsizetype>(selectionStart() - from, 0, shown.size());
    const qsizetype last = std::clamp<qsizetype>(selectionEnd() - from, 0, shown.size());
    if (last <= first) return;
    const QFontMetricsF metrics(font());
    const qreal x1 = origin.x() + metrics.horizontalAdvance(shown.left(first));
    const qreal x2 = origin.x() + metrics.horizontalAdvance(shown.left(last));
    const QRectF band(x1, area.top(), x2 - x1, area.height());
    painter.fillRect(band, palette().color(QPalette::Highlight));
    painter.save();
    painter.setClipRect(band.intersected(QRectF(area)));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(origin, shown);
    painter.restore();
}

} // namespace ui
