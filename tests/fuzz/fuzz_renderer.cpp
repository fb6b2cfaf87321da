// libFuzzer target: arbitrary UTF-16 text through the renderer, checked
// against the rule restated position by position, and through the Win32
// preview's RTF, read back by a reader of the little RTF it writes.
#include "preview/linebreaks.h"
#include "preview/renderer.h"
#include "tests/recordingsink.h"
#include "window/win32/rtf.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using hueprev::ColorValue;
using hueprev::testing::Op;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A character is hidden when it is the caret or the digit of a code; every
// shown character has the colour of the last code before it, or white.
bool hidden(std::u16string_view t, std::size_t i)
{
    return (t[i] == u'^' && i + 1 < t.size() && isDigit(t[i + 1])) ||
           (i > 0 && isDigit(t[i]) && t[i - 1] == u'^');
}

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

    ColorValue color = hueprev::colorOf(7);
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'^' && i + 1 < text.size() && isDigit(text[i + 1])) {
            color = hueprev::colorOf(text[i + 1] - u'0');
        }
        if (!hidden(text, i)) {
            check(shown < doc.cells.size());
            check(doc.cells[shown].ch == text[i] && doc.cells[shown].color == color);
            ++shown;
        }
    }
    check(shown == doc.cells.size());

    hueprev::RtfPreview rtf("Tahoma", 36);
    hueprev::renderNickname(text, rtf);
    std::u16string expected;
    for (const auto &cell : doc.cells) {
        if (cell.ch != 0) {
            expected += hueprev::isLineBreak(cell.ch) ? u' ' : cell.ch;
        }
    }
    check(rtfText(rtf.document()) == expected);
    return 0;
}
