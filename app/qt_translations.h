// Qt's own texts in German: the standard buttons ("Abbrechen", "Öffnen"), the file,
// print and input dialogs and the key names in the menus ("Strg+P").
#pragma once

#include <QLibraryInfo>
#include <QString>
#include <memory>

class QTranslator;

// Qt's German catalogue "qtbase_de.qm" from `folder` (by default the system's Qt
// translations, Debian package qt6-translations-l10n); nullptr when it is not there,
// and the program runs on with Qt's English texts.
std::unique_ptr<QTranslator> LoadQtGermanTranslations(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
