// Writing a whole file so that a failure never costs the file that was there: the bytes
// go to a temporary file in the same folder, every write, the flush to the disk and the
// close are checked, and only then is the temporary file renamed over the target. On
// any failure the temporary file is removed and the target stays byte for byte as it
// was (or absent, if it did not exist). Used for the settings file and the pass and
// orbit-class lists.
#pragma once

#include <string>
#include <string_view>

struct ReplaceFileResult {
    bool ok = false;
    bool targetExisted = false;  // a file of that name was there before
    std::string errorText;       // the system's description of the failure, empty when ok
};

ReplaceFileResult ReplaceFileContents(const std::string& path, std::string_view bytes);
