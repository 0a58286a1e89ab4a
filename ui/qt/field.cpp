// ntc-beta: a single-line entry field that takes texts of any length.
#include "ui/qt/field.h"

#include "ui/contrast.h"
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

ui::Bgr toBgr(const QColor& colour) { return ui::bgr(colour.red(), colour.green(), colour.blue()); }
} // namespace

Field::Field(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { setHint(QString()); });
}

void Field::setHint(const QString& hint)
{
    if (hint == hint_) return;
    hint_ = hint;
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
    // Red that stands out from the field's ground in light and dark schemes
    // alike (a mark is no text: 3:1 is enough, 4.5:1 does no harm).
    const QPalette& colours = palette();
    const ui::Bgr red = ui::readableColour(ui::kHintMarkColour, toBgr(colours.color(QPalette::Base)), toBgr(colours.color(QPalette::Text)));
    const QPointF corner(width() - 1, 1);
    const QPointF triangle[] = {corner, corner - QPointF(ui::kHintMarkSize, 0), corner + QPointF(0, ui::kHintMarkSize)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(ui::redOf(red), ui::greenOf(red), ui::blueOf(red)));
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

    // The selection, where it overlaps what is shown: highlighted ground and
    // the highlighted text colour, as QLineEdit draws it.
    if (hasSelectedText()) {
        const qsizetype first = std::clamp<qsizetype>(selectionStart() - from, 0, shown.size());
        const qsizetype last = std::clamp<qsizetype>(selectionEnd() - from, 0, shown.size());
        if (last > first) {
            const qreal x1 = left + metrics.horizontalAdvance(shown.left(first));
            const qreal x2 = left + metrics.horizontalAdvance(shown.left(last));
            const QRectF band(x1, area.top(), x2 - x1, area.height());
            painter.fillRect(band, palette().color(QPalette::Highlight));
            painter.save();
            painter.setClipRect(band.intersected(QRectF(area)));
            painter.setPen(palette().color(QPalette::HighlightedText));
            painter.drawText(QPointF(left, baseline), shown);
            painter.restore();
        }
    }
    if (hasFocus()) painter.fillRect(QRectF(caretX, area.top() + 2, 1, area.height() - 4), palette().color(QPalette::Text));
}

} // namespace ui
