#pragma once

namespace hueprev {

// Turns Qt's abort at start-up into a non-zero exit without a core dump: one
// plain line when no display can be opened, Qt's own messages for any other
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

} // namespace hueprev
