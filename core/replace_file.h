// Writing a whole file so that a failure never costs the file that was there: the bytes
// go to a temporary file in the same folder, every write, the flush to the disk and the
// close are checked, and only then is the temporary file renamed over the target. On
// any failure the temporary file is removed and the target stays byte for byte as it
// was (or absent, if it did not exist). Used for the settings file, the pass and
// orbit-class lists, the chart pictures and the downloaded elements.
//
// What stands at the path decides how it is written:
//  - a regular file is replaced as above, keeping its permissions;
//  - a symbolic link is followed: the file it leads to is replaced (or created), the
//    link stays a link;
//  - anything else that can be opened for writing (a device such as /dev/null, a named
//    pipe, a terminal) is written into as it is, never replaced;
//  - a folder, and a file that is write-protected (no write permission bit at all, or no
//    permission for this user), are refused and left as they are.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct ReplaceFileResult {
    bool ok = false;
    bool targetExisted = false;  // a file of that name was there before
    std::string errorText;       // German description of the failure, empty when ok
};

ReplaceFileResult ReplaceFileContents(const std::string& path, std::string_view bytes);

// The same for contents made piece by piece: `produce` hands each piece to the sink in
// order, so a long output never stands in memory whole. After a failed write the
// remaining pieces are dropped and the failure is reported as above.
using ContentSink = std::function<void(std::string_view)>;
using ContentProducer = std::function<void(const ContentSink&)>;
ReplaceFileResult ReplaceFileContents(const std::string& path, const ContentProducer& produce);

// The message for a target that is write-protected.
inline constexpr char kWriteProtectedText[] = "Die Datei ist schreibgeschützt";

// The temporary files are named "." + the target's name + ".polaride-tmp-" + the
// writing process's id + "-" + a counter. A write that was killed half-way leaves one
// behind; this removes those in folder whose process no longer runs (regular files of
// this user with exactly that name form, nothing else) and returns how many.
int RemoveStaleTemporaries(const std::string& folder);
