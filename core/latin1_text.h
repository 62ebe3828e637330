// Texts of the data files and the settings file are 8-bit Latin-1; the program's own
// texts are UTF-8.
#pragma once

#include <string>

// A Latin-1 text as UTF-8: every byte is one character (U+0000..U+00FF).
std::string Latin1ToUtf8(const std::string& text);
