#include "ui/satellites/pass_search_caption.h"

#include "core/number_text.h"

std::string PassSearchCaption(const PassSearchProgress& progress, const std::string& placeName,
                              std::string_view modelName) {
    using Stage = PassSearchProgress::Stage;
    const std::string place = " Polaride - Sichtbarkeitsbedingungen für " + placeName;
    const std::string percent = std::to_string(progress.percent) + "%";
    switch (progress.stage) {
        case Stage::Started:
            return place;
        case Stage::Computing:
            return "Berechne Durchgänge " + percent + "       (Abbruch mit rechter Maustaste)";
        case Stage::Sorting:
            return "Sortiere Durchgänge";
        case Stage::Ordering:
            return "Erstelle Liste von Durchgängen " + percent;
        case Stage::Listing:
            return "Schreibe Liste von Durchgängen " + percent;
        case Stage::Done:
            return place + " (" + numtext::CountOf(progress.passCount, "Durchgang", "Durchgänge") +
                   ", " + std::string(modelName) + ")";
    }
    return place;
}
