#include "ui/common/settings_load_save.h"

#include <QString>

#include "catalog/settings_file.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "satellite/satellite_table.h"
#include "ui/common/dialogs.h"

bool LoadSettingsAtStartup() {
    ApplyDefaultObserverSettings(Place(), ViewOptions());
    Settings() = SettingsFields{};
    const SettingsReadResult result =
        ReadSettingsFile(kSettingsFileName, Place(), ViewOptions(), Settings());
    Satellites().SetOrbitModel(Settings().classicOrbitModel ? OrbitModel::Sgp : OrbitModel::Sgp4);
    if (!result.ok)
        AppDialogs().Message("Polaride",
                             QString::fromStdString(result.errorText) +
                                 "\n\nFür die fehlenden Einstellungen gelten die Vorgaben.");
    return result.ok;
}

bool SaveSettingsAtExit() {
    std::string error, kept;
    const bool ok = WriteSettingsFile(kSettingsFileName, Place(), ViewOptions(), Shown().currentJD,
                                      Settings(), &error, &kept);
    if (!ok) {
        AppDialogs().Message(
            "Fehler beim Speichern",
            QString("Die Einstellungen konnten nicht in \"%1\" geschrieben werden:\n%2\n\n"
                    "Die bisherige Datei bleibt unverändert.")
                .arg(kSettingsFileName, QString::fromStdString(error)));
    } else if (!kept.empty()) {
        AppDialogs().Message(
            "Einstellungen",
            QString("Diese Angaben enthalten Zeichen, die \"%1\" nicht speichern kann; "
                    "ihre Zeilen behalten den bisherigen Inhalt:\n%2")
                .arg(kSettingsFileName, QString::fromStdString(kept)));
    }
    return ok;
}
