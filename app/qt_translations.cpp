#include "app/qt_translations.h"

#include <QTranslator>

std::unique_ptr<QTranslator> LoadQtGermanTranslations(const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_de"), folder)) return nullptr;
    return translator;
}
