// What a screen reader hears, read back through Qt's accessibility interface.
#include "preview/colorcodes.h"
#include "tests/qt/windowfixture.h"

#include <QAccessible>
#include <QAccessibleTextInterface>

namespace hueprev::testing {
namespace {

QString spoken(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(what) : QString();
}

TEST_F(WindowTest, BoxesHaveNamesAndDescriptions)
{
    EXPECT_EQ(spoken(txtIn, QAccessible::Name), QStringLiteral("Nickname"));
    EXPECT_TRUE(spoken(txtIn, QAccessible::Description).contains(QStringLiteral("Enter")));
    EXPECT_EQ(spoken(txtOut, QAccessible::Name), QStringLiteral("Preview"));
    EXPECT_FALSE(spoken(txtOut, QAccessible::Description).isEmpty());
}

TEST_F(WindowTest, PreviewTextIsReadable)
{
    type(QStringLiteral("^1Red^2Green"));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(txtOut);
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface *text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("RedGreen"));
}

class ButtonSpeech : public WindowTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(ButtonSpeech, NamesCodeColourAndAction)
{
    const int index = GetParam();
    QAbstractButton *button = colorButton(index);
    const QString code = QStringLiteral("^%1").arg(index);
    const QString colour = QString::fromLatin1(colorName(index));
    EXPECT_EQ(spoken(button, QAccessible::Name), code + QLatin1Char(' ') + colour);
    const QString description = spoken(button, QAccessible::Description);
    EXPECT_TRUE(description.contains(code) && description.contains(colour) && description.contains("Insert"))
        << description.toStdString();
    EXPECT_TRUE(button->toolTip().contains(code) && button->toolTip().contains(colour));
    // A button is pressed from the keyboard through its accessible action too.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(txtIn->text(), code);
}

INSTANTIATE_TEST_SUITE_P(AllTen, ButtonSpeech, ::testing::Range(0, 10));

} // namespace
} // namespace hueprev::testing
