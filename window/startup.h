#pragma once

namespace hueprev {

// Turns Qt's abort when no display can be opened into one plain line and a
// non-zero exit. Messages logged before start-up are held back and passed on
// once the application object exists.
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
