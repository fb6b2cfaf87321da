#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace hueprev {

// Turns Qt's abort at start-up into a non-zero exit without a core dump: one
// plain line when no display can be reached, Qt's own messages for any other
// failure. Messages logged before start-up are held back and passed on once
// the application object exists.
class StartupGuard
{
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard &) = delete;
    StartupGuard &operator=(const StartupGuard &) = delete;

    // The platform is up: pass on what was held back and stop guarding.
    void started() const;
};

// The environment variables that name the displays Qt may try.
struct DisplayNames
{
    const char *wayland; // WAYLAND_DISPLAY, or nullptr
    const char *x11;     // DISPLAY, or nullptr
};

// The one line for a start that failed because no display could be reached,
// naming each one Qt tried; nothing when Qt's own messages say it better, as
// for a platform plugin that is not installed.
std::optional<QString> unreachableDisplayLine(const QStringList &messages, DisplayNames names);

} // namespace hueprev
