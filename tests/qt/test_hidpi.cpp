// The window at a 200% scale factor: twice the device pixels, pictures drawn
// for that scale rather than blown up.
#include "window/qt/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

TEST(HighDpi, WindowIsTwiceAsLargeInDevicePixels)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_DOUBLE_EQ(window.devicePixelRatio(), 2.0);
    auto *client = window.findChild<QWidget *>(QStringLiteral("clientArea"));
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(424, 142));
    const QPixmap shot = client->grab();
    EXPECT_EQ(shot.deviceIndependentSize().toSize(), QSize(424, 142));
    EXPECT_EQ(shot.size(), QSize(848, 284));
}

TEST(HighDpi, WindowIconHasDrawingsForTwiceTheSize)
{
    const QIcon icon = applicationIcon();
    for (const int size : {16, 32}) {
        const QPixmap shown = icon.pixmap(QSize(size, size), 2.0);
        EXPECT_EQ(shown.size(), QSize(2 * size, 2 * size));
        const QImage drawn(QStringLiteral(":/icons/hueprev-%1.png").arg(2 * size));
        EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32),
                  drawn.convertToFormat(QImage::Format_ARGB32))
            << size;
    }
}

class HighDpiPicture : public ::testing::TestWithParam<int>
{
};

TEST_P(HighDpiPicture, ButtonUsesTheDoubleSizeDrawing)
{
    MainWindow window;
    auto *button = window.findChild<QAbstractButton *>(QStringLiteral("cmdAddColor_%1").arg(GetParam()));
    ASSERT_NE(button, nullptr);
    const QPixmap shown = button->icon().pixmap(QSize(24, 24), 2.0);
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 2.0);
    ASSERT_EQ(shown.size(), QSize(48, 48));

    // Pixel for pixel the @2x drawing, not the 24 x 24 one scaled up.
    const QImage drawn = QImage(QStringLiteral(":/buttons/code%1@2x.gif").arg(GetParam()))
                             .convertToFormat(QImage::Format_ARGB32);
    const QImage got = shown.toImage().convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const QRgb a = got.pixel(x, y);
            const QRgb b = drawn.pixel(x, y);
            const bool bothClear = qAlpha(a) == 0 && qAlpha(b) == 0;
            differing += a != b && !bothClear ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(AllTen, HighDpiPicture, ::testing::Range(0, 10));

} // namespace
} // namespace hueprev::testing

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
