#include "preview/renderer.h"
#include "tests/qt/runs.h"
#include "tests/qt/windowfixture.h"
#include "window/facts.h"

#include <QButtonGroup>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleHints>

#include <gif_lib.h>

namespace hueprev::testing {
namespace {

TEST_F(WindowTest, CaptionAndFixedClientArea)
{
    EXPECT_EQ(window.windowTitle(), QString::fromLatin1(facts::kCaption));
    EXPECT_EQ(window.objectName(), QStringLiteral("frmMain"));
    // The form's client area exactly, at the bottom; above it only the menu bar.
    const auto *client = window.findChild<QWidget *>(QStringLiteral("clientArea"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(424, 142));
    const auto *bar = window.findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    // The bar on top, shown whole, the form right below it, and nothing else.
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_GE(bar->height(), bar->sizeHint().height());
    EXPECT_EQ(client->geometry().top(), bar->geometry().bottom() + 1);
    EXPECT_EQ(client->geometry().bottom() + 1, window.height());
    EXPECT_EQ(window.width(), 424);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
}

// Where the controls stand, in pixels at 96 dpi, and their fonts.
TEST_F(WindowTest, ControlsStandInTheirPlaces)
{
    struct Case
    {
        const char *name;
        QRect geometry;
        double points; // 0: the style's own
    };
    const Case cases[] = {
        {"txtIn", {16, 16, 393, 33}, 14.25},     {"txtOut", {16, 88, 393, 41}, 18.0},
        {"cmdAddColor_1", {16, 56, 33, 25}, 0},  {"cmdAddColor_9", {336, 56, 33, 25}, 0},
        {"cmdAddColor_0", {376, 56, 33, 25}, 0},
    };
    for (const Case &c : cases) {
        const auto *w = window.findChild<QWidget *>(QLatin1String(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        if (c.points > 0) {
            EXPECT_EQ(w->font().family(), QStringLiteral("Tahoma")) << c.name;
            EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.points) << c.name;
        }
    }
    EXPECT_EQ(colorButton(1)->accessibleName(), QStringLiteral("^1 red"));
    EXPECT_EQ(colorButton(1)->toolTip(), QStringLiteral("^1 red: insert this colour code"));
}

TEST_F(WindowTest, ButtonsFormAnArrayByIndex)
{
    auto *group = window.findChild<QButtonGroup *>(QStringLiteral("cmdAddColor"));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->buttons().size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(group->button(i), colorButton(i)) << i;
        EXPECT_TRUE(colorButton(i)->text().isEmpty()) << i;
        EXPECT_FALSE(colorButton(i)->icon().isNull()) << i;
    }
}

TEST_F(WindowTest, TabWalksTheControlsInTheirTabOrder)
{
    ASSERT_EQ(QApplication::focusWidget(), txtIn);
    QStringList order;
    for (std::size_t n = 0; n < facts::kControls.size(); ++n) {
        key(Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QStringList expected;
    for (std::size_t n = 1; n <= facts::kControls.size(); ++n) {
        expected << QString::fromStdString(facts::objectName(facts::kControls[n % facts::kControls.size()]));
    }
    EXPECT_EQ(order, expected);
    EXPECT_EQ(expected.mid(0, 3), (QStringList{"txtOut", "cmdAddColor_0", "cmdAddColor_1"}));
}

TEST_F(WindowTest, PreviewBackground)
{
    const QImage shot = txtOut->grab().toImage();
    const QColor expected(redOf(facts::kPreviewBackground), greenOf(facts::kPreviewBackground),
                          blueOf(facts::kPreviewBackground));
    EXPECT_EQ(expected, QColor(64, 64, 64));
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 10, shot.height() / 2)), expected);
}

TEST_F(WindowTest, BoxesAreDrawnInTahoma)
{
    if (!QFile::exists(QString::fromLatin1(HUEPREV_TAHOMA))) {
        GTEST_SKIP() << "no Tahoma at " << HUEPREV_TAHOMA << " (Debian's fonts-wine)";
    }
    // The font actually drawn with, not just the one asked for.
    for (const auto &[box, points] : {std::pair<QWidget *, qreal>{txtIn, 14.25}, {txtOut, 18.0}}) {
        const QFontInfo used(box->font());
        EXPECT_EQ(used.family(), QStringLiteral("Tahoma")) << box->objectName().toStdString();
        EXPECT_NEAR(used.pointSizeF(), points, 0.01) << box->objectName().toStdString();
    }
}

TEST_F(WindowTest, TextFitsItsBoxes)
{
    EXPECT_LE(txtIn->sizeHint().height(), txtIn->height());
    txtIn->setText(QStringLiteral("^1Jg|"));
    // One line of the preview font, with the document margin, fits inside the frame.
    const qreal line = txtOut->document()->documentLayout()->documentSize().height();
    EXPECT_LE(line, txtOut->viewport()->height());
}

TEST_F(WindowTest, StartsEmptyWithFocusInInput)
{
    EXPECT_EQ(QApplication::focusWidget(), txtIn);
    EXPECT_TRUE(txtIn->text().isEmpty());
    EXPECT_TRUE(txtOut->document()->isEmpty());
    EXPECT_TRUE(txtOut->isReadOnly());
}

TEST_F(WindowTest, TypingRebuildsThePreview)
{
    type(QStringLiteral("^1Red^2Green"));
    EXPECT_EQ(documentRuns(*txtOut->document()), expectedRuns(QStringLiteral("^1Red^2Green")));
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(documentRuns(*txtOut->document()), expectedRuns(QStringLiteral("^1Red^2Gre")));
}

TEST_F(WindowTest, ChangeByTheProgramRebuildsThePreview)
{
    txtIn->setText(QStringLiteral("ab^1x"));
    txtIn->setText(QStringLiteral("ab^1"));
    EXPECT_EQ(documentRuns(*txtOut->document()),
              (std::vector<ColorRun>{{QStringLiteral("ab"), qRgb(255, 255, 255)}}));
}

TEST_F(WindowTest, PreviewFollowsTheCaretThroughALongName)
{
    const QString wide = QStringLiteral("W").repeated(40);
    type(QStringLiteral("^1") + wide + QStringLiteral("^3MID") + wide + QStringLiteral("^2end"));
    QScrollBar *bar = txtOut->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const auto shows = [this](int inputPosition) {
        QTextCursor at(txtOut->document());
        at.setPosition(static_cast<int>(previewPosition(u16view(txtIn->text()), inputPosition)));
        return txtOut->viewport()->rect().contains(txtOut->cursorRect(at));
    };
    EXPECT_EQ(bar->value(), bar->maximum()) << "typing at the end shows the end";

    key(Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    for (int i = 0; i < 2 + 40 + 2 + 2; ++i) {
        key(Qt::Key_Right); // into "MID"
    }
    EXPECT_TRUE(shows(txtIn->cursorPosition()));
    EXPECT_GT(bar->value(), 0);
    EXPECT_LT(bar->value(), bar->maximum());

    click(4); // a code written there keeps that place in view
    EXPECT_EQ(txtIn->cursorPosition(), 48);
    EXPECT_TRUE(shows(48));
    EXPECT_LT(bar->value(), bar->maximum());

    key(Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    // Back to a short name, the view returns to the start.
    txtIn->setText(QStringLiteral("^3short"));
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(WindowTest, LongInputIsNotCut)
{
    const int blink = QGuiApplication::styleHints()->cursorFlashTime();
    const QString text = QStringLiteral("^1abcd").repeated(20'000) + QStringLiteral("^2end");
    txtIn->setText(text);
    EXPECT_EQ(txtIn->text().size(), text.size());
    // A long line's steady caret is the input's own, not every text field's.
    EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), blink);
    // The preview holds the shown characters around the caret, and follows it.
    EXPECT_TRUE(txtOut->toPlainText().endsWith(QStringLiteral("abcdend")));
    key(Qt::Key_Home);
    EXPECT_TRUE(txtOut->toPlainText().startsWith(QStringLiteral("abcdabcd")));
    EXPECT_FALSE(txtOut->toPlainText().contains(QStringLiteral("end")));
}

TEST(WindowIcon, HasSixteenAndThirtyTwoPixelImages)
{
    const QList<QSize> sizes = applicationIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));

    QFile ico(QStringLiteral(HUEPREV_SOURCE_DIR "/resources/icons/hueprev.ico"));
    ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
    const QByteArray data = ico.readAll();
    ASSERT_GE(data.size(), 6 + 2 * 16);
    EXPECT_EQ(data[2], 1); // icon type
    ASSERT_EQ(data[4], 2); // two images
    for (int i = 0; i < 2; ++i) {
        const char *entry = data.constData() + 6 + static_cast<qsizetype>(16 * i);
        EXPECT_EQ(int(uchar(entry[0])), i == 0 ? 16 : 32);
        EXPECT_EQ(int(uchar(entry[1])), i == 0 ? 16 : 32);
        EXPECT_EQ(int(uchar(entry[6])), 8); // bits per pixel: 256 colours
    }
}

// A GIF read with giflib: size, palette and transparent colour as stored.
struct Gif
{
    int width = 0, height = 0, colors = 0, transparent = -1;
    std::vector<QRgb> palette;
    std::vector<int> pixels;
    QRgb at(int x, int y) const { return palette[static_cast<std::size_t>(pixels[y * width + x])]; }
    bool clear(int x, int y) const { return pixels[y * width + x] == transparent; }
};

Gif readGif(const QString &path)
{
    Gif g;
    int error = 0;
    GifFileType *file = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
    if (file == nullptr || DGifSlurp(file) != GIF_OK || file->ImageCount < 1) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return g;
    }
    const SavedImage &image = file->SavedImages[0];
    const ColorMapObject *map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : file->SColorMap;
    GraphicsControlBlock gcb;
    if (DGifSavedExtensionToGCB(file, 0, &gcb) == GIF_OK) {
        g.transparent = gcb.TransparentColor;
    }
    g.width = image.ImageDesc.Width;
    g.height = image.ImageDesc.Height;
    g.colors = map->ColorCount;
    for (int i = 0; i < map->ColorCount; ++i) {
        g.palette.push_back(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
    }
    g.pixels.assign(image.RasterBits, image.RasterBits + static_cast<std::ptrdiff_t>(g.width) * g.height);
    DGifCloseFile(file, &error);
    return g;
}

class ButtonPicture : public ::testing::TestWithParam<int>
{
};

TEST_P(ButtonPicture, CaretAndDigitInTheCodesColourOnTransparentSilver)
{
    const int index = GetParam();
    for (const int scale : {1, 2}) {
        const QString name = scale == 1 ? QStringLiteral("code%1.gif") : QStringLiteral("code%1@2x.gif");
        const Gif gif = readGif(QStringLiteral(HUEPREV_SOURCE_DIR "/resources/buttons/") + name.arg(index));
        ASSERT_EQ(gif.width, 24 * scale);
        ASSERT_EQ(gif.height, 24 * scale);
        EXPECT_LE(gif.colors, 16);
        ASSERT_GE(gif.transparent, 0);
        EXPECT_EQ(gif.palette[static_cast<std::size_t>(gif.transparent)], qRgb(192, 192, 192));
        const int last = gif.width - 1;
        EXPECT_TRUE(gif.clear(0, 0) && gif.clear(last, 0) && gif.clear(0, last) && gif.clear(last, last));

        // Pure code colour in both halves: the caret on the left, the digit on the right.
        const ColorValue c = colorOf(index);
        const QRgb code = qRgb(redOf(c), greenOf(c), blueOf(c));
        int left = 0;
        int right = 0;
        for (int y = 0; y < gif.height; ++y) {
            for (int x = 0; x < gif.width; ++x) {
                if (!gif.clear(x, y) && gif.at(x, y) == code) {
                    (x < gif.width / 2 ? left : right)++;
                }
            }
        }
        EXPECT_GE(left, 4 * scale * scale) << name.arg(index).toStdString();
        EXPECT_GE(right, 12 * scale * scale) << name.arg(index).toStdString();
        EXPECT_GT(right, left) << "the digit is larger than the caret";
    }
}

INSTANTIATE_TEST_SUITE_P(AllTen, ButtonPicture, ::testing::Range(0, 10));

} // namespace
} // namespace hueprev::testing
