#include "tests/qt/runs.h"
#include "tests/qt/windowfixture.h"
#include "window/language.h"
#include "window/qt/inputbox.h"
#include "window/qt/language.h"

#include <QClipboard>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

namespace hueprev::testing {
namespace {

class Commands : public WindowTest
{
protected:
    // Types "abcd" and selects "bc" with Shift and the arrow keys.
    void typeAndSelectMiddle() const
    {
        type(QStringLiteral("abcd"));
        key(Qt::Key_Left);
        key(Qt::Key_Left, Qt::ShiftModifier);
        key(Qt::Key_Left, Qt::ShiftModifier);
        ASSERT_EQ(txtIn->selectedText(), QStringLiteral("bc"));
    }
    std::vector<ColorRun> preview() const { return documentRuns(*txtOut->document()); }
};

TEST_F(Commands, EachButtonWritesItsOwnCode)
{
    // Left to right as they stand on screen: 1 .. 9, then 0 at the right end.
    QList<QAbstractButton *> row;
    for (int i = 0; i < 10; ++i) {
        row << colorButton(i);
    }
    std::sort(row.begin(), row.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    for (QAbstractButton *button : row) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(txtIn->text(), QStringLiteral("^1^2^3^4^5^6^7^8^9^0"));
}

TEST_F(Commands, FocusReturnsAndTypingGoesOnAfterTheCode)
{
    type(QStringLiteral("ab"));
    key(Qt::Key_Home);
    click(3);
    EXPECT_EQ(QApplication::focusWidget(), txtIn);
    type(QStringLiteral("z"));
    EXPECT_EQ(txtIn->text(), QStringLiteral("^3zab"));
    EXPECT_EQ(preview(), expectedRuns(QStringLiteral("^3zab")));
}

TEST_F(Commands, KeyboardReachedButtonReplacesTheSelectionToo)
{
    typeAndSelectMiddle();
    key(Qt::Key_Tab); // preview
    key(Qt::Key_Tab); // button 0
    key(Qt::Key_Tab); // button 1
    ASSERT_EQ(QApplication::focusWidget(), colorButton(1));
    key(Qt::Key_Space);
    EXPECT_EQ(txtIn->text(), QStringLiteral("a^1d"));
    EXPECT_EQ(QApplication::focusWidget(), txtIn);
    type(QStringLiteral("y"));
    EXPECT_EQ(txtIn->text(), QStringLiteral("a^1yd"));
}

TEST_F(Commands, UndoTakesOutTheCode)
{
    type(QStringLiteral("ab"));
    click(1);
    ASSERT_EQ(txtIn->text(), QStringLiteral("ab^1"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("ab"));
    EXPECT_EQ(preview(), expectedRuns(QStringLiteral("ab")));
}

TEST_F(Commands, UndoRestoresTheReplacedSelection)
{
    typeAndSelectMiddle();
    click(5);
    ASSERT_EQ(txtIn->text(), QStringLiteral("a^5d"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("abcd"));
}

TEST_F(Commands, UndoHistoryIsBoundedYetTheLastPasteStillUndoes)
{
    // Paste-and-clear cycles whose records together pass the budget.
    constexpr qsizetype size = InputBox::kUndoBudget / 4;
    const auto paste = [this](char fill) {
        QGuiApplication::clipboard()->setText(QString(size, QLatin1Char(fill)));
        key(Qt::Key_V, Qt::ControlModifier);
    };
    for (const char fill : {'F', 'b', 'c'}) {
        paste(fill);
        key(Qt::Key_Return);
        key(Qt::Key_Backspace);
    }
    paste('L');
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QString());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(txtIn->text(), QString(size, QLatin1Char('L')));

    for (int i = 0; i < 8; ++i) {
        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(txtIn->text().startsWith(QLatin1Char('F')))
            << "the oldest paste is still kept, undo " << i;
    }
}

TEST_F(Commands, ContextMenuPasteJoinsLinesAndUndoes)
{
    type(QStringLiteral("ab"));
    QGuiApplication::clipboard()->setText(QStringLiteral("^1one\ntwo"));
    // The menu runs its own loop; pick Paste from it once it is up.
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QStringLiteral("&Paste"))) {
                action->trigger();
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), txtIn->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(txtIn, &event);
    EXPECT_EQ(txtIn->text(), QStringLiteral("ab^1one two"));
    QTest::keyClick(txtIn, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("ab"));
}

TEST_F(Commands, ContextMenuSpeaksThePlayersLanguageAndEachAccessKeyRunsItsItem)
{
    // Without Qt's own translations: the edit items are hueprev's words too.
    chooseLanguage({"de-DE"});
    type(QStringLiteral("^1ab"));
    QGuiApplication::clipboard()->clear();
    QString first;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        first = menu->actions().constFirst()->text();
        // "&Namen kopieren": its key alone runs it, shared with no edit item.
        QTest::keyClick(menu, Qt::Key_N);
        if (menu->isVisible()) {
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), txtIn->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(txtIn, &event);
    chooseLanguage({});
    EXPECT_EQ(first, QStringLiteral("&R\u00fcckg\u00e4ngig\tStrg+Z"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("^1ab"));
}

TEST_F(Commands, AnyColoursThroughItsDialogAndQtsOwnColourDialog)
{
    type(QStringLiteral("Tarnvale"));
    key(Qt::Key_Return);
    // The dialog's fields by their rows, as Tab reaches them.
    const auto fields = [](QWidget *dialog) {
        QList<QLineEdit *> shown;
        for (QLineEdit *field : dialog->findChildren<QLineEdit *>()) {
            if (field->isVisible()) {
                shown << field;
            }
        }
        return shown;
    };
    QString first;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        // The dialog, once it is up: the first colour typed, the second taken from Qt's own dialog.
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            const QList<QLineEdit *> rows = fields(dialog);
            ASSERT_GE(rows.size(), 3) << "two colours and the limit";
            first = rows[0]->text();
            rows[0]->selectAll();
            QTest::keyClicks(rows[0], QStringLiteral("#ff8800"));
            QTimer::singleShot(0, [] {
                auto *chooser = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
                ASSERT_NE(chooser, nullptr);
                chooser->setCurrentColor(QColor(0x88, 0x00, 0xff));
                chooser->accept();
            });
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                if (button->accessibleName() == QStringLiteral("Choose colour 2")) {
                    button->click();
                }
            }
            EXPECT_EQ(rows[1]->text(), QStringLiteral("#8800ff"));
            QTest::keyClick(rows[0], Qt::Key_Return);
        });
        // As a click does: the menu goes, then its item is carried out.
        QAction *anyColours = nullptr;
        for (QAction *action : menu->actions()) {
            if (QMenu *colours = action->menu()) {
                anyColours = colours->actions().constLast();
            }
        }
        ASSERT_NE(anyColours, nullptr);
        menu->close();
        anyColours->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), txtIn->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(txtIn, &event);
    EXPECT_EQ(first, QStringLiteral("#ff0000")) << "it first opens with red and blue";
    EXPECT_EQ(txtIn->text(), QStringLiteral("^1Tarn^6val^4e"));
    EXPECT_EQ(txtIn->selectedText(), txtIn->text());
    // Back in the input once the window is active again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == txtIn; }));
    QTest::keyClick(txtIn, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("Tarnvale"));
}

