// Data files that exist but cannot be read: a folder in the file's place, and a file
// whose every read fails with an input/output error (/proc/self/mem, linked in where
// the system has it).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The forms this system offers: "folder", and "/proc/self/mem" when it can be opened.
std::vector<std::string> UnreadableForms();

// Puts the form at path, replacing whatever was there.
void MakeUnreadable(const std::filesystem::path& path, const std::string& form);

}  // namespace testsupport
