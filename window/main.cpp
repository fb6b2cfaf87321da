#include "window/mainwindow.h"
#include "window/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const hueprev::StartupGuard guard;
    QApplication app(argc, argv);
    guard.started();
    QApplication::setApplicationName(QStringLiteral("hueprev"));
    QApplication::setApplicationVersion(QStringLiteral(HUEPREV_VERSION));

    hueprev::MainWindow window;
    window.show();
    return QApplication::exec();
}
