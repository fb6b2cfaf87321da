// Draws the colour-button pictures and the window icon into a folder, and the
// 256-colour pictures that icotool packs into the .ico into another:
//   hueprev_artwork <resources-dir> <ico-pictures-dir>
#include "gifwriter.h"
#include "preview/colorcodes.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

const QColor kSilver(192, 192, 192); // transparent in the GIFs
const QColor kOutline(48, 48, 48);   // keeps white and yellow legible on a light button face

QColor toQColor(hueprev::ColorValue c)
{
    return {hueprev::redOf(c), hueprev::greenOf(c), hueprev::blueOf(c)};
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Silver first (the transparent entry), then blends between silver, the code's
// colour and the outline: 15 entries, so the GIF stays within 16 colours.
QList<QRgb> codePalette(const QColor &fill)
{
    QList<QRgb> palette{kSilver.rgb()};
    for (int k = 1; k <= 7; ++k) {
        palette.append(mix(kSilver, fill, k / 7.0).rgb());
    }
    for (int k = 1; k <= 4; ++k) {
        palette.append(mix(kSilver, kOutline, k / 4.0).rgb());
    }
    for (int k = 1; k <= 3; ++k) {
        palette.append(mix(fill, kOutline, k / 4.0).rgb());
    }
    return palette;
}

QImage quantize(const QImage &rgb, const QList<QRgb> &palette)
{
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            int best = 0;
            int bestDistance = INT_MAX;
            for (int i = 0; i < palette.size(); ++i) {
                const int dr = qRed(p) - qRed(palette[i]);
                const int dg = qGreen(p) - qGreen(palette[i]);
                const int db = qBlue(p) - qBlue(palette[i]);
                const int d = dr * dr + dg * dg + db * db;
                if (d < bestDistance) {
                    best = i;
                    bestDistance = d;
                }
            }
            out.setPixel(x, y, static_cast<uint>(best));
        }
    }
    return out;
}

QPainterPath glyph(QChar c, const QFont &font, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font, QString(c));
    const QRectF r = path.boundingRect();
    path.translate(box.center() - r.center());
    return path;
}

// "^" on the left and the digit on the right, in the code's colour.
QImage codePicture(int index, int scale)
{
    const int size = 24 * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kSilver);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22 * scale);
    const double half = size / 2.0;
    QPainterPath path = glyph(QLatin1Char('^'), font, QRectF(0, 0, half, size * 0.62));
    path.addPath(glyph(QChar(u'0' + index), font, QRectF(half - scale, 0, half, size)));
    // The outline is stroked first and the fill laid over it, so only its
    // outer half shows and the strokes keep their full width in colour.
    p.strokePath(path, QPen(kOutline, 2.0 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, toQColor(hueprev::colorOf(index)));
    p.end();
    return quantize(image, codePalette(toQColor(hueprev::colorOf(index))));
}

// A dark tile, like the preview box, with a red caret over a strip of colours.
QImage iconPicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 64, 64));
    p.drawRoundedRect(QRectF(0.5 * s, 0.5 * s, 31 * s, 31 * s), 6 * s, 6 * s);
    p.setPen(QPen(QColor(255, 0, 0), 4.5 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(7 * s, 17 * s), QPointF(16 * s, 7 * s), QPointF(25 * s, 17 * s)}));
    const int stripe[] = {2, 3, 5, 6};
    for (int i = 0; i < 4; ++i) {
        p.fillRect(QRectF((5 + 5.5 * i) * s, 22 * s, 5.5 * s, 5 * s), toQColor(hueprev::colorOf(stripe[i])));
    }
    p.end();
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <resources-dir> <ico-pictures-dir>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir ico(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.filePath(QStringLiteral("buttons"))) ||
        !QDir().mkpath(out.filePath(QStringLiteral("icons"))) || !QDir().mkpath(ico.path())) {
        std::fprintf(stderr, "cannot create folders in %s\n", argv[1]);
        return 1;
    }
    QString error;
    for (int index = 0; index < hueprev::kColorCount; ++index) {
        for (const int scale : {1, 2}) {
            const QString name = scale == 1 ? QStringLiteral("buttons/code%1.gif").arg(index)
                                            : QStringLiteral("buttons/code%1@2x.gif").arg(index);
            if (!writeGif(codePicture(index, scale), 0, out.filePath(name), &error)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(error));
                return 1;
            }
        }
    }
    // 192 and 512 are the sizes a web app installed to a phone asks for.
    for (const int size : {16, 32, 48, 64, 128, 192, 256, 512}) {
        const QImage icon = iconPicture(size);
        if (!save(icon, out.filePath(QStringLiteral("icons/hueprev-%1.png").arg(size)))) {
            return 1;
        }
        // The .ico holds 256-colour images, whose transparency is all or nothing.
        if (size <= 32 &&
            !save(icon.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither),
                  ico.filePath(QStringLiteral("hueprev-%1.png").arg(size)))) {
            return 1;
        }
    }
    return 0;
}
