#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace turnix {

// Loads the program's and Qt's own translations for the locale and installs
// them in the application; English needs none. Returns whether the program's
// own were found. The program's come from a "translations" folder beside it
// when there is one (a translator's fresh file), else from those built in.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// The languages the program speaks besides English: "de", "fr", ...
[[nodiscard]] QStringList TranslatedLanguages();

} // namespace turnix
