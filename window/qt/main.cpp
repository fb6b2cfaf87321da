#include "window/qt/mainwindow.h"
#include "window/qt/startup.h"

#include "window/qt/language.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // In the desktop's language from the first word on, start-up errors included.
    hueprev::chooseDesktopLanguage();
    const hueprev::StartupGuard guard;
    QApplication app(argc, argv);
    guard.started();
    // Qt's own words, as in the input's context menu, from Debian's qt6-translations-l10n.
    QTranslator qtWords;
    if (hueprev::loadQtWords(qtWords)) {
        QCoreApplication::installTranslator(&qtWords);
    }
    QApplication::setApplicationName(QStringLiteral("hueprev"));
    QApplication::setApplicationVersion(QStringLiteral(HUEPREV_VERSION));
    // Wayland has no window icon: the desktop finds the entry, and its icon and
    // name, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(HUEPREV_APP_ID));

    hueprev::MainWindow window;
    window.show();
    return QApplication::exec();
}
