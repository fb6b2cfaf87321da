#pragma once

#include <random>
#include <string>
#include <vector>

namespace hueprev::testing {

// How many of a property's generated names a build runs: all where the
// tests run natively, under the sanitizers too; a tenth under an emulator
// (Wine, Node), which checks the same rules on another compiler's code.
#ifndef HUEPREV_GENERATED_SHARE
#define HUEPREV_GENERATED_SHARE 1
#endif

// The same pseudo-random names on every run and every platform.
inline std::vector<std::u16string> generatedInputs(int count)
{
    count = count / HUEPREV_GENERATED_SHARE;
    // Rich in carets and digits, with some text that only looks like digits.
    static constexpr char16_t alphabet[] = {u'^',
                                            u'^',
                                            u'^',
                                            u'^',
                                            u'0',
                                            u'1',
                                            u'7',
                                            u'9',
                                            u'a',
                                            u' ',
                                            u'\u00e9',
                                            u'\uFF11',
                                            char16_t{0xD83D},
                                            char16_t{0xDE00},
                                            u'<',
                                            u'\n',
                                            u'\u0301',
                                            u'\u200D'};
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::vector<std::u16string> inputs;
    for (int n = 0; n < count; ++n) {
        std::u16string s;
        for (int i = length(rng); i > 0; --i) {
            s.push_back(alphabet[pick(rng)]);
        }
        inputs.push_back(std::move(s));
    }
    return inputs;
}

} // namespace hueprev::testing
