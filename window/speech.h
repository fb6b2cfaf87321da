#pragma once

#include "preview/nametools.h"
#include "preview/runs.h"

#include <cstddef>
#include <string>

namespace hueprev {

// How much of a long preview is said: a few boxes' width either side of the caret.
inline constexpr std::size_t kSpokenEachSide = 100;
// How long the input stays unchanged before a screen reader is told of a new preview.
inline constexpr int kSpeechSettleMilliseconds = 400;

// What a screen reader says for the preview: its runs in order, each its
// text and the name of its colour as the buttons name it ("Red, red. White,
// white."), bounded to `eachSide` characters either side of the caret, which
// stands at `caret` of the runs' text. Empty for an empty preview.
std::u16string previewWords(const PreviewRuns &runs, std::size_t caret, std::size_t eachSide);

// How long the name is, to the game and as shown: "Characters: 14, shown: 8".
std::u16string countWords(const NameCount &count);

} // namespace hueprev
