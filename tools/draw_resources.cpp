// ntc-beta: draws the window icon and the formula picture into resources/.
//
//   draw_resources OUTPUT_DIR     writes OUTPUT_DIR/ntc-beta.ico (the Windows
//                                 programs' icon, tools/icon_file.h), formula.jpg,
//                                 formula@2x.jpg (for 150–200 % scaling), the
//                                 same two as formula.png and formula@2x.png
//                                 (for the Qt window), and
//                                 icons/ntc-beta-{16,32,48,64,128,256}.png (for
//                                 the desktop menu, docks and app grids) and
//                                 icons/ntc-beta-{192,512}.png (for the browser
//                                 page installed as an app)
//
// Run it with QT_QPA_PLATFORM=offscreen where there is no display
// (`make resources` does). The fonts it typesets with are Debian's
// fonts-urw-base35 ("Nimbus Roman"), falling back to DejaVu Serif.
#include "tools/icon_file.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// The icon: a blue desk calculating machine with a keypad and a paper roll,
// drawn on a 48-unit canvas and scaled to each size.

// `classic` draws in flat colours of the 16-colour palette, without
// antialiasing, for the 4-bit images.
QImage drawIcon(int size, bool classic)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, !classic);
    p.scale(size / 48.0, size / 48.0);
    const QColor ink = classic ? QColor(0, 0, 128) : QColor(13, 32, 70);
    const qreal outline = size <= 16 ? 2.0 : 1.2;

    // Paper coming out of the machine, with a few printed lines.
    p.setPen(QPen(classic ? QColor(128, 128, 128) : QColor(90, 90, 90), outline));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(15, 1.5, 18, 17));
    p.setPen(QPen(classic ? QColor(128, 128, 128) : QColor(120, 120, 120), size <= 16 ? 2.0 : 1.5));
    for (qreal y : {6.0, 10.0, 14.0}) p.drawLine(QPointF(19, y), QPointF(y == 10.0 ? 25 : 29, y));

    // The paper roll across the top of the machine.
    p.setPen(QPen(ink, outline));
    p.setBrush(classic ? QColor(192, 192, 192) : QColor(236, 228, 200));
    p.drawRoundedRect(QRectF(9, 15, 30, 8), 4, 4);
    p.setBrush(classic ? QColor(128, 128, 128) : QColor(160, 150, 120));
    p.drawEllipse(QRectF(9, 15, 6, 8));

    // The body, sloping like a desk machine.
    QPainterPath body;
    body.moveTo(9, 22);
    body.lineTo(39, 22);
    body.lineTo(44, 44);
    body.lineTo(4, 44);
    body.closeSubpath();
    QLinearGradient blue(0, 22, 0, 44);
    blue.setColorAt(0, QColor(70, 140, 235));
    blue.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(ink, outline));
    p.setBrush(classic ? QBrush(QColor(0, 0, 255)) : QBrush(blue));
    p.drawPath(body);
    p.fillRect(QRectF(4, 44, 40, 2.5), ink);

    // The display slot and the keypad: four columns of keys, "=" in orange.
    p.setPen(Qt::NoPen);
    p.setBrush(classic ? QColor(0, 0, 0) : QColor(20, 40, 60));
    p.drawRect(QRectF(13, 25, 22, 4.5));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool equals = row == 2 && col == 3;
            if (classic) p.setBrush(equals ? QColor(255, 255, 0) : QColor(255, 255, 255));
            else p.setBrush(equals ? QColor(245, 140, 30) : QColor(232, 238, 248));
            const qreal inset = row * 1.6;
            const qreal width = (30 + 2 * inset) / 4;
            p.drawRoundedRect(QRectF(9 - inset + col * width + 0.8, 31.5 + row * 4.2, width - 1.6, 3.2), 0.8, 0.8);
        }
    }
    return image;
}

