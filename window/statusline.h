#pragma once

#include <string_view>
#include <vector>

namespace hueprev {

// Where the window says how long the name is and what a tool did: beside
// the desktop's menu bar, in the page's strip. Each front-end implements it.
class StatusLine
{
public:
    virtual ~StatusLine() = default;
    // These words in place of what it showed.
    virtual void show(std::u16string_view words) = 0;
    // The same, told to a screen reader at once, as a notice.
    virtual void announce(std::u16string_view words) = 0;
    // Whether it shows which tools would do anything: the page's buttons are
    // always in view, while a desktop menu asks as it opens.
    virtual bool showsTools() const { return false; }
    // Which tools would change the name now, by their index, once the input settles.
    virtual void enableTools(const std::vector<bool> & /*enabled*/) {}
};

} // namespace hueprev
