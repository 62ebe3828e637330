// The text of a printed PDF, read back through pdftotext (poppler-utils).
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// The text in layout mode, pages separated by form feeds; empty when pdftotext cannot run.
std::string PdfText(const std::filesystem::path& pdf);

}  // namespace testsupport
