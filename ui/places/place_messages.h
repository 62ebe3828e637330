// The message boxes of the place windows, shown through the Dialogs service.
#pragma once

#include <string>

#include "catalog/place_entry.h"

class QWidget;

namespace location {

// The box of a failed field: "Ungültige Eingabe" for longitude and latitude, the
// number-conversion error for the other number fields.
void ShowPlaceFieldError(const PlaceEntryResult& result, QWidget* parent);
// A text that is not a number ("'abc' ist kein gültiger Gleitkommawert").
void ShowNumberError(const std::string& text, QWidget* parent);
// A data file that is missing or malformed.
void ShowFileError(const std::string& what, QWidget* parent);

}  // namespace location
