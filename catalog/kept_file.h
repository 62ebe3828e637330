// Data files read once and kept: the first reader of a file reads it whole; later readers
// get the same immutable text and its lines, as long as the file on disk is unchanged
// (same file, size, modification and change time). A replaced or edited file is read
// again; a missing one fails as before. What is not a plain file (a pipe, a device) is
// read on every request and not kept.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A file's text and its lines. Lines end in CR LF or LF and exclude the line end; a
// last line without a line end counts as a line.
struct KeptFile {
    std::string contents;
    std::vector<std::string_view> lines;  // views into `contents`
};

// The kept text of the file at `fileName` (relative to the working directory). Throws
// DataFileError::FileNotFound when the file is missing, ::Unreadable when it cannot be
// read, naming `fileName`. Safe to call from any thread.
std::shared_ptr<const KeptFile> KeptDataFile(const std::string& fileName);

// The file's lines, split as described above.
std::vector<std::string_view> SplitDataLines(std::string_view contents);
