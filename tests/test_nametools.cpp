// The name tools: worked examples, and properties over generated names
// against the reference model.
#include "preview/shareformats.h"
#include "preview/utf16.h"
#include "tests/generated.h"
#include "tests/nameproperties.h"
#include "tests/recordingsink.h"
#include "window/namelink.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <variant>

namespace hueprev::testing {
namespace {

using Tool = std::function<std::optional<NameEdit>(std::u16string_view)>;

Tool paint(std::span<const int> colors, std::size_t from = 0, std::size_t to = std::u16string::npos)
{
    return [=](std::u16string_view name) { return colorLetters(name, from, to, colors); };
}
Tool fade(Fade fade, std::size_t from = 0, std::size_t to = std::u16string::npos)
{
    return paint(fadeColors(fade), from, to);
}
constexpr int kGreen[] = {2};

TEST(NameTools, WorkedExamples)
{
    struct Case
    {
        const char *name;
        std::u16string before;
        Tool tool;
        std::u16string after;
    };
    const auto tidy = [](std::u16string_view name) { return removeUnneededCodes(name); };
    const auto plain = [](std::size_t from, std::size_t to) {
        return [=](std::u16string_view name) { return removeColors(name, from, to); };
    };
    const Case cases[] = {
        {"rainbow", u"abcdef", fade(Fade::Rainbow), u"^1a^3b^2c^5d^4e^6f"},
        {"fire_in_even_bands", u"Nickname", fade(Fade::Fire), u"^1Nic^3kna^7me"},
        {"sea", u"abcd", fade(Fade::Sea), u"^4ab^8c^5d"},
        {"fewer_letters_than_colours", u"ab", fade(Fade::Rainbow), u"^1a^3b"},
        {"blanks_take_no_code", u"ab cd", fade(Fade::Steel), u"^9ab ^7cd"},
        {"codes_in_the_range_replaced", u"^2ab^4cd", fade(Fade::Steel), u"^9ab^7cd"},
        {"text_after_keeps_its_colour", u"^2abcd", fade(Fade::Steel, 2, 4), u"^9a^7b^2cd"},
        {"range_inside_a_code_widens", u"x^2ab", fade(Fade::Steel, 2, 5), u"x^9a^7b"},
        {"shown_caret_before_a_digit", u"^^12", fade(Fade::Steel), u"^9^^72"},
        {"nothing_to_colour", u"  ", fade(Fade::Fire), u"  "},
        {"an_emoji_is_one_letter", u"Zo\u00eb\U0001F600x", fade(Fade::Rainbow),
         u"^1Z^3o^2\u00eb^5\U0001F600^4x"},
        {"a_flag_and_a_family", u"\U0001F1E9\U0001F1EA\U0001F468\u200D\U0001F469", fade(Fade::Steel),
         u"^9\U0001F1E9\U0001F1EA^7\U0001F468\u200D\U0001F469"},
        {"a_code_inside_a_letter_goes", u"e^1\u0301x", fade(Fade::Steel), u"^9e\u0301^7x"},
        {"an_edge_inside_a_letter_takes_it", u"ae\u0301b", fade(Fade::Fire, 2, 4), u"a^1e\u0301^3b"},
        {"no_code_repeated_before", u"^1ab", fade(Fade::Fire, 2, 4), u"^1a^3b"},
        {"no_code_repeated_after", u"ab ^3c", fade(Fade::Fire, 0, 2), u"^1a^3b c"},
        {"one_word_green", u"ab cd ef", paint(kGreen, 3, 5), u"ab ^2cd^7 ef"},
        {"tidy_trailing_and_doubled", u"^1^2ab^3", tidy, u"^2ab"},
        {"tidy_leading_white", u"^7ab", tidy, u"ab"},
        {"tidy_same_colour", u"^1a^1b", tidy, u"^1ab"},
        {"tidy_blank_text", u"^1a^2 ^1b", tidy, u"^1a b"},
        {"tidy_would_make_a_code", u"^^72", tidy, u"^^72"},
        {"tidy_literal_carets", u"a^b^^1c", tidy, u"a^b^^1c"},
        {"plain_whole_name", u"^1Red^7White", plain(0, 12), u"RedWhite"},
        {"plain_a_word", u"^1Red^7White", plain(2, 5), u"RedWhite"},
        {"plain_a_letter", u"^1abc", plain(3, 4), u"^1a^7b^1c"},
        {"plain_up_to_a_code", u"^1ab^2cd^3ef", plain(4, 8), u"^1ab^7cd^3ef"},
        {"plain_keeps_the_rest", u"^1ab^2cd^3ef", plain(4, 7), u"^1ab^7c^2d^3ef"},
        {"plain_would_make_a_code", u"^^72", plain(1, 3), u"^^72"},
        {"plain_keeps_the_rest_red", u"^^1^12", plain(1, 5), u"^^12"},
        {"plain_codes_of_nothing", u"^1^2", plain(0, 4), u""},
    };
    for (const Case &c : cases) {
        const std::optional<NameEdit> edit = c.tool(c.before);
        EXPECT_EQ(applied(c.before, edit), c.after) << c.name;
        EXPECT_EQ(edit.has_value(), c.before != c.after) << c.name << ": an edit only for a change";
    }
    struct Count
    {
        std::u16string name;
        std::size_t received, shown;
    };
    for (const Count &c : {Count{u"^1Nic^3kna^7me", 14, 8}, Count{u"a^b^^1c", 7, 5},
                           Count{u"Zo\u00eb\U0001F600x", 6, 5}, Count{u"e^1\u0301", 4, 1}}) {
        EXPECT_EQ(countName(c.name).received, c.received) << printable(c.name);
        EXPECT_EQ(countName(c.name).shown, c.shown) << printable(c.name);
    }
}

TEST(NameLink, CarriesTheNameAsPlainTextOfBoundedLength)
{
    using Found = std::variant<std::u16string, LinkError>;
    struct Case
    {
        const char *name;
        std::string fragment;
        Found found;
    };
    const Case cases[] = {
        {"plain", "Nick", u"Nick"},
        {"codes_and_accents", "%5E1N%C3%A9%20x", u"^1N\u00e9 x"},
        {"astral", "%F0%9F%98%80", u"\U0001F600"},
        {"markup_stays_text", "%3Cb%3E%5E1%3C%2Fb%3E", u"<b>^1</b>"},
        {"line_breaks_as_sent", "a%0D%0Ab", u"a\r\nb"},
        {"lowercase_hex", "%c3%a9", u"\u00e9"},
        {"cut_escape", "ab%4", LinkError::Unreadable},
        {"escape_at_the_end", "abc%", LinkError::Unreadable},
        {"not_hex", "%zz", LinkError::Unreadable},
        {"not_utf8", "%C3", LinkError::Unreadable},
        {"overlong", "%C0%AF", LinkError::Unreadable},
        {"encoded_surrogate", "%ED%A0%80", LinkError::Unreadable},
        {"at_the_limit", std::string(kLinkNameLimit, 'x'), std::u16string(kLinkNameLimit, u'x')},
        {"one_more", std::string(kLinkNameLimit + 1, 'x'), LinkError::TooLong},
        {"a_pair_past_the_limit", std::string(kLinkNameLimit - 1, 'x') + "%F0%9F%98%80", LinkError::TooLong},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(nameFromFragment(c.fragment), c.found) << c.name;
        const auto *name = std::get_if<std::u16string>(&c.found);
        if (name != nullptr && c.fragment.find('%') != std::string::npos &&
            c.fragment.find("%c") == std::string::npos) {
            EXPECT_EQ(linkFragment(*name), c.fragment) << c.name << ": the way back";
        }
    }
    EXPECT_EQ(linkFragment(std::u16string{u'a', char16_t{0xD800}, u'b'}), "a%EF%BF%BDb")
        << "a lone surrogate";
}

class NameToolProperties : public ::testing::Test
{
protected:
    const std::vector<std::u16string> names = generatedInputs(3000);
};

TEST_F(NameToolProperties, TidyKeepsTheLookAndLeavesNothingToTidy)
{
    for (const std::u16string &name : names) {
        ASSERT_TRUE(tidyKeepsTheLook(name)) << printable(name);
    }
}

TEST_F(NameToolProperties, EveryToolKeepsItsPromises)
{
    static constexpr int kWhite[] = {kDefaultColorIndex};
    for (const std::u16string &name : names) {
        const std::size_t from = name.size() % 5;
        const std::size_t to = std::max(from, name.size() - name.size() % 3);
        for (const Fade fade : kFades) {
            const std::span<const int> colors = fadeColors(fade);
            ASSERT_EQ(toolBreaks(name, from, to, colorLetters(name, from, to, colors), colors), "")
                << printable(name) << " " << fadeName(fade);
        }
        for (int index = 0; index < kColorCount; ++index) {
            const int alone[] = {index};
            ASSERT_EQ(toolBreaks(name, from, to, colorLetters(name, from, to, alone), alone), "")
                << printable(name) << " in " << index;
        }
        ASSERT_EQ(toolBreaks(name, from, to, removeColors(name, from, to), kWhite), "") << printable(name);
        ASSERT_EQ(toolBreaks(name, 0, 0, removeUnneededCodes(name), {}), "") << printable(name);
    }
}

TEST(ShareFormats, WorkedNames)
{
    struct Case
    {
        const char *name;
        std::u16string text;
        std::u16string discord, bbcode, html;
    };
    const std::u16string span = u"<span style=\"background:#404040;white-space:pre\">";
    const Case cases[] = {
        {"two_colours", u"^1Red^7White", u"```ansi\n\x1B[31mRed\x1B[37mWhite\n```",
         u"[color=#ff0000]Red[/color][color=#ffffff]White[/color]",
         span + u"<span style=\"color:#ff0000\">Red</span><span style=\"color:#ffffff\">White</span></span>"},
        {"cyan_and_pink", u"^5Sky^6Rider", u"```ansi\n\x1B[36mSky\x1B[35mRider\n```",
         u"[color=#00ffff]Sky[/color][color=#ff00ff]Rider[/color]",
         span + u"<span style=\"color:#00ffff\">Sky</span><span style=\"color:#ff00ff\">Rider</span></span>"},
        {"one_discord_colour_for_two_codes", u"^5a^8b^0c^9d", u"```ansi\n\x1B[36mab\x1B[30mcd\n```",
         u"[color=#00ffff]a[/color][color=#007f7f]b[/color][color=#000000]c[/color][color=#7f7f7f]d[/color]",
         span + u"<span style=\"color:#00ffff\">a</span><span style=\"color:#007f7f\">b</span>"
                u"<span style=\"color:#000000\">c</span><span style=\"color:#7f7f7f\">d</span></span>"},
        {"emoji_and_a_mark_after_a_code", u"^3\U0001F600e^1\u0301x",
         u"```ansi\n\x1B[33m\U0001F600e\u0301\x1B[31mx\n```",
         u"[color=#ffff00]\U0001F600e\u0301[/color][color=#ff0000]x[/color]",
         span + u"<span style=\"color:#ffff00\">\U0001F600e\u0301</span><span "
                u"style=\"color:#ff0000\">x</span></span>"},
        {"markup_stays_text", u"^1<b>&\"'[/color]```\x1B[32m",
         u"```ansi\n\x1B[31m<b>&\"'[\u200B/color]`\u200B`\u200B`\u200B\x1B\u200B[\u200B32m\n```",
         u"[color=#ff0000]<b>&\"'[\u200B/color]`\u200B`\u200B`\u200B\x1B\u200B[\u200B32m[/color]",
         span + u"<span style=\"color:#ff0000\">&lt;b&gt;&amp;&quot;&#39;[/color]```\x1B[32m</span></span>"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(discordCopy(c.text), c.discord) << c.name;
        EXPECT_EQ(bbcodeCopy(c.text), c.bbcode) << c.name;
        EXPECT_EQ(htmlCopy(c.text), c.html) << c.name;
    }
    // Windows' HTML Format: the offsets its header gives frame the page and the fragment.
    const std::string clip = windowsHtmlFormat(u"<b>\u00e9</b>");
    const auto offset = [&](const char *field) {
        return std::stoul(clip.substr(clip.find(field) + std::strlen(field), 10));
    };
    EXPECT_EQ(clip.substr(offset("StartFragment:"), offset("EndFragment:") - offset("StartFragment:")),
              "<b>\xC3\xA9</b>");
    EXPECT_EQ(clip.substr(offset("StartHTML:"), 6), "<html>");
    EXPECT_EQ(offset("EndHTML:"), clip.size());
}

// Each format read back as a player's program would: its text and each
// letter's code, which must be the name's as the preview shows it.
TEST_F(NameToolProperties, EveryFormatGivesBackTheNamesLettersAndColours)
{
    const auto strip = [](std::u16string text) {
        std::erase(text, u'\u200B');
        return text;
    };
    for (const std::u16string &name : names) {
        std::u16string shown;
        std::vector<int> codes; // each unit's code, as the preview shows it
        std::vector<int> ansi;  // the same as Discord shows it
        for (const ShareRun &run : shareRuns(name)) {
            shown += run.text;
            codes.insert(codes.end(), run.text.size(), run.code);
            ansi.insert(ansi.end(), run.text.size(), discordColor(run.code));
        }
        std::u16string expectedShown;
        for (const ColoredChar &cell : referencePreview(name)) {
            expectedShown += isLineBreak(cell.ch) ? u' ' : cell.ch; // as the preview shows a break
        }
        ASSERT_EQ(shown, expectedShown) << printable(name);
        // BBCode: [color=#rrggbb]…[/color], and nothing else.
        std::u16string text;
        std::vector<int> read;
        const std::u16string bbcode = bbcodeCopy(name);
        std::u16string_view rest = bbcode;
        while (!rest.empty()) {
            ASSERT_TRUE(rest.starts_with(u"[color=#")) << printable(name);
            const std::u16string hex(rest.substr(8, 6));
            const std::size_t close = rest.find(u"[/color]");
            ASSERT_NE(close, std::u16string_view::npos) << printable(name);
            const std::u16string piece = strip(std::u16string(rest.substr(15, close - 15)));
            int code = 0;
            while (code < kColorCount &&
                   hexColor(colorOf(code)) != std::string("#") + std::string(hex.begin(), hex.end())) {
                ++code;
            }
            text += piece;
            read.insert(read.end(), piece.size(), code);
            rest.remove_prefix(close + 8);
        }
        EXPECT_EQ(text, shown) << printable(name);
        EXPECT_EQ(read, codes) << printable(name);
        // Discord: ESC[3Nm before each run, in its block.
        const std::u16string block = discordCopy(name);
        ASSERT_TRUE(block.starts_with(u"```ansi\n") && block.ends_with(u"\n```")) << printable(name);
        text.clear();
        read.clear();
        std::u16string_view body = std::u16string_view(block).substr(8, block.size() - 12);
        int color = 0;
        for (std::size_t at = 0; at < body.size();) {
            if (body.substr(at, 2) == u"\x1B[" && at + 4 < body.size() && body[at + 4] == u'm') {
                color = 30 + (body[at + 3] - u'0');
                at += 5;
            } else {
                text += body[at];
                read.push_back(color);
                ++at;
            }
        }
        const std::u16string kept = strip(text);
        EXPECT_EQ(kept, shown) << printable(name);
        std::vector<int> unzwsp;
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] != u'\u200B') {
                unzwsp.push_back(read[at]);
            }
        }
        EXPECT_EQ(unzwsp, ansi) << printable(name);
        // HTML: the text of each coloured span, unescaped.
        const std::u16string html = htmlCopy(name);
        text.clear();
        read.clear();
        for (std::size_t at = html.find(u"<span style=\"color:#"); at != std::u16string::npos;
             at = html.find(u"<span style=\"color:#", at)) {
            const std::u16string hex = html.substr(at + 20, 6);
            const std::size_t from = html.find(u'>', at) + 1;
            const std::size_t to = html.find(u"</span>", from);
            std::u16string piece;
            for (std::size_t i = from; i < to;) {
                for (const auto &[entity, c] :
                     {std::pair{u"&amp;", u'&'}, std::pair{u"&lt;", u'<'}, std::pair{u"&gt;", u'>'},
                      std::pair{u"&quot;", u'"'}, std::pair{u"&#39;", u'\''}}) {
                    if (std::u16string_view(html).substr(i).starts_with(entity)) {
                        piece += c;
                        i += std::char_traits<char16_t>::length(entity);
                        goto next;
                    }
                }
                ASSERT_NE(html[i], u'<') << printable(name);
                piece += html[i++];
            next:;
            }
            int code = 0;
            while (code < kColorCount &&
                   hexColor(colorOf(code)) != "#" + std::string(hex.begin(), hex.end())) {
                ++code;
            }
            text += piece;
            read.insert(read.end(), piece.size(), code);
            at = to;
        }
        EXPECT_EQ(text, shown) << printable(name);
        EXPECT_EQ(read, codes) << printable(name);
    }
}

} // namespace
} // namespace hueprev::testing
