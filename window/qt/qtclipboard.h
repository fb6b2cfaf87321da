#pragma once

#include "window/clipboard.h"
#include "window/qt/utf16.h"

#include <QClipboard>
#include <QGuiApplication>

namespace hueprev {

// The core's clipboard on the desktop's.
class QtClipboard final : public Clipboard
{
public:
    void setText(std::u16string_view text) override
    {
        QGuiApplication::clipboard()->setText(toQString(text));
    }
};

} // namespace hueprev
