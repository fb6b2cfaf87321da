#include "gifwriter.h"

#include <QFile>

#include <gif_lib.h>

#include <memory>
#include <vector>

bool writeGif(const QImage &indexed, int transparentIndex, const QString &path, QString *error)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    int status = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &status);
    if (gif == nullptr) {
        *error = QString::fromUtf8(GifErrorString(status));
        return false;
    }
    EGifSetGifVersion(gif, true);

    // GIF palettes come in powers of two.
    const QList<QRgb> table = indexed.colorTable();
    int paletteSize = 2;
    while (paletteSize < table.size()) {
        paletteSize *= 2;
    }
    std::vector<GifColorType> colors(static_cast<std::size_t>(paletteSize), GifColorType{0, 0, 0});
    for (int i = 0; i < table.size(); ++i) {
        colors[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(table[i])),
                                               static_cast<GifByteType>(qGreen(table[i])),
                                               static_cast<GifByteType>(qBlue(table[i]))};
    }
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> map(
        GifMakeMapObject(paletteSize, colors.data()), GifFreeMapObject);

    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    gcb.TransparentColor = transparentIndex;
    GifByteType extension[4];
    const std::size_t extLength = EGifGCBToExtension(&gcb, extension);

    const int w = indexed.width();
    const int h = indexed.height();
    bool ok =
        EGifPutScreenDesc(gif, w, h, 8, transparentIndex, map.get()) == GIF_OK &&
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extLength), extension) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y) {
        std::vector<GifPixelType> row(indexed.constScanLine(y), indexed.constScanLine(y) + w);
        ok = EGifPutLine(gif, row.data(), w) == GIF_OK;
    }
    if (!ok) {
        *error = QString::fromUtf8(GifErrorString(gif->Error));
    }
    if (EGifCloseFile(gif, &status) != GIF_OK && ok) {
        *error = QString::fromUtf8(GifErrorString(status));
        ok = false;
    }
    return ok;
}

namespace {
void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &out, int v)
{
    put16(out, v & 0xFFFF);
    put16(out, (v >> 16) & 0xFFFF);
}

// A BITMAPINFOHEADER, a 256-entry palette, the colour rows and the 1-bit mask,
// both bottom-up with rows padded to four bytes.
QByteArray iconBitmap(const QImage &source)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    QImage indexed = argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int w = argb.width();
    const int h = argb.height();
    QByteArray out;
    put32(out, 40);
    put32(out, w);
    put32(out, h * 2);
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 256);
    put32(out, 0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : 0;
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    const int colorStride = (w + 3) / 4 * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colorStride, '\0');
        for (int x = 0; x < w; ++x) {
            row[x] = char(indexed.pixelIndex(x, y));
        }
        out.append(row);
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128) {
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}
} // namespace

bool writeIco(const QList<QImage> &images, const QString &path, QString *error)
{
    QByteArray header;
    put16(header, 0);
    put16(header, 1);
    put16(header, static_cast<int>(images.size()));
    QByteArray bodies;
    int offset = 6 + 16 * static_cast<int>(images.size());
    for (const QImage &image : images) {
        const QByteArray bitmap = iconBitmap(image);
        header.append(char(image.width() & 0xFF)).append(char(image.height() & 0xFF));
        header.append('\0').append('\0'); // 256 colours, reserved
        put16(header, 1);
        put16(header, 8);
        put32(header, static_cast<int>(bitmap.size()));
        put32(header, offset);
        offset += static_cast<int>(bitmap.size());
        bodies.append(bitmap);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header + bodies) != header.size() + bodies.size()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
