#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include "app/qt_translations.h"

TEST(QtGermanTranslations, StandardButtonsSpeakGermanAndAMissingCatalogueIsNoObstacle) {
    EXPECT_EQ(LoadQtGermanTranslations(QStringLiteral("/nonexistent")), nullptr);
    const std::unique_ptr<QTranslator> german = LoadQtGermanTranslations();
    if (!german) GTEST_SKIP() << "qtbase_de.qm is not installed (qt6-translations-l10n)";
    QCoreApplication::installTranslator(german.get());
    const QString cancel = QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text();
    QCoreApplication::removeTranslator(german.get());
    EXPECT_EQ(cancel.toStdString(), "Abbrechen");
}
