#include "window/qt/startup.h"

#include "window/language.h"

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

bool anyContains(const QStringList &messages, QLatin1String words)
{
    return std::any_of(messages.cbegin(), messages.cend(),
                       [words](const QString &message) { return message.contains(words); });
}

QString named(const char *variable, const char *value)
{
    return QString::fromLatin1(variable) + QLatin1Char('=') +
           (value != nullptr && *value != '\0' ? QString::fromLocal8Bit(value) : QStringLiteral("unset"));
}

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.category != nullptr && std::strcmp(context.category, "default") != 0
                                  ? QString::fromUtf8(context.category) + QStringLiteral(": ") + message
                                  : message});
        return;
    }
    QStringList messages;
    for (const Held &h : held) {
        messages.append(h.message);
    }
    if (const auto line =
            unreachableDisplayLine(messages, {std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY")})) {
        std::fprintf(stderr, "%s\n", qPrintable(*line));
    } else {
        // Anything else is said in Qt's own words, which name what failed.
        for (const QString &m : messages) {
            std::fprintf(stderr, "%s\n", qPrintable(m));
        }
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    std::_Exit(1);
}
} // namespace

std::optional<QString> unreachableDisplayLine(const QStringList &messages, DisplayNames names)
{
    // The display may be fine; the plugin that would reach it is what is missing.
    if (anyContains(messages, QLatin1String("Could not find the Qt platform plugin"))) {
        return std::nullopt;
    }
    QStringList tried;
    if (anyContains(messages, QLatin1String("Failed to create wl_display"))) {
        tried.append(named("WAYLAND_DISPLAY", names.wayland));
    }
    if (anyContains(messages, QLatin1String("could not connect to display"))) {
        tried.append(named("DISPLAY", names.x11));
    }
    if (tried.isEmpty()) {
        return std::nullopt;
    }
    const std::string displays = tried.join(QStringLiteral(", ")).toStdString();
    return QString::fromStdString(format("hueprev: cannot open a display (%1$s); run it on a desktop, or "
                                         "under a virtual display: xvfb-run -a hueprev",
                                         {displays}));
}

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
