#include "catalog/kept_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <optional>
#include <utility>

#include "catalog/data_file_error.h"
#include "core/text_file.h"

namespace {

// What tells one state of a file on disk from another.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec &&
               changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
};

// The stamp of a plain file; nothing for anything else (missing, a folder, a pipe).
std::optional<FileStamp> PlainFileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return FileStamp{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

std::shared_ptr<const KeptFile> ReadKeptFile(const std::string& fileName) {
    auto file = std::make_shared<KeptFile>();
    file->contents = ReadFileContentsOrThrow<DataFileError>(fileName);
    file->lines = SplitDataLines(file->contents);
    return file;
}

struct KeptEntry {
    std::string path;  // absolute
    FileStamp stamp;
    std::shared_ptr<const KeptFile> file;
    unsigned long lastUse = 0;
};

// The program reads a handful of data files; the files used longest ago make room
// when a process (a test run) goes through many folders.
constexpr std::size_t kKeptFileLimit = 16;

std::mutex gKeptMutex;
std::vector<KeptEntry> gKept;
unsigned long gUses = 0;

void Keep(KeptEntry entry) {
    const auto same = std::find_if(gKept.begin(), gKept.end(),
                                   [&](const KeptEntry& e) { return e.path == entry.path; });
    if (same != gKept.end()) {
        *same = std::move(entry);
        return;
    }
    if (gKept.size() >= kKeptFileLimit)
        gKept.erase(std::min_element(
            gKept.begin(), gKept.end(),
            [](const KeptEntry& a, const KeptEntry& b) { return a.lastUse < b.lastUse; }));
    gKept.push_back(std::move(entry));
}

}  // namespace

std::vector<std::string_view> SplitDataLines(std::string_view contents) {
    std::vector<std::string_view> lines;
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        contents.remove_prefix(end + 1);
    }
    return lines;
}

std::shared_ptr<const KeptFile> KeptDataFile(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, error);
    const std::string path = error ? std::string() : absolute.lexically_normal().string();
    const std::optional<FileStamp> before = path.empty() ? std::nullopt : PlainFileStamp(path);
    if (!before) return ReadKeptFile(fileName);  // missing, a pipe, ...: as it comes
    {
        const std::lock_guard<std::mutex> lock(gKeptMutex);
        for (KeptEntry& kept : gKept)
            if (kept.path == path && kept.stamp == *before) {
                kept.lastUse = ++gUses;
                return kept.file;
            }
    }
    std::shared_ptr<const KeptFile> file = ReadKeptFile(fileName);
    // Kept only when the file stood still while it was read.
    if (PlainFileStamp(path) == before) {
        const std::lock_guard<std::mutex> lock(gKeptMutex);
        Keep(KeptEntry{path, *before, file, ++gUses});
    }
    return file;
}
