#include "passes/save_text_as.h"

#include <QDir>
#include <QFile>

#include "app/dialogs.h"

void SaveTextAs(QWidget* parent, const std::function<std::string()>& text) {
    const QString folder = QDir::currentPath();
    FileDialogRequest request;
    request.caption = QStringLiteral("Speichern unter");
    const FileDialogAnswer answer = AppDialogs().SaveFile(request, parent);
    if (answer.ok) {
        const std::string content = text();
        QFile file(answer.fileName);
        bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        if (written)
            written = file.write(content.data(), static_cast<qint64>(content.size())) ==
                      static_cast<qint64>(content.size());
        if (written) written = file.flush();
        const QString error = file.errorString();
        file.close();
        if (!written)
            AppDialogs().Message(QStringLiteral("Polaride"), QStringLiteral("E/A-Fehler: ") + error,
                                 parent);
    }
    QDir::setCurrent(folder);
}
