// libFuzzer target: arbitrary UTF-16 text through the renderer, checked
// against the tests' reference model of the rule, and through the Win32
// preview's RTF, read back by a reader of the little RTF it writes; and
// through the name tools, which must keep their promises.
#include "preview/linebreaks.h"
#include "preview/renderer.h"
#include "preview/rtf.h"
#include "preview/runs.h"
#include "tests/nameproperties.h"
#include "tests/recordingsink.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using hueprev::testing::Op;

void check(bool ok)
{
    if (!ok) {
        std::abort();
    }
}

// The text of the document's body: escapes undone, colour switches skipped.
// Aborts on anything the writer should never produce.
std::u16string rtfText(const std::string &doc)
{
    for (const char c : doc) {
        check(c >= 0x20 && c < 0x7F); // plain ASCII only: nothing for a reader to misread
    }
    const std::string start = "\\fs36 ";
    std::size_t at = doc.find(start);
    check(at != std::string::npos && doc.back() == '}');
    at += start.size();
    std::u16string text;
    while (at < doc.size() - 1) {
        const char c = doc[at++];
        check(c != '{' && c != '}'); // no group opens or closes inside the text
        if (c != '\\') {
            text += static_cast<char16_t>(c);
            continue;
        }
        const char next = doc[at++];
        if (next == '\\' || next == '{' || next == '}') {
            text += static_cast<char16_t>(next);
        } else if (next == 'u') {
            const std::size_t end = doc.find('?', at);
            check(end != std::string::npos);
            text += static_cast<char16_t>(std::stoi(doc.substr(at, end - at)));
            at = end + 1;
        } else {
            check(next == 'c' && doc[at] == 'f');
            at = doc.find(' ', at);
            check(at != std::string::npos);
            ++at;
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);

    hueprev::testing::RecordingSink recorded;
    hueprev::renderNickname(text, recorded);
    const std::vector<Op> &ops = recorded.ops;

    // Well formed: starts afresh, then only colours and inserts, ending in an insert.
    check(ops.size() >= 4 && ops.size() <= 2 * text.size() + 5);
    check(ops[0].kind == Op::Clear && ops[1].kind == Op::CaretToStart);
    check(ops[2] == Op::set(7) && ops.back().kind == Op::Insert);

    // Replay into a model document, starting from leftovers of another render.
    hueprev::testing::DocumentSink doc;
    hueprev::renderNickname(u"^3stale^", doc);
    for (const Op &op : ops) {
        switch (op.kind) {
        case Op::Clear:
            doc.clear();
            break;
        case Op::CaretToStart:
            doc.caretToStart();
            break;
        case Op::SetColor:
            doc.setColor(op.color);
            break;
        case Op::Insert:
            doc.insert(op.text);
            break;
        }
    }

    check(doc.cells == hueprev::testing::referencePreview(text));

    // The runs a front-end draws: the same characters and colours, on one line,
    // no two neighbours of one colour; their RTF reads back as the same text.
    hueprev::PreviewRuns runs;
    hueprev::renderNickname(text, runs);
    std::vector<hueprev::testing::ColoredChar> drawn;
    const hueprev::PreviewRun *last = nullptr;
    for (const hueprev::PreviewRun &run : runs.runs()) {
        check(run.length > 0 && (last == nullptr || last->color != run.color));
        last = &run;
    }
    runs.forEach([&](std::u16string_view piece, hueprev::ColorValue color) {
        for (const char16_t c : piece) {
            drawn.push_back({c, color});
        }
    });
    std::u16string expected;
    check(drawn.size() == doc.cells.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const auto &cell = doc.cells[i];
        check(drawn[i] ==
              hueprev::testing::ColoredChar{hueprev::isLineBreak(cell.ch) ? u' ' : cell.ch, cell.color});
        if (cell.ch != 0) {
            expected += drawn[i].ch;
        }
    }
    check(rtfText(hueprev::rtfDocument(runs, "Tahoma", 36)) == expected);

    // Tidying the name keeps its look and leaves nothing to tidy; every tool
    // keeps its promises (checked on names up to a few boxes long: the check is quadratic).
    check(hueprev::testing::tidyKeepsTheLook(text));
    if (text.size() <= 256) {
        using hueprev::testing::toolBreaks;
        const std::size_t from = size > 0 ? data[0] % (text.size() + 1) : 0;
        const std::size_t to =
            size > 1 ? std::max<std::size_t>(from, data[1] % (text.size() + 1)) : text.size();
        static constexpr int kWhite[] = {hueprev::kDefaultColorIndex};
        const auto fire = hueprev::fadeColors(hueprev::Fade::Fire);
        check(toolBreaks(text, from, to, hueprev::colorLetters(text, from, to, fire), fire).empty());
        check(toolBreaks(text, from, to, hueprev::removeColors(text, from, to), kWhite).empty());
        check(toolBreaks(text, 0, 0, hueprev::removeUnneededCodes(text), {}).empty());
    }
    return 0;
}
