#include "ui/places/place_messages.h"

#include <QString>

#include "core/number_text.h"
#include "ui/common/dialogs.h"

namespace location {

namespace {
// The caption of the error boxes of failed file reads and conversions, as the chart uses.
const QString kErrorCaption = QStringLiteral("Fehler");
}  // namespace

void ShowPlaceFieldError(const PlaceEntryResult& result, QWidget* parent) {
    const std::string message = PlaceErrorMessage(result.failed);
    if (!message.empty()) {
        AppDialogs().Message(QString::fromUtf8(kInvalidEntryCaption),
                             QString::fromStdString(message), parent);
    } else if (!result.ok()) {
        ShowNumberError(result.badText, parent);
    }
}

void ShowNumberError(const std::string& text, QWidget* parent) {
    ShowNotANumber(QString::fromStdString(text), parent, kErrorCaption);
}

void ShowFileError(const std::string& what, QWidget* parent) {
    AppDialogs().Message(kErrorCaption, QString::fromStdString(what), parent);
}

}  // namespace location
