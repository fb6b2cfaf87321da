// hueprev's words in the player's language: which catalogue a platform's
// list of languages chooses, and the words the window then says.
#include "preview/renderer.h"
#include "window/catalogues.h"
#include "window/colordialog.h"
#include "window/facts.h"
#include "window/language.h"
#include "window/menus.h"
#include "window/speech.h"
#include "window/tools.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

// Each test leaves English chosen, as a program starts without a catalogue.
class Language : public ::testing::Test
{
protected:
    void TearDown() override { chooseLanguage({}); }
};

TEST_F(Language, FirstOfThePlayersLanguagesThatHasACatalogue)
{
    struct Case
    {
        std::vector<std::string> preferred;
        const char *chosen;
    };
    const Case cases[] = {
        {{}, "en"},
        {{"de"}, "de"},
        {{"de-AT", "en-US"}, "de"},           // a region of a language that has one catalogue
        {{"pt_BR.UTF-8"}, "pt-BR"},           // Linux's LANG
        {{"pt-PT", "es-MX"}, "es"},           // a region without a catalogue of its own
        {{"en-GB", "fr"}, "en"},              // English first is English
        {{"xx", "tlh", "RU-ru", "pl"}, "ru"}, // unknown ones passed over
        {{"C"}, "en"},
        {{"pl_PL@euro"}, "pl"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(chooseLanguage(c.preferred), c.chosen) << ::testing::PrintToString(c.preferred);
    }
    // Every catalogue the build found in resources/po, whatever languages it holds.
    std::string built;
    for (std::size_t i = 0; i < catalogues::kCount; ++i) {
        built += std::string(built.empty() ? "" : ",") + catalogues::kAll[i].language;
    }
    EXPECT_EQ(built, HUEPREV_CATALOGUES);
}

TEST_F(Language, TheWindowSaysItsWordsInTheChosenLanguage)
{
    const facts::Control &button = facts::kControls[3]; // ^1
    const facts::Control &input = facts::controlOf(facts::Kind::InputBox);
    PreviewRuns runs;
    renderNickname(u"^1Rot^8\U0001F600", runs);
    struct Case
    {
        const char *language;
        std::string name, tip, nickname;
        std::u16string words;
    };
    const Case cases[] = {
        {"en", "^1 red", "^1 red: insert this colour code", "Nickname", u"Rot, red. \U0001F600, dark cyan."},
        {"de", "^1 rot", "^1 rot: diesen Farbcode einfügen", "Spielername",
         u"Rot, rot. \U0001F600, dunkles Cyan."},
        {"fr", "^1 rouge", "^1 rouge : insérer ce code de couleur", "Pseudo",
         u"Rot, rouge. \U0001F600, cyan foncé."},
        {"ru", "^1 красный", "^1 красный: вставить этот цветовой код", "Никнейм",
         u"Rot, красный. \U0001F600, тёмно-голубой."},
    };
    for (const Case &c : cases) {
        chooseLanguage({c.language});
        EXPECT_EQ(facts::accessibleName(button), c.name) << c.language;
        EXPECT_EQ(facts::toolTip(button), c.tip) << c.language;
        EXPECT_EQ(facts::accessibleName(input), c.nickname) << c.language;
        EXPECT_EQ(previewWords(runs, 0, 100), c.words) << c.language;
    }
    // The caption is the game's own, in every language.
    EXPECT_STREQ(facts::kCaption, "Tarnvale - Nickname Tester");
}

TEST(Format, FillsNumberedPlaceholdersInAnyOrder)
{
    EXPECT_EQ(format("%2$s then %1$s, %3$s", {"a", "b"}), "b then a, ");
    EXPECT_EQ(format("100% %1$s%", {"x"}), "100% x%");
    EXPECT_EQ(format("%1$s", {u"\xD800lone"}), u"\xD800lone") << "a name's UTF-16 kept as it is";
    EXPECT_EQ(utf16("a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"), u"a\u00e9\u4e2d\U0001F600");
}

// A menu label's access key, folded to small letters as a key press finds
// it (enough of Unicode for the catalogues' scripts); 0 for none.
char16_t accessKey(const std::string &label)
{
    const std::u16string text = utf16(label);
    const std::size_t amp = text.find(u'&');
    if (amp == std::u16string::npos || amp + 1 >= text.size() ||
        text.find(u'&', amp + 1) != std::u16string::npos) {
        return 0;
    }
    const char16_t c = text[amp + 1];
    if ((c >= u'A' && c <= u'Z') || (c >= u'\u00C0' && c <= u'\u00DE') ||
        (c >= u'\u0410' && c <= u'\u042F')) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (c >= u'\u0400' && c <= u'\u040F') {
        return static_cast<char16_t>(c + 0x50);
    }
    if (c >= u'\u0100' &&
        c <= u'\u017F') { // Latin Extended-A pairs its capitals with the small letters after them
        return static_cast<char16_t>(c | ((c >= u'\u0139' && c <= u'\u0148') || c >= u'\u0179' ? 0 : 1));
    }
    return c;
}

// Each menu's labels as shown: a submenu's own after its parent's.
std::vector<std::vector<std::string>> menuLabels(const std::vector<menus::Entry> &entries)
{
    std::vector<std::vector<std::string>> found{{}};
    std::vector<std::size_t> open{0};
    for (const menus::Entry &entry : entries) {
        if (entry.kind == tools::Kind::Item || entry.kind == tools::Kind::Submenu) {
            found[open.back()].push_back(entry.label);
        }
        if (entry.kind == tools::Kind::Submenu) {
            found.emplace_back();
            open.push_back(found.size() - 1);
        } else if (entry.kind == tools::Kind::End) {
            open.pop_back();
        }
    }
    return found;
}

TEST_F(Language, EveryMenuItemHasAnAccessKeyOfItsOwnInEveryLanguage)
{
    std::vector<std::string> languages{"en"};
    for (std::string_view rest = HUEPREV_CATALOGUES; !rest.empty();) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        languages.emplace_back(rest.substr(0, comma));
        rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    const auto offered = [](std::size_t) { return true; };
    for (const std::string &language : languages) {
        chooseLanguage({language});
        for (const menus::Platform platform : {menus::Platform::Linux, menus::Platform::Windows}) {
            // The bar, then every menu it opens and the context menu, as each desktop shows them.
            std::vector<std::vector<std::string>> shown{{}};
            for (const menus::Title &title : menus::menuBar()) {
                shown.front().push_back(title.label);
            }
            for (const menus::Menu menu :
                 {menus::Menu::Edit, menus::Menu::Name, menus::Menu::Help, menus::Menu::Context}) {
                const auto labels = menuLabels(menus::assemble(menu, platform, {}, offered));
                shown.insert(shown.end(), labels.begin(), labels.end());
            }
            ASSERT_EQ(shown.size(), 9U) << "the bar, four menus and two submenus twice";
            // The colour dialog's labels, one window's access keys.
            const ColorDialogWords dialog = colorDialogWords();
            shown.push_back(dialog.rows);
            shown.back().insert(shown.back().end(), {dialog.add, dialog.longWay, dialog.atMost});
            for (const std::vector<std::string> &menu : shown) {
                std::vector<char16_t> keys;
                for (const std::string &label : menu) {
                    const char16_t key = accessKey(label);
                    EXPECT_NE(key, 0) << language << ": " << label;
                    EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 0)
                        << language << (platform == menus::Platform::Linux ? " on Linux: " : " on Windows: ")
                        << label;
                    keys.push_back(key);
                }
            }
        }
        // The page's buttons have no access keys.
        for (const menus::Entry &entry :
             menus::assemble(menus::Menu::Strip, menus::Platform::Page, {}, offered)) {
            EXPECT_EQ(entry.label.find('&'), std::string::npos) << language << ": " << entry.label;
        }
    }
}

} // namespace
} // namespace hueprev::testing
