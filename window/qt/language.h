#pragma once

class QTranslator;

namespace hueprev {

// Chooses hueprev's words from the desktop's languages, before anything is said.
void chooseDesktopLanguage();

// Loads Qt's own words (the input's context menu, say) in the chosen language,
// from Debian's qt6-translations-l10n; false where there are none.
bool loadQtWords(QTranslator &translator);

} // namespace hueprev
