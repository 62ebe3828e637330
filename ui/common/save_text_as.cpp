#include "ui/common/save_text_as.h"

#include <QDir>

#include "core/replace_file.h"
#include "ui/common/dialogs.h"

QString SaveTextAs(QWidget* parent, const std::function<std::string()>& text) {
    const QString folder = QDir::currentPath();
    QString saved;
    FileDialogRequest request;
    request.caption = QStringLiteral("Speichern unter");
    const FileDialogAnswer answer = AppDialogs().SaveFile(request, parent);
    if (answer.ok) {
        // Written beside the target and renamed over it: a failed write leaves an
        // existing file as it was.
        const ReplaceFileResult written = ReplaceFileContents(
            QDir(folder).absoluteFilePath(answer.fileName).toStdString(), text());
        if (!written.ok) {
            QString message =
                QStringLiteral("E/A-Fehler: ") + QString::fromStdString(written.errorText);
            if (written.targetExisted)
                message += QStringLiteral("\n\nDie bisherige Datei \"%1\" bleibt unverändert.")
                               .arg(answer.fileName);
            AppDialogs().Message(QStringLiteral("Polaride"), message, parent);
        } else {
            saved = answer.fileName;
        }
    }
    QDir::setCurrent(folder);
    return saved;
}
