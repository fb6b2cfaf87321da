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
