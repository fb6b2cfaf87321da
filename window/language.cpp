#include "window/language.h"

#include "preview/utf16.h"
#include "preview/utf8.h"
#include "window/catalogues.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

namespace hueprev {

namespace {
const catalogues::Catalogue *chosen = nullptr;

// "pt_BR.UTF-8@euro" and "PT-br" both as "pt-BR": language, then region.
std::string normalised(std::string_view tag)
{
    tag = tag.substr(0, tag.find_first_of(".@"));
    std::string out;
    bool region = false;
    for (const char c : tag) {
        if (c == '_' || c == '-') {
            region = true;
            out += '-';
        } else {
            const auto u = static_cast<unsigned char>(c);
            out += static_cast<char>(region ? std::toupper(u) : std::tolower(u));
        }
    }
    return out;
}

const catalogues::Catalogue *catalogueFor(const std::string &tag)
{
    const auto *end = catalogues::kAll + catalogues::kCount;
    const auto *exact = std::find_if(catalogues::kAll, end, [&](const auto &c) { return tag == c.language; });
    if (exact != end) {
        return exact;
    }
    // A language whose catalogue is for one region only ("pt-BR") is not
    // taken for another region; one without a region serves them all.
    const std::string language = tag.substr(0, tag.find('-'));
    const auto *general =
        std::find_if(catalogues::kAll, end, [&](const auto &c) { return language == c.language; });
    return general != end ? general : nullptr;
}
} // namespace

std::string chooseLanguage(const std::vector<std::string> &preferred)
{
    chosen = nullptr;
    for (const std::string &tag : preferred) {
        const std::string wanted = normalised(tag);
        if (wanted == "en" || wanted.starts_with("en-") || wanted == "c" || wanted == "posix") {
            break;
        }
        if ((chosen = catalogueFor(wanted)) != nullptr) {
            break;
        }
    }
    return chosenLanguage();
}

std::string chosenLanguage()
{
    return chosen != nullptr ? chosen->language : "en";
}

const char *translate(const char *english)
{
    if (chosen == nullptr) {
        return english;
    }
    const auto *end = chosen->entries + chosen->count;
    const auto *found =
        std::lower_bound(chosen->entries, end, english, [](const auto &entry, const char *key) {
            return std::strcmp(entry.english, key) < 0;
        });
    return found != end && std::strcmp(found->english, english) == 0 ? found->translated : english;
}

namespace {
// Fills %1$s .. %9$s of a pattern.
template <typename Char>
std::basic_string<Char> fill(std::basic_string_view<Char> pattern,
                             std::initializer_list<std::basic_string_view<Char>> arguments)
{
    std::basic_string<Char> out;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 3 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9' && pattern[at + 2] == '$' && pattern[at + 3] == 's') {
            const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (index < arguments.size()) {
                out += *(arguments.begin() + index);
            }
            at += 3;
        } else {
            out += pattern[at];
        }
    }
    return out;
}
} // namespace

std::string format(const char *english, std::initializer_list<std::string_view> arguments)
{
    return fill(std::string_view(translate(english)), arguments);
}

std::u16string format(const char *english, std::initializer_list<std::u16string_view> arguments)
{
    const std::u16string pattern = utf16(translate(english));
    return fill(std::u16string_view(pattern), arguments);
}

std::u16string utf16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::optional<Utf8Char> next = decodeUtf8(utf8, at);
        appendUtf16(out, next ? next->code : U'\uFFFD');
        at += next ? next->length : 1;
    }
    return out;
}

} // namespace hueprev
