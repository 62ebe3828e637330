#include "ui/common/save_text_as.h"

#include <QDir>

#include "core/replace_file.h"
#include "ui/common/dialogs.h"

bool WriteTextFile(QWidget* parent, const QString& fileName, const std::string& text) {
    // Written beside the target and renamed over it: a failed write leaves an existing
    // file as it was.
    const ReplaceFileResult written =
        ReplaceFileContents(QDir::current().absoluteFilePath(fileName).toStdString(), text);
    if (written.ok) return true;
    QString message = QStringLiteral("E/A-Fehler: ") + QString::fromStdString(written.errorText);
    if (written.targetExisted)
        message +=
            QStringLiteral("\n\nDie bisherige Datei \"%1\" bleibt unverändert.").arg(fileName);
    AppDialogs().Message(QStringLiteral("Polaride"), message, parent);
    return false;
}

QString SaveTextAs(QWidget* parent, const std::function<std::string()>& text) {
    const QString folder = QDir::currentPath();
    QString saved;
    FileDialogRequest request;
    request.caption = QStringLiteral("Speichern unter");
    const FileDialogAnswer answer = AppDialogs().SaveFile(request, parent);
    // A real file dialog may change the working folder; the name is taken in the old one.
    QDir::setCurrent(folder);
    if (answer.ok && WriteTextFile(parent, answer.fileName, text())) saved = answer.fileName;
    return saved;
}
