// hueprev's words in the player's language: which catalogue a platform's
// list of languages chooses, and the words the window then says.
#include "preview/renderer.h"
#include "window/catalogues.h"
#include "window/facts.h"
#include "window/language.h"
#include "window/speech.h"

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

} // namespace
} // namespace hueprev::testing