// The window's and the programs' icon: the 16 and 256 colour images at 16,
// 32 and 48 px (the first six, read by every Windows), then 32-bit images
// with alpha at the sizes Windows draws at 100 to 400 % (title bars, the
// taskbar, Explorer's views), the largest PNG-compressed.
QByteArray windowsIcon()
{
    std::vector<tools::IconImage> images;
    for (const tools::IconDepth depth : {tools::IconDepth::palette8, tools::IconDepth::classic4})
        for (int size : {16, 32, 48})
            images.push_back({drawIcon(size, depth == tools::IconDepth::classic4), depth});
    for (int size : {16, 20, 24, 32, 40, 48, 64}) images.push_back({drawIcon(size, false), tools::IconDepth::alpha32});
    images.push_back({drawIcon(256, false), tools::IconDepth::png});
    return tools::iconFile(images);
}

// ---------------------------------------------------------------------------
// The formula picture, 201 × 84, black on white:
//   β(T1/T2) = ln( R_T1 / R_T2 ) / ( 1/T1 − 1/T2 )
// with every fraction stacked, as a printed formula sets it.

class Typesetter {
public:
    explicit Typesetter(QPainter& painter) : p_(painter) {}

    QFont font(qreal pixels, bool italic) const
    {
        QFont f(QStringLiteral("Nimbus Roman"));
        f.setFamilies({QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
        f.setPixelSize(int(pixels));
        f.setItalic(italic);
        return f;
    }
    qreal width(const QString& text, qreal pixels, bool italic) const
    {
        return QFontMetricsF(font(pixels, italic)).horizontalAdvance(text);
    }
    // Draws text with its baseline at y; returns the x after it.
    qreal text(qreal x, qreal y, const QString& s, qreal pixels, bool italic)
    {
        p_.setFont(font(pixels, italic));
        p_.drawText(QPointF(x, y), s);
        return x + width(s, pixels, italic);
    }
    // A symbol with a subscript, e.g. T₁; returns the x after it.
    qreal subscripted(qreal x, qreal y, const QString& base, const QString& sub, qreal pixels, bool draw = true)
    {
        const qreal subPixels = pixels * 0.68;
        const qreal xSub = x + width(base, pixels, true) - (base == u"T" ? 1.0 : 0.0);
        if (!draw) return xSub + width(sub, subPixels, false);
        text(x, y, base, pixels, true);
        return text(xSub, y + pixels * 0.22, sub, subPixels, false);
    }
    // A one-pixel rule on the pixel row y, so it stays crisp and black.
    void bar(qreal x1, qreal x2, qreal y)
    {
        p_.fillRect(QRectF(x1, std::floor(y), x2 - x1, 1), Qt::black);
    }
    // A tall parenthesis spanning top..bottom, opening to the right when left.
    void paren(qreal x, qreal top, qreal bottom, bool left)
    {
        QPainterPath path;
        const qreal w = 4.0;
        const qreal mid = (top + bottom) / 2;
        const qreal outer = left ? x : x + w;
        const qreal inner = left ? x + w : x;
        path.moveTo(inner, top);
        path.quadTo(outer - (left ? 1.5 : -1.5), mid, inner, bottom);
        p_.strokePath(path, QPen(Qt::black, 1.2));
    }

private:
    QPainter& p_;
};

// The picture at 201 × 84 pixels times `scale`, drawn anew at each scale
// rather than enlarged, so its strokes stay sharp on scaled desktops.
QImage drawFormula(int scale)
{
    QImage image(201 * scale, 84 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    Typesetter t(p);

    const qreal big = 17;   // left-hand side
    const qreal mid = 15;   // symbols inside the fraction
    const qreal axis = 42;  // the main fraction bar
    const qreal lhsBase = axis + 5;

    // β(T1/T2) =
    qreal x = 3;
    x = t.text(x, lhsBase, QStringLiteral("β"), big, true) + 0.5;
    x = t.text(x, lhsBase, QStringLiteral("("), big, false);
    x = t.subscripted(x, lhsBase, QStringLiteral("T"), QStringLiteral("1"), big);
    x = t.text(x, lhsBase, QStringLiteral("/"), big, false);
    x = t.subscripted(x, lhsBase, QStringLiteral("T"), QStringLiteral("2"), big);
    x = t.text(x, lhsBase, QStringLiteral(")"), big, false) + 4;
    x = t.text(x, lhsBase, QStringLiteral("="), big, false) + 4;
    const qreal fracLeft = x;
    const qreal fracRight = 198;
    const qreal fracMid = (fracLeft + fracRight) / 2;

    // Numerator: ln( R_T1 / R_T2 ), its own bar at y 21.
    const qreal innerAxis = 21;
    const qreal rWidth = std::max(t.subscripted(0, 0, QStringLiteral("R"), QStringLiteral("T1"), mid, false),
                                  t.subscripted(0, 0, QStringLiteral("R"), QStringLiteral("T2"), mid, false));
    const qreal lnWidth = t.width(QStringLiteral("ln"), mid, false);
    const qreal numWidth = lnWidth + 2 + 6 + rWidth + 6;
    qreal nx = fracMid - numWidth / 2;
    nx = t.text(nx, innerAxis + 5, QStringLiteral("ln"), mid, false) + 2;
    t.paren(nx, 3, 39, true);
    nx += 6;
    t.subscripted(nx, innerAxis - 5, QStringLiteral("R"), QStringLiteral("T1"), mid);
    t.bar(nx - 1, nx + rWidth + 1, innerAxis);
    t.subscripted(nx, innerAxis + 14, QStringLiteral("R"), QStringLiteral("T2"), mid);
    t.paren(nx + rWidth + 2, 3, 39, false);

    t.bar(fracLeft, fracRight, axis);

    // Denominator: 1/T1 − 1/T2, each reciprocal stacked, bars at y 62.
    const qreal lowAxis = 62;
    const qreal tWidth = t.subscripted(0, 0, QStringLiteral("T"), QStringLiteral("1"), mid, false);
    const qreal minusWidth = t.width(QStringLiteral("−"), mid, false) + 8;
    qreal dx = fracMid - (2 * tWidth + minusWidth) / 2;
    for (const char* index : {"1", "2"}) {
        const qreal oneWidth = t.width(QStringLiteral("1"), mid, false);
        t.text(dx + (tWidth - oneWidth) / 2, lowAxis - 4, QStringLiteral("1"), mid, false);
        t.bar(dx - 1, dx + tWidth + 1, lowAxis);
        t.subscripted(dx, lowAxis + 14, QStringLiteral("T"), QString::fromLatin1(index), mid);
        dx += tWidth;
        if (index[0] == '1') {
            t.text(dx + 4, lowAxis + 5, QStringLiteral("−"), mid, false);
            dx += minusWidth;
        }
    }
    return image;
}

// The formula as JPEG (the Windows window and the browser page) and as PNG
// (the Qt window, whose toolkit reads PNG without an image plug-in). The
// drawing is black on white, so the PNG keeps one grey channel.
bool writeFormula(const QDir& out, const QString& name, int scale)
{
    const QImage image = drawFormula(scale);
    const QImage grey = image.allGray() ? image.convertToFormat(QImage::Format_Grayscale8) : image;
    return image.save(out.filePath(name + QStringLiteral(".jpg")), "JPEG", 92) &&
           grey.save(out.filePath(name + QStringLiteral(".png")), "PNG");
}

bool write(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_resources OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool iconWritten = write(out.filePath(QStringLiteral("ntc-beta.ico")), windowsIcon());
    const bool formulaWritten = writeFormula(out, QStringLiteral("formula"), 1) &&
                                writeFormula(out, QStringLiteral("formula@2x"), 2);
    bool pngsWritten = out.mkpath(QStringLiteral("icons"));
    for (int size : {16, 32, 48, 64, 128, 192, 256, 512})
        pngsWritten &= drawIcon(size, false).save(out.filePath(QStringLiteral("icons/ntc-beta-%1.png").arg(size)), "PNG");
    if (!iconWritten || !formulaWritten || !pngsWritten) {
        std::fprintf(stderr, "draw_resources: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
