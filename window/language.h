#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// hueprev's words in the player's language. The English words stay in the
// code, marked with translatable() where they are not translated on the
// spot; each language's catalogue (resources/po) is built into the program.
namespace hueprev {

// Chooses, once at start, the first of the player's languages, best first as
// the platform lists them ("de-DE", "pt_BR.UTF-8", "fr"), that has a
// catalogue; English where none has. Returns the chosen language's tag.
std::string chooseLanguage(const std::vector<std::string> &preferred);

// The chosen language's tag: "en", "de", "pt-BR" and so on.
std::string chosenLanguage();

// A word of hueprev's in the chosen language; the English where the
// catalogue lacks it.
const char *translate(const char *english);

// A translated pattern with its placeholders %1$s, %2$s ... filled in.
std::string format(const char *english, std::initializer_list<std::string_view> arguments);

// The same for text that may hold any UTF-16, such as a name.
std::u16string format(const char *english, std::initializer_list<std::u16string_view> arguments);

// UTF-8, as the catalogues hold it, as UTF-16.
std::u16string utf16(std::string_view utf8);

} // namespace hueprev
