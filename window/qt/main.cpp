#include "window/qt/mainwindow.h"
#include "window/qt/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const hueprev::StartupGuard guard;
    QApplication app(argc, argv);
    guard.started();
    QApplication::setApplicationName(QStringLiteral("hueprev"));
    QApplication::setApplicationVersion(QStringLiteral(HUEPREV_VERSION));
    // Wayland has no window icon: the desktop finds the entry, and its icon and
    // name, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(HUEPREV_APP_ID));

    hueprev::MainWindow window;
    window.show();
    return QApplication::exec();
}
