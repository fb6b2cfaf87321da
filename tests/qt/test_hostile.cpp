// Whatever a player pastes is kept whole in the input and shown literally,
// on one line, in the colours the rule gives.
#include "preview/slice.h"
#include "tests/qt/runs.h"
#include "tests/qt/windowfixture.h"
#include "window/qt/richtextpreview.h"

#include <QClipboard>
#include <QMimeData>

#include <cstdlib>
#include <tuple>

namespace hueprev::testing {
namespace {

struct HostileCase
{
    const char *name;
    QString pasted;
    QString kept;    // what the input holds afterwards
    QString shown{}; // what the preview shows, when it is not what the input holds
};

void PrintTo(const HostileCase &c, std::ostream *os)
{
    *os << c.name;
}

class HostilePaste : public WindowTest, public ::testing::WithParamInterface<HostileCase>
{
protected:
    void paste(const QString &text) const
    {
        QGuiApplication::clipboard()->setText(text);
        key(Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_P(HostilePaste, KeptWholeAndShownLiterally)
{
    const HostileCase &c = GetParam();
    type(QStringLiteral("^2"));
    paste(c.pasted);
    EXPECT_EQ(txtIn->text(), QStringLiteral("^2") + c.kept);
    const QString shown = QStringLiteral("^2") + (c.shown.isEmpty() ? c.kept : c.shown);
    EXPECT_EQ(documentRuns(*txtOut->document()), expectedRuns(shown));
    EXPECT_EQ(txtOut->document()->blockCount(), 1);
    EXPECT_EQ(txtOut->toPlainText().size(),
              static_cast<qsizetype>(referencePreview(u16view(txtIn->text())).size()));

    // Undo takes out the paste and nothing else, whatever it held; redo puts it back.
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("^2"));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(txtIn->text(), QStringLiteral("^2") + c.kept);
}

QString chars(std::initializer_list<char16_t> units)
{
    QString s;
    for (const char16_t u : units) {
        s.append(QChar(u));
    }
    return s;
}

const QString kImg = QStringLiteral("<img src=x onerror=alert(1)>");
const QString kEntities = QStringLiteral("&lt;&amp;&#65;&nbsp;");
const QString kBold = QStringLiteral("<b>bold</b>^1<i>red</i>");
const QString kControls = chars({u'a', 0x01, 0x07, 0x1B, u'[', u'3', u'1', u'm', u'\t', 0x7F, u'z'});
const QString kLoneHigh = chars({u'x', 0xD800, u'^', u'3', u'y'});
const QString kLoneLow = chars({0xDC00, u'^', u'4', u'y'});
const QString kReversed = chars({0xDE00, 0xD83D, u'^', u'5'});
const QString kOverride = QStringLiteral("\u202Eevil^1\u202Dx\u2066^6iso\u2069");
const QString kZeroWidth = QStringLiteral("^\u200B1a\u200Db\uFEFF^7c");
const QString kFrames = chars({u'a', 0xFDD0, u'b', 0xFDD1, 0xFFFC, 0xFFFF});

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, HostilePaste, ::testing::Values(
    HostileCase{"markup_image", kImg, kImg},
    HostileCase{"entities", kEntities, kEntities},
    HostileCase{"bold_tags", kBold, kBold},
    HostileCase{"control_characters", kControls, kControls},
    HostileCase{"lone_high_surrogate", kLoneHigh, kLoneHigh},
    HostileCase{"lone_low_surrogate", kLoneLow, kLoneLow},
    HostileCase{"reversed_surrogates", kReversed, kReversed},
    HostileCase{"bidi_overrides", kOverride, kOverride},
    HostileCase{"zero_width", kZeroWidth, kZeroWidth},
    // Qt's document would break the line at these two noncharacters; the preview
    // shows the replacement character for them instead.
    HostileCase{"frame_markers", kFrames, kFrames, chars({u'a', 0xFFFD, u'b', 0xFFFD, 0xFFFC, 0xFFFF})},
    HostileCase{"unix_lines", QStringLiteral("^1one\n^3two\n"), QStringLiteral("^1one ^3two ")},
    HostileCase{"windows_lines", QStringLiteral("a\r\nb\r\n\r\nc"), QStringLiteral("a b  c")},
    HostileCase{"unicode_separators", QStringLiteral("a\u2028b\u2029c\u0085d"), QStringLiteral("a b c d")},
    HostileCase{"caret_then_break", QStringLiteral("^\n1"), QStringLiteral("^ 1")}),
    [](const ::testing::TestParamInfo<HostileCase> &info) { return std::string(info.param.name); });
// clang-format on

// What the input shows around its caret, read from the widget: where the
// caret is, and what the mouse does a little way off it.
struct CaretView
{
    QRect caret;
    int clicked; // characters from the caret
    QString shiftClicked;
    QString dragged;
    QString doubleClicked;
    int dropped;     // characters from the caret
    QRect composing; // the caret inside an input method's unfinished text
    bool operator==(const CaretView &o) const
    {
        // Within a pixel: a composition's width is rounded from another origin.
        return std::tie(caret, clicked, shiftClicked, dragged, doubleClicked, dropped) ==
                   std::tie(o.caret, o.clicked, o.shiftClicked, o.dragged, o.doubleClicked, o.dropped) &&
               std::abs(composing.x() - o.composing.x()) <= 1 && composing.size() == o.composing.size();
    }
};

void PrintTo(const CaretView &v, std::ostream *os)
{
    *os << "caret at " << v.caret.x() << ',' << v.caret.y() << ' ' << v.caret.width() << 'x'
        << v.caret.height() << ", click lands " << v.clicked << ", selects \"" << v.shiftClicked.toStdString()
        << "\" \"" << v.dragged.toStdString() << "\" \"" << v.doubleClicked.toStdString() << "\", drop lands "
        << v.dropped << ", composing at " << v.composing.x();
}

CaretView caretView(QLineEdit *edit, Qt::Key place)
{
    CaretView view{};
    QTest::keyClick(edit, place);
    edit->repaint(); // QLineEdit scrolls to its caret as it paints
    const int at = edit->cursorPosition();
    view.caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint there = view.caret.center();
    const QPoint near(there.x() + (place == Qt::Key_End ? -40 : 40), there.y());

    QTest::mouseClick(edit, Qt::LeftButton, {}, near);
    view.clicked = edit->cursorPosition() - at;
    QTest::keyClick(edit, place);
    QTest::mouseClick(edit, Qt::LeftButton, Qt::ShiftModifier, near);
    view.shiftClicked = edit->selectedText();
    QTest::mousePress(edit, Qt::LeftButton, {}, there);
    QTest::mouseMove(edit, near);
    QTest::mouseRelease(edit, Qt::LeftButton, {}, near);
    view.dragged = edit->selectedText();
    QTest::mouseDClick(edit, Qt::LeftButton, {}, near);
    view.doubleClicked = edit->selectedText();

    QMimeData text;
    text.setText(QStringLiteral("@"));
    QDragEnterEvent enter(near, Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &enter);
    QDragMoveEvent move(near, Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &move);
    QDropEvent drop(near, Qt::CopyAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &drop);
    view.dropped = static_cast<int>(edit->text().indexOf(QLatin1Char('@'))) - at;
    edit->repaint();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    edit->repaint();

    QInputMethodEvent compose(QStringLiteral("ni"), {{QInputMethodEvent::Cursor, 1, 1, {}}});
    QApplication::sendEvent(edit, &compose);
    edit->repaint();
    view.composing = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QInputMethodEvent cancel;
    QApplication::sendEvent(edit, &cancel);
    return view;
}

TEST_F(WindowTest, MillionCharacterPasteIsShownAtTheCaret)
{
    const QString unit = QStringLiteral("^3abcd");
    const QString marker = QStringLiteral("^1ZYXWVUTSRQPONMLK");
    const auto name = [&](int units) { return QStringLiteral("Start ") + unit.repeated(units) + marker; };

    // The input draws a name of a million characters itself; one of a few
    // hundred is QLineEdit's own drawing. Both must look and answer alike.
    std::vector<CaretView> shortName;
    QGuiApplication::clipboard()->setText(name(50));
    key(Qt::Key_V, Qt::ControlModifier);
    for (const Qt::Key place : {Qt::Key_End, Qt::Key_Home}) {
        shortName.push_back(caretView(txtIn, place));
    }
    txtIn->clear();

    const QString text = name(1'000'000 / 6);
    QGuiApplication::clipboard()->setText(text);
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(txtIn->text(), text);
    // The preview holds the part at the caret.
    EXPECT_TRUE(txtOut->toPlainText().endsWith(QStringLiteral("abcdZYXWVUTSRQPONMLK")));
    EXPECT_LE(txtOut->toPlainText().size(), 2 * static_cast<qsizetype>(PreviewSlice::kShownEachSide));

    for (const Qt::Key place : {Qt::Key_End, Qt::Key_Home}) {
        const CaretView view = caretView(txtIn, place);
        EXPECT_TRUE(txtIn->contentsRect().contains(view.caret.center())) << ::testing::PrintToString(view);
        EXPECT_EQ(view, shortName[place == Qt::Key_End ? 0 : 1]);
    }
    EXPECT_TRUE(txtOut->toPlainText().startsWith(QStringLiteral("Start abcd")));

    // And it still answers: a key typed at the end lands and re-renders.
    key(Qt::Key_End);
    type(QStringLiteral("Z"));
    EXPECT_EQ(txtIn->text().size(), text.size() + 1);
    EXPECT_TRUE(txtOut->toPlainText().endsWith(QStringLiteral("PONMLKZ")));
}

} // namespace
} // namespace hueprev::testing
