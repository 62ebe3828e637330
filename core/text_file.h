// Data files read whole into memory without letting a failure escape as an exception:
// a missing file, a folder in its place and an input/output error while reading (the
// standard file buffer throws std::ios_base::failure for those) are told apart, so that
// every reader can report the file by name and go on as for a missing file.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

enum class FileReadStatus {
    Ok,
    Missing,     // no such file
    Unreadable,  // a folder, no permission, an input/output error, or larger than the limit
};

// Data files are small (the star catalogue is about 1 MB); anything beyond this is not
// one of them.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{64} << 20;

// The whole file as bytes. contents is empty unless the status is Ok. The file is read
// to its end without seeking or asking for its size, so a pipe, a FIFO or a device
// serves as well; reading stops after maxBytes (Unreadable, with tooLarge set when
// given), so an endless one such as /dev/zero ends too.
FileReadStatus ReadFileContents(const std::string& path, std::string& contents,
                                std::size_t maxBytes = kMaxDataFileBytes, bool* tooLarge = nullptr);
// The same for an opened stream (Missing is never returned).
FileReadStatus ReadStreamContents(std::istream& in, std::string& contents,
                                  std::size_t maxBytes = kMaxDataFileBytes,
                                  bool* tooLarge = nullptr);

// The whole file as bytes for a reader whose error type offers FileNotFound(name) and
// Unreadable(name): those are thrown, naming the path, when the file is missing or
// cannot be read.
template <typename Error>
std::string ReadFileContentsOrThrow(const std::string& path) {
    std::string contents;
    switch (ReadFileContents(path, contents)) {
        case FileReadStatus::Ok:
            break;
        case FileReadStatus::Missing:
            throw Error::FileNotFound(path);
        case FileReadStatus::Unreadable:
            throw Error::Unreadable(path);
    }
    return contents;
}

// std::getline with a CR before the LF dropped: one line without its line end (LF or
// CR LF); false at the end.
bool GetLineWithoutCr(std::istream& in, std::string& line);

// The messages of a data file that fails, each naming the file once (German, UTF-8):
// "Datei nicht gefunden: NAME" (no such file), "Datei kann nicht gelesen werden: NAME"
// (a folder in its place, no permission, an input/output error), "Lesen über Dateiende
// hinaus: NAME" (a line needed beyond the end).
std::string MissingFileMessage(const std::string& fileName);
std::string UnreadableFileMessage(const std::string& fileName);
std::string EndOfFileMessage(const std::string& fileName);
// "Datei zu groß (mehr als 64 MB), nicht gelesen: NAME" (kMaxDataFileBytes).
std::string TooLargeFileMessage(const std::string& fileName);
// A message about a field of the file, with the file named after it:
// "'x.5' ist kein gültiger Gleitkommawert (STERNKAT)"; the message alone when
// fileName is empty (a field typed in a window).
// The message for a file that could not be opened or read: missing when nothing is at
// the path, unreadable otherwise.
std::string FailedFileMessage(const std::string& path);
std::string InFileMessage(const std::string& message, const std::string& fileName);
