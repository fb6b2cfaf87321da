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

    hueprev::MainWindow window;
    window.show();
    return QApplication::exec();
}
