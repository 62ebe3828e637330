#include "core/text_file.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <string>

FileReadStatus ReadFileContents(const std::string& path, std::string& contents,
                                std::size_t maxBytes, bool* tooLarge) {
    contents.clear();
    if (tooLarge) *tooLarge = false;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return FileReadStatus::Missing;
    if (std::filesystem::is_directory(status)) return FileReadStatus::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return FileReadStatus::Unreadable;
    return ReadStreamContents(in, contents, maxBytes, tooLarge);
}

FileReadStatus ReadStreamContents(std::istream& in, std::string& contents, std::size_t maxBytes,
                                  bool* tooLarge) {
    contents.clear();
    if (tooLarge) *tooLarge = false;
    std::streambuf* buffer = in.rdbuf();
    if (!buffer) return FileReadStatus::Unreadable;
    try {
        char chunk[65536];
        for (;;) {
            const std::streamsize got = buffer->sgetn(chunk, sizeof chunk);
            if (got <= 0) break;
            if (contents.size() + static_cast<std::size_t>(got) > maxBytes) {
                contents.clear();
                if (tooLarge) *tooLarge = true;
                return FileReadStatus::Unreadable;
            }
            contents.append(chunk, static_cast<std::size_t>(got));
        }
    } catch (const std::exception&) {
        // The file buffer reports a failed read(2) (EIO, EISDIR, ...) by throwing.
        contents.clear();
        return FileReadStatus::Unreadable;
    }
    return FileReadStatus::Ok;
}

bool GetLineWithoutCr(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string MissingFileMessage(const std::string& fileName) {
    return "Datei nicht gefunden: " + fileName;
}

std::string UnreadableFileMessage(const std::string& fileName) {
    return "Datei kann nicht gelesen werden: " + fileName;
}

std::string EndOfFileMessage(const std::string& fileName) {
    return "Lesen über Dateiende hinaus: " + fileName;
}

std::string TooLargeFileMessage(const std::string& fileName) {
    return "Datei zu groß (mehr als " + std::to_string(kMaxDataFileBytes >> 20) +
           " MB), nicht gelesen: " + fileName;
}

std::string FailedFileMessage(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec) ? UnreadableFileMessage(path) : MissingFileMessage(path);
}

std::string InFileMessage(const std::string& message, const std::string& fileName) {
    return fileName.empty() ? message : message + " (" + fileName + ")";
}
