#include "window/startup.h"

#include <QString>
#include <QtGlobal>

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
    const char *display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "hueprev: cannot open a display (DISPLAY=%s); run it on a desktop, or under a virtual "
                 "display: xvfb-run -a hueprev\n",
                 display != nullptr && *display != '\0' ? display : "unset");
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
