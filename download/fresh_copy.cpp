#include "download/fresh_copy.h"

#include <chrono>
#include <filesystem>

#include "core/replace_file.h"
#include "core/text_file.h"

namespace fs = std::filesystem;

namespace {

// "SIZE TIME" of the file as it is now, empty when it cannot be read.
std::string FileStamp(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) return {};
    const auto written = fs::last_write_time(path, ec);
    if (ec) return {};
    return std::to_string(size) + " " + std::to_string(written.time_since_epoch().count());
}

std::string RecordText(const std::string& stamp, const std::vector<std::string>& urls) {
    std::string text = stamp + "\n";
    for (const std::string& url : urls) text += url + "\n";
    return text;
}

}  // namespace

std::string RequestRecordPath(const std::string& elementFile) {
    const fs::path file(elementFile);
    return (file.parent_path() / ("." + file.filename().string() + ".anfrage")).string();
}

std::optional<int> FreshCopyMinutes(const std::string& elementFile,
                                    const std::vector<std::string>& urls) {
    std::error_code ec;
    if (elementFile.empty() || !fs::is_regular_file(elementFile, ec)) return std::nullopt;
    const auto written = fs::last_write_time(elementFile, ec);
    if (ec) return std::nullopt;
    const auto age = std::chrono::duration_cast<std::chrono::minutes>(
        fs::file_time_type::clock::now() - written);
    if (age.count() < 0 || age.count() >= kElementRefetchMinutes) return std::nullopt;
    std::string record;
    constexpr std::size_t kMaxRecordBytes = 64 * 1024;
    if (ReadFileContents(RequestRecordPath(elementFile), record, kMaxRecordBytes) !=
            FileReadStatus::Ok ||
        record != RecordText(FileStamp(elementFile), urls))
        return std::nullopt;
    return static_cast<int>(age.count());
}

void ForgetRequest(const std::string& elementFile) {
    std::error_code ec;
    fs::remove(RequestRecordPath(elementFile), ec);
}

void RecordRequest(const std::string& elementFile, const std::vector<std::string>& urls) {
    const std::string stamp = FileStamp(elementFile);
    if (stamp.empty() ||
        !ReplaceFileContents(RequestRecordPath(elementFile), RecordText(stamp, urls)).ok)
        ForgetRequest(elementFile);
}
