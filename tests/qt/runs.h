#pragma once

#include "tests/reference.h"
#include "window/qt/utf16.h"

#include <QTextBlock>
#include <QTextDocument>

#include <ostream>
#include <vector>

namespace hueprev::testing {

// A stretch of the preview in one colour.
struct ColorRun
{
    QString text;
    QRgb color;
    bool operator==(const ColorRun &) const = default;
};

inline void PrintTo(const ColorRun &run, std::ostream *os)
{
    *os << '"' << run.text.toStdString() << "\" #" << std::hex << (run.color & 0xFFFFFFU) << std::dec;
}

inline void appendRun(std::vector<ColorRun> &runs, const QString &text, QRgb color)
{
    if (text.isEmpty()) {
        return;
    }
    if (!runs.empty() && runs.back().color == color) {
        runs.back().text += text;
    } else {
        runs.push_back({text, color});
    }
}

// What the document shows, read back fragment by fragment. Blocks after the
// first are joined with a newline so that a stray paragraph shows up.
inline std::vector<ColorRun> documentRuns(const QTextDocument &doc)
{
    std::vector<ColorRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin()) {
            appendRun(runs, QStringLiteral("\n"), 0);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            appendRun(runs, f.text(), f.charFormat().foreground().color().rgb());
        }
    }
    return runs;
}

// The runs the plain rule predicts for a text.
inline std::vector<ColorRun> expectedRuns(const QString &text)
{
    std::vector<ColorRun> runs;
    for (const ColoredChar &c : referencePreview(u16view(text))) {
        appendRun(runs, QString(QChar(c.ch)), qRgb(redOf(c.color), greenOf(c.color), blueOf(c.color)));
    }
    return runs;
}

} // namespace hueprev::testing
