#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace hueprev {

// How many characters two texts share at their start, and then at their end
// without overlapping the start: what an edit from one to the other left alone.
struct CommonEnds
{
    std::size_t prefix;
    std::size_t suffix;
};

template <typename Text> CommonEnds commonEnds(const Text &was, const Text &now)
{
    const auto prefix = static_cast<std::size_t>(
        std::mismatch(was.begin(), was.end(), now.begin(), now.end()).first - was.begin());
    const std::size_t rest =
        std::min(static_cast<std::size_t>(std::size(was)), static_cast<std::size_t>(std::size(now))) - prefix;
    const auto suffix = static_cast<std::size_t>(
        std::mismatch(was.rbegin(), was.rbegin() + static_cast<std::ptrdiff_t>(rest), now.rbegin()).first -
        was.rbegin());
    return {prefix, suffix};
}

} // namespace hueprev
