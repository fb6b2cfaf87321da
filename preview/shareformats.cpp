#include "preview/shareformats.h"

#include "preview/letters.h"
#include "preview/renderer.h"
#include "preview/runs.h"
#include "preview/utf16.h"
#include "preview/utf8.h"

#include <algorithm>

namespace hueprev {

namespace {
int codeOf(ColorValue color)
{
    const ColorTable table = colorTable();
    return static_cast<int>(std::find(table.begin(), table.end(), color) - table.begin());
}

std::u16string ascii(std::string_view text)
{
    return {text.begin(), text.end()};
}

// The name's text, with a zero-width space after each character that could
// start markup: a backtick, a bracket, and an escape, which could start a colour.
std::u16string guarded(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        out += c;
        if (c == u'`' || c == u'[' || c == u'\x1B') {
            out += u'\u200B';
        }
    }
    return out;
}

// What HTML must not see as itself in a name's text.
struct Entity
{
    char16_t character;
    std::u16string_view escaped;
};
constexpr Entity kEntities[] = {
    {u'&', u"&amp;"}, {u'<', u"&lt;"}, {u'>', u"&gt;"}, {u'"', u"&quot;"}, {u'\'', u"&#39;"},
};

// Runs whose colours look alike to the format, `same(a, b)`, joined.
template <typename Same> std::vector<ShareRun> joined(std::vector<ShareRun> runs, Same &&same)
{
    std::vector<ShareRun> out;
    for (ShareRun &run : runs) {
        if (!out.empty() && same(out.back().code, run.code)) {
            out.back().text += run.text;
        } else {
            out.push_back(std::move(run));
        }
    }
    return out;
}
} // namespace

std::vector<ShareRun> shareRuns(std::u16string_view name)
{
    PreviewRuns rendered;
    renderNickname(name, rendered);
    const std::u16string &text = rendered.text();
    const std::vector<std::uint8_t> starts = letterStarts(text, Codes::Shown);
    std::vector<ShareRun> runs;
    std::size_t at = 0;
    for (const PreviewRun &run : rendered.runs()) {
        // A letter whose marks change colour keeps the colour it starts in.
        std::size_t from = at;
        while (from < text.size() && starts[from] == 0) {
            ++from;
        }
        at += run.length;
        std::size_t to = at;
        while (to < text.size() && starts[to] == 0) {
            ++to;
        }
        if (from < to) {
            runs.push_back({text.substr(from, to - from), codeOf(run.color)});
        }
    }
    // Neighbours of one colour, as a letter's move can leave them, joined.
    return joined(std::move(runs), [](int a, int b) { return a == b; });
}

int discordColor(int code)
{
    switch (code) {
    case 1:
        return 31; // red
    case 2:
        return 32; // green
    case 3:
        return 33; // yellow
    case 4:
        return 34; // blue
    case 5:
    case 8:
        return 36; // cyan, dark cyan
    case 6:
        return 35; // pink
    case 0:
    case 9:
        return 30; // grey, for black too: Discord shows no black
    default:
        return 37; // white
    }
}

std::u16string discordCopy(std::u16string_view name)
{
    std::u16string out = u"```ansi\n";
    const auto same = [](int a, int b) { return discordColor(a) == discordColor(b); };
    for (const ShareRun &run : joined(shareRuns(name), same)) {
        out += u"\x1B[" + ascii(std::to_string(discordColor(run.code))) + u"m" + guarded(run.text);
    }
    return out + u"\n```";
}

std::string hexColor(ColorValue color)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t channel : {redOf(color), greenOf(color), blueOf(color)}) {
        text += kHex[channel >> 4U];
        text += kHex[channel & 0xFU];
    }
    return text;
}

std::u16string bbcodeCopy(std::u16string_view name)
{
    std::u16string out;
    for (const ShareRun &run : shareRuns(name)) {
        out += u"[color=" + ascii(hexColor(colorOf(run.code))) + u"]" + guarded(run.text) + u"[/color]";
    }
    return out;
}

std::u16string htmlCopy(std::u16string_view name)
{
    std::u16string out =
        u"<span style=\"background:" + ascii(hexColor(colorValue(64, 64, 64))) + u";white-space:pre\">";
    for (const ShareRun &run : shareRuns(name)) {
        out += u"<span style=\"color:" + ascii(hexColor(colorOf(run.code))) + u"\">";
        for (const char16_t c : run.text) {
            const auto *entity = std::find_if(std::begin(kEntities), std::end(kEntities),
                                              [c](const Entity &e) { return e.character == c; });
            if (entity != std::end(kEntities)) {
                out += entity->escaped;
            } else {
                out += c;
            }
        }
        out += u"</span>";
    }
    return out + u"</span>";
}

std::string windowsHtmlFormat(std::u16string_view html)
{
    std::string fragment;
    forEachCodePoint(html, [&](char32_t code) { appendUtf8(fragment, code); });
    const std::string before = "<html><body>\r\n<!--StartFragment-->";
    const std::string after = "<!--EndFragment-->\r\n</body></html>";
    // The header's offsets count its own bytes: each is written in ten digits.
    const auto digits = [](std::size_t value) {
        std::string text(10, '0');
        for (std::size_t at = text.size(); at-- > 0 && value > 0; value /= 10) {
            text[at] = static_cast<char>('0' + value % 10);
        }
        return text;
    };
    const auto header = [&](std::size_t start, std::size_t startFragment, std::size_t endFragment,
                            std::size_t end) {
        return "Version:0.9\r\nStartHTML:" + digits(start) + "\r\nEndHTML:" + digits(end) +
               "\r\nStartFragment:" + digits(startFragment) + "\r\nEndFragment:" + digits(endFragment) +
               "\r\n";
    };
    const std::size_t length = header(0, 0, 0, 0).size();
    const std::size_t startFragment = length + before.size();
    const std::size_t endFragment = startFragment + fragment.size();
    return header(length, startFragment, endFragment, endFragment + after.size()) + before + fragment + after;
}

} // namespace hueprev
