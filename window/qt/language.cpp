#include "window/qt/language.h"

#include "window/language.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>
#include <vector>

namespace hueprev {

void chooseDesktopLanguage()
{
    // LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as Qt reads them.
    std::vector<std::string> languages;
    for (const QString &language : QLocale::system().uiLanguages()) {
        languages.push_back(language.toStdString());
    }
    chooseLanguage(languages);
}

bool loadQtWords(QTranslator &translator)
{
    return translator.load(QLocale(QString::fromStdString(chosenLanguage())), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace hueprev
