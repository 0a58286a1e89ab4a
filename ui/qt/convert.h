// ntc-beta: the core's texts and colours as Qt's types.
#pragma once

#include "ui/colour.h"

#include <QColor>
#include <QString>

#include <string_view>

namespace ui {

inline QString qs(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A layout name ("Text1", "Label2(3)"), which is ASCII.
inline QString qs(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

inline QColor fromBgr(Bgr colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

inline Bgr toBgr(const QColor& colour) { return bgr(colour.red(), colour.green(), colour.blue()); }

} // namespace ui
