#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTranslator>

#include "app/qt_translations.h"
#include "support/test_paths.h"

namespace {

TEST(QtGermanTranslations, StandardButtonsSpeakGerman) {
    const std::unique_ptr<QTranslator> german = LoadQtGermanTranslations();
    if (!german) GTEST_SKIP() << "qtbase_de.qm is not installed (qt6-translations-l10n)";
    QCoreApplication::installTranslator(german.get());
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const QString cancel = buttons.button(QDialogButtonBox::Cancel)->text();
    QCoreApplication::removeTranslator(german.get());
    EXPECT_EQ(cancel.toStdString(), "Abbrechen");
}

TEST(QtGermanTranslations, MissingCatalogueIsNoObstacle) {
    testsupport::TempDir empty;
    EXPECT_EQ(LoadQtGermanTranslations(QString::fromStdString(empty.path().string())), nullptr);
}

}  // namespace
