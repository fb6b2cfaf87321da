#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A name carried in the page's address after its "#", percent-encoded UTF-8
// as encodeURIComponent writes it. A link is anyone's input: what it brings
// is plain text of bounded length, and only ever the name.
namespace hueprev {

// The most characters of a name a link brings; a longer one is cut.
inline constexpr std::size_t kLinkNameLimit = 10'000;

// The fragment for a name; a lone surrogate is written as U+FFFD.
std::string linkFragment(std::u16string_view name);

// The name a fragment holds, at most kLinkNameLimit characters and never
// half a character; none if it is not percent-encoded UTF-8.
std::optional<std::u16string> nameFromFragment(std::string_view fragment);

} // namespace hueprev
