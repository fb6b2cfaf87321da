#include "window/qt/qtclipboard.h"

#include "window/facts.h"
#include "window/qt/utf16.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace hueprev {

void QtClipboard::setText(std::u16string_view text)
{
    QGuiApplication::clipboard()->setText(toQString(text));
}

void QtClipboard::setHtml(std::u16string_view text, std::u16string_view html)
{
    auto *data = new QMimeData; // the clipboard's once set
    data->setText(toQString(text));
    data->setHtml(toQString(html));
    QGuiApplication::clipboard()->setMimeData(data);
}

PictureDone QtClipboard::setPicture(const Picture &picture)
{
    const facts::Control &box = facts::controlOf(facts::Kind::PreviewBox);
    QFont font{QString::fromLatin1(facts::kFontFace)};
    font.setPointSizeF(box.points);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal scale = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    const QFontMetricsF metrics(font);
    // The preview's margins and height; each letter as wide as the font makes it.
    constexpr qreal kMargin = 4;
    const auto height = static_cast<qreal>(facts::pixels(box.height));
    qreal width = 2 * kMargin;
    std::size_t drawn = 0;
    for (const Picture::Letter &letter : picture.letters) {
        const qreal wider = width + metrics.horizontalAdvance(toQString(letter.text));
        if (std::ceil(wider * scale) > Picture::kWidest) {
            break;
        }
        width = wider;
        ++drawn;
    }
    QImage image(
        QSize(static_cast<int>(std::ceil(width * scale)), static_cast<int>(std::ceil(height * scale))),
        QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    const ColorValue background = facts::kPreviewBackground;
    image.fill(QColor(redOf(background), greenOf(background), blueOf(background)));
    QPainter painter(&image);
    painter.setFont(font);
    qreal x = kMargin;
    const qreal baseline = (height + metrics.ascent() - metrics.descent()) / 2;
    for (std::size_t at = 0; at < drawn; ++at) {
        const Picture::Letter &letter = picture.letters[at];
        painter.setPen(QColor(redOf(letter.color), greenOf(letter.color), blueOf(letter.color)));
        const QString text = toQString(letter.text);
        painter.drawText(QPointF(x, baseline), text);
        x += metrics.horizontalAdvance(text);
    }
    painter.end();
    QGuiApplication::clipboard()->setImage(image);
    return {false, drawn < picture.letters.size()};
}

} // namespace hueprev