TEST_F(Commands, PasteWithNoTextOnTheClipboardChangesNothing)
{
    type(QStringLiteral("^1Name"));
    key(Qt::Key_Return);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    ASSERT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("^1Name"));
    EXPECT_EQ(txtIn->selectedText(), QStringLiteral("^1Name"));
}

struct EnterCase
{
    const char *name;
    QString text;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
};

inline void PrintTo(const EnterCase &c, std::ostream *os)
{
    *os << c.name;
}

class EnterKey : public Commands, public ::testing::WithParamInterface<EnterCase>
{
};

TEST_P(EnterKey, SelectsEverythingAndChangesNothing)
{
    const EnterCase &c = GetParam();
    type(c.text);
    key(Qt::Key_Home);
    int changes = 0;
    QObject::connect(txtOut->document(), &QTextDocument::contentsChanged, [&] { ++changes; });
    int edits = 0;
    QObject::connect(txtIn, &QLineEdit::textChanged, [&] { ++edits; });

    key(c.key, c.mods);
    EXPECT_EQ(txtIn->text(), c.text);
    EXPECT_EQ(txtIn->selectedText(), c.text);
    EXPECT_EQ(txtIn->hasSelectedText(), !c.text.isEmpty());
    if (!c.text.isEmpty()) {
        EXPECT_EQ(txtIn->selectionStart(), 0);
    }
    EXPECT_EQ(edits, 0);
    EXPECT_EQ(changes, 0) << "the preview must not be rebuilt";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EnterKey,
    ::testing::Values(EnterCase{"return", QStringLiteral("^1Name"), Qt::Key_Return, Qt::NoModifier},
                      EnterCase{"keypad", QStringLiteral("^2Name"), Qt::Key_Enter, Qt::KeypadModifier},
                      EnterCase{"empty", QString(), Qt::Key_Return, Qt::NoModifier},
                      EnterCase{"empty_keypad", QString(), Qt::Key_Enter, Qt::KeypadModifier}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Commands, OtherKeysStillType)
{
    type(QStringLiteral("abc"));
    key(Qt::Key_Return);
    type(QStringLiteral("x")); // replaces the selection, as typing over a selection does
    EXPECT_EQ(txtIn->text(), QStringLiteral("x"));
    key(Qt::Key_Space);
    key(Qt::Key_Backspace);
    key(Qt::Key_AsciiCircum);
    key(Qt::Key_4);
    EXPECT_EQ(txtIn->text(), QStringLiteral("x^4"));
}

} // namespace
} // namespace hueprev::testing
