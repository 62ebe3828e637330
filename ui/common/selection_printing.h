// Prints pages of positioned text lines on a printer in the program's print mapping:
// units of 0.1 mm from the top left corner of the printable area, y upwards (negative
// down the page), "Courier New" regular with a given cell height in those units. Each
// text's top left corner sits at its position.
#pragma once

#include <vector>

#include "prediction/selection_print.h"

class QPrinter;

// Starts the document, prints every page (a new page between pages) and ends it.
// False when the printer cannot be started.
bool PrintTextPages(QPrinter& printer, const std::vector<PrintedPage>& pages,
                    int fontHeight01mm = 46);
