#include "tests/qt/runs.h"
#include "window/qt/richtextpreview.h"
#include "window/qt/utf16.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

void render(QTextEdit &box, const QString &text)
{
    PreviewRuns runs;
    renderNickname(u16view(text), runs);
    RichTextPreviewBox(&box).rebuild(runs);
}

struct BindingCase
{
    const char *name;
    QString input;
};

inline void PrintTo(const BindingCase &c, std::ostream *os)
{
    *os << c.name;
}

class PreviewBinding : public ::testing::TestWithParam<BindingCase>
{
};

TEST_P(PreviewBinding, DocumentShowsTheRunsOfTheRule)
{
    QTextEdit box;
    render(box, GetParam().input);
    EXPECT_EQ(documentRuns(*box.document()), expectedRuns(GetParam().input));
    EXPECT_EQ(box.document()->blockCount(), 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PreviewBinding, ::testing::Values(
    BindingCase{"codes", QStringLiteral("^1Red^7White")},
    BindingCase{"accents", QStringLiteral("Jos\u00e9 ^2M\u00fcller \u00c5ngstr\u00f6m")},
    BindingCase{"cjk", QStringLiteral("^4\u4e2d\u6587^5\u65e5\u672c\u8a9e")},
    BindingCase{"astral_emoji", QStringLiteral("^5\U0001F600x^6\U0001F3C6")},
    BindingCase{"right_to_left", QStringLiteral("^1\u05e9\u05dc\u05d5\u05dd^7abc^3\u0645\u0631\u062d\u0628\u0627")},
    BindingCase{"markup", QStringLiteral("<b>x</b>&amp;^3<i>&lt;</i>")},
    BindingCase{"carets", QStringLiteral("^^^1x^")},
    BindingCase{"black", QStringLiteral("a^0b")},
    BindingCase{"empty", QString()}),
    [](const ::testing::TestParamInfo<BindingCase> &info) { return std::string(info.param.name); });
// clang-format on

TEST(PreviewBindingEdits, RerenderLeavesNoTraceOfTheLastOne)
{
    QTextEdit box;
    render(box, QStringLiteral("ab^1x"));
    render(box, QStringLiteral("ab^1"));
    EXPECT_EQ(documentRuns(*box.document()),
              (std::vector<ColorRun>{{QStringLiteral("ab"), qRgb(255, 255, 255)}}));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("ab"));

    // Text typed after a code must not inherit the previous render's colour.
    render(box, QStringLiteral("^1abc"));
    render(box, QStringLiteral("abc"));
    EXPECT_EQ(documentRuns(*box.document()), expectedRuns(QStringLiteral("abc")));
}

TEST(PreviewBindingEdits, OneRenderIsOneEditAndLeavesNoUndo)
{
    QTextEdit box;
    int changes = 0;
    QObject::connect(box.document(), &QTextDocument::contentsChanged, [&] { ++changes; });
    render(box, QStringLiteral("^1a^2b^3c^4d^5e"));
    EXPECT_EQ(changes, 1);
    render(box, QStringLiteral("^6f^7g"));
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(box.document()->isUndoAvailable());
    EXPECT_EQ(box.document()->availableUndoSteps(), 0);
}

TEST(PreviewBindingEdits, PiecesNeverOpenANewParagraph)
{
    QTextEdit box;
    const QString text =
        QStringLiteral("a\nb\r\nc\u2029d") + QChar(0xFDD0) + QStringLiteral("e") + QChar(0xFDD1);
    render(box, text);
    EXPECT_EQ(box.document()->blockCount(), 1);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("a b  c d\uFFFDe\uFFFD"));
}

} // namespace
} // namespace hueprev::testing
