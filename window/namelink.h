#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// A name carried in the page's address after its "#", percent-encoded UTF-8
// as encodeURIComponent writes it. A link is anyone's input: what it brings
// is plain text of bounded length, and only ever the name.
namespace hueprev {

// The most characters of a name a link brings.
inline constexpr std::size_t kLinkNameLimit = 10'000;

// The fragment for a name; a lone surrogate is written as U+FFFD.
std::string linkFragment(std::u16string_view name);

enum class LinkError {
    Unreadable, // not percent-encoded UTF-8
    TooLong,    // more than kLinkNameLimit characters
};
// The name a fragment holds, or why it holds none.
std::variant<std::u16string, LinkError> nameFromFragment(std::string_view fragment);

} // namespace hueprev
