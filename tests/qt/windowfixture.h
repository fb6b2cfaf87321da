#pragma once

#include "window/qt/mainwindow.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace hueprev::testing {

// A shown, active main window, its controls found by name as a user's tools would.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        txtIn = window.findChild<QLineEdit *>(QStringLiteral("txtIn"));
        txtOut = window.findChild<QTextEdit *>(QStringLiteral("txtOut"));
        ASSERT_NE(txtIn, nullptr);
        ASSERT_NE(txtOut, nullptr);
    }

    QAbstractButton *colorButton(int index) const
    {
        return window.findChild<QAbstractButton *>(QStringLiteral("cmdAddColor_%1").arg(index));
    }

    void click(int index) const { QTest::mouseClick(colorButton(index), Qt::LeftButton); }
    void type(const QString &text) const { QTest::keyClicks(txtIn, text); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    }

    MainWindow window;
    QLineEdit *txtIn = nullptr;
    QTextEdit *txtOut = nullptr;
};

} // namespace hueprev::testing
