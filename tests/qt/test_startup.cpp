#include "window/qt/startup.h"

#include <gtest/gtest.h>

namespace hueprev::testing {
namespace {

// What Qt 6.4 logs before it gives up, as the guard holds it back.
const QString kNoWlDisplay = QStringLiteral("Failed to create wl_display (No such file or directory)");
const QString kNoXDisplay = QStringLiteral("qt.qpa.xcb: could not connect to display ");
const QString kNoWaylandPlugin =
    QStringLiteral("qt.qpa.plugin: Could not find the Qt platform plugin \"wayland\" in \"\"");
const QString kNotLoaded = QStringLiteral(
    "qt.qpa.plugin: Could not load the Qt platform plugin \"xcb\" in \"\" even though it was found.");

TEST(StartupGuard, NamesTheDisplaysThatCouldNotBeReached)
{
    struct Case
    {
        const char *name;
        QStringList messages;
        DisplayNames names;
        const char *expected; // inside the one line; nullptr: Qt's own words instead
    };
    const Case cases[] = {
        {"no X server", {kNoXDisplay, kNotLoaded}, {nullptr, nullptr}, "(DISPLAY=unset)"},
        {"dead X server", {kNoXDisplay, kNotLoaded}, {nullptr, ":65000"}, "(DISPLAY=:65000)"},
        {"no compositor, then no X server",
         {kNoWlDisplay, kNoXDisplay, kNotLoaded},
         {"wayland-9", ""},
         "(WAYLAND_DISPLAY=wayland-9, DISPLAY=unset)"},
        {"Wayland session without Qt's Wayland plugin",
         {kNoWaylandPlugin, kNoXDisplay, kNotLoaded},
         {"wayland-0", nullptr},
         nullptr},
        {"a plugin that fails otherwise", {kNotLoaded}, {nullptr, ":0"}, nullptr},
    };
    for (const Case &c : cases) {
        const auto line = unreachableDisplayLine(c.messages, c.names);
        if (c.expected == nullptr) {
            EXPECT_FALSE(line.has_value()) << c.name << ": " << line.value_or(QString()).toStdString();
            continue;
        }
        ASSERT_TRUE(line.has_value()) << c.name;
        EXPECT_TRUE(line->startsWith(QStringLiteral("hueprev: cannot open a display ")))
            << c.name << ": " << line->toStdString();
        EXPECT_TRUE(line->contains(QLatin1String(c.expected))) << c.name << ": " << line->toStdString();
    }
}

} // namespace
} // namespace hueprev::testing
