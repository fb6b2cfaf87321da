#include "window/qt/startup.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace hueprev {

namespace {
struct Held
{
    QtMsgType type;
    QString message;
};

QtMessageHandler previousHandler = nullptr;
std::vector<Held> held;

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.category != nullptr && std::strcmp(context.category, "default") != 0
                                  ? QString::fromUtf8(context.category) + QStringLiteral(": ") + message
                                  : message});
        return;
    }
    const bool noDisplay = std::any_of(held.cbegin(), held.cend(), [](const Held &h) {
        return h.message.contains(QLatin1String("could not connect to display"));
    });
    if (noDisplay) {
        const char *display = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "hueprev: cannot open a display (DISPLAY=%s); run it on a desktop, or under a virtual "
                     "display: xvfb-run -a hueprev\n",
                     display != nullptr && *display != '\0' ? display : "unset");
    } else {
        // Anything else is said in Qt's own words, which name what failed.
        for (const Held &h : held) {
            std::fprintf(stderr, "%s\n", qPrintable(h.message));
        }
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    std::_Exit(1);
}
} // namespace

StartupGuard::StartupGuard()
{
    previousHandler = qInstallMessageHandler(guardHandler);
}

StartupGuard::~StartupGuard()
{
    started();
}

void StartupGuard::started() const
{
    qInstallMessageHandler(previousHandler);
    for (const Held &h : held) {
        qt_message_output(h.type, QMessageLogContext(), h.message);
    }
    held.clear();
}

} // namespace hueprev
