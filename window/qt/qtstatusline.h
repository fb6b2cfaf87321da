#pragma once

#include "window/qt/utf16.h"
#include "window/statusline.h"

#include <QAccessible>
#include <QLabel>

namespace hueprev {

// The core's status line on a label beside the menu bar, which a screen
// reader finds when it reviews the window.
class QtStatusLine final : public StatusLine
{
public:
    explicit QtStatusLine(QLabel *label) : label_(label) {}

    void show(std::u16string_view words) override { label_->setText(toQString(words)); }
    void announce(std::u16string_view words) override
    {
        show(words);
        QAccessibleEvent changed(label_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }

private:
    QLabel *label_;
};

} // namespace hueprev
