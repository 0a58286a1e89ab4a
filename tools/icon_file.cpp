// ntc-beta: a Windows icon file (.ico) from drawn images, for draw_resources.
#include "tools/icon_file.h"

#include <QBuffer>
#include <QColor>
#include <QtEndian>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace tools {

namespace {

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

// A pixel the mask keeps: at least half opaque.
bool opaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

// The bitmap header of an icon image: double height (colour, then mask).
QByteArray bitmapHeader(int size, int bitsPerPixel, int imageBytes, int colours)
{
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(size));
    put32(out, quint32(size * 2));
    put16(out, 1);
    put16(out, quint16(bitsPerPixel));
    put32(out, 0);
    put32(out, quint32(imageBytes));
    put32(out, 0);
    put32(out, 0);
    put32(out, quint32(colours));
    put32(out, 0);
    return out;
}

// The transparency mask: one bit a pixel, set where the pixel is clear.
QByteArray mask(const QImage& image)
{
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray out;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, 0);
        for (int x = 0; x < size; ++x)
            if (!opaque(image.pixel(x, y))) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

// One palette image as the .ico format stores it: a bitmap header of
// double height, the palette, the colour pixels and the transparency mask.
QByteArray paletteImage(const QImage& image, int bitsPerPixel)
{
    const int size = image.width();
    const std::vector<QRgb> palette = bitsPerPixel == 4 ? classicPalette() : popularPalette(image);
    const int colours = 1 << bitsPerPixel;
    const int colourStride = ((size * bitsPerPixel + 31) / 32) * 4;
    const int maskStride = ((size + 31) / 32) * 4;

    QByteArray out = bitmapHeader(size, bitsPerPixel, (colourStride + maskStride) * size, colours);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[std::size_t(i)] : qRgb(0, 0, 0);
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourStride, 0);
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int index = opaque(pixel) ? nearest(palette, pixel) : 0;
            if (bitsPerPixel == 8) row[x] = char(index);
            else row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    return out.append(mask(image));
}

// A 32-bit image: blue, green, red and alpha (not premultiplied) for each
// pixel, then the mask that Windows before XP draws with.
QByteArray alphaImage(const QImage& image)
{
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray out = bitmapHeader(size, 32, (size * 4 + maskStride) * size, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = image.pixel(x, y);
            out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(qAlpha(c)));
        }
    }
    return out.append(mask(image));
}

QByteArray pngImage(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return out;
}

QByteArray imageData(const IconImage& entry)
{
    switch (entry.depth) {
    case IconDepth::classic4: return paletteImage(entry.image, 4);
    case IconDepth::palette8: return paletteImage(entry.image, 8);
    case IconDepth::alpha32: return alphaImage(entry.image);
    case IconDepth::png: return pngImage(entry.image);
    }
    return {};
}

int bitsOf(IconDepth depth)
{
    return depth == IconDepth::classic4 ? 4 : depth == IconDepth::palette8 ? 8 : 32;
}

} // namespace

QByteArray iconFile(const std::vector<IconImage>& images)
{
    std::vector<QByteArray> data;
    for (const IconImage& entry : images) data.push_back(imageData(entry));

    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].image.width();
        const char side = char(size == 256 ? 0 : size); // 0 stands for 256
        out.append(side).append(side).append(char(images[i].depth == IconDepth::classic4 ? 16 : 0)).append(char(0));
        put16(out, 1);
        put16(out, quint16(bitsOf(images[i].depth)));
        put32(out, quint32(data[i].size()));
        put32(out, offset);
        offset += quint32(data[i].size());
    }
    for (const QByteArray& bytes : data) out.append(bytes);
    return out;
}

} // namespace tools
