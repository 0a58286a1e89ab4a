// ntc-beta: draws the window icon and the formula picture into resources/.
//
//   draw_resources OUTPUT_DIR     writes OUTPUT_DIR/ntc-beta.ico, formula.jpg,
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
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
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

// The 16 colours of the classic palette, for the 4-bit images.
std::vector<QRgb> classicPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// Up to 256 colours, the most frequent of the image at 5 bits a channel.
std::vector<QRgb> popularPalette(const QImage& image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128) ++counts[image.pixel(x, y) & 0xF8F8F8];
    std::vector<std::pair<int, QRgb>> ranked;
    for (const auto& [colour, count] : counts) ranked.emplace_back(count, colour);
    std::sort(ranked.rbegin(), ranked.rend());
    std::vector<QRgb> palette{qRgb(0, 0, 0)};
    for (const auto& entry : ranked) {
        if (palette.size() == 256) break;
        const QRgb c = entry.second;
        palette.push_back(qRgb(qRed(c) | qRed(c) >> 5, qGreen(c) | qGreen(c) >> 5, qBlue(c) | qBlue(c) >> 5));
    }
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < int(palette.size()); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void put16(QByteArray& out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void put32(QByteArray& out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// One icon image as the .ico format stores it: a bitmap header of double
// height, the palette, the colour pixels and the transparency mask, rows
// bottom-up and padded to four bytes.
QByteArray iconImage(const QImage& image, int bitsPerPixel)
{
    const int size = image.width();
    const std::vector<QRgb> palette = bitsPerPixel == 4 ? classicPalette() : popularPalette(image);
    const int colours = 1 << bitsPerPixel;
    const int colourStride = ((size * bitsPerPixel + 31) / 32) * 4;
    const int maskStride = ((size + 31) / 32) * 4;

    QByteArray out;
    put32(out, 40);
    put32(out, quint32(size));
    put32(out, quint32(size * 2));
    put16(out, 1);
    put16(out, quint16(bitsPerPixel));
    put32(out, 0);
    put32(out, quint32((colourStride + maskStride) * size));
    put32(out, 0);
    put32(out, 0);
    put32(out, quint32(colours));
    put32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[std::size_t(i)] : qRgb(0, 0, 0);
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    QByteArray mask;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourStride, 0);
        QByteArray maskRow(maskStride, 0);
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool opaque = qAlpha(pixel) >= 128;
            const int index = opaque ? nearest(palette, pixel) : 0;
            if (!opaque) maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
            if (bitsPerPixel == 8) row[x] = char(index);
            else row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
        mask.append(maskRow);
    }
    return out.append(mask);
}

QByteArray iconFile()
{
    struct Entry {
        int size;
        int bits;
        QByteArray data;
    };
    std::vector<Entry> entries;
    for (int bits : {8, 4})
        for (int size : {16, 32, 48}) entries.push_back({size, bits, iconImage(drawIcon(size, bits == 4), bits)});

    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(entries.size()));
    quint32 offset = quint32(6 + 16 * entries.size());
    for (const Entry& e : entries) {
        out.append(char(e.size)).append(char(e.size)).append(char(e.bits == 4 ? 16 : 0)).append(char(0));
        put16(out, 1);
        put16(out, quint16(e.bits));
        put32(out, quint32(e.data.size()));
        put32(out, offset);
        offset += quint32(e.data.size());
    }
    for (const Entry& e : entries) out.append(e.data);
    return out;
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
    const bool iconWritten = write(out.filePath(QStringLiteral("ntc-beta.ico")), iconFile());
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
