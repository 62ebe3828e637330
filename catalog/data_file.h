// A data file opened by its bare name in the working directory, handed out line by
// line from its kept text (catalog/kept_file.h: read once while the file stays as it
// is). Lines end in CR LF or LF; the line texts exclude the line end. A last line
// without a line end counts as a line.
#pragma once

#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/data_file_error.h"
#include "catalog/kept_file.h"

class DataFile {
  public:
    // Throws DataFileError::FileNotFound when the file is missing, ::Unreadable when it
    // cannot be read (a folder in its place, an input/output error).
    explicit DataFile(std::string fileName);

    const std::string& fileName() const { return fileName_; }

    // The next line, or false at the end of the file. The view stays valid as long
    // as the DataFile lives (and as long as keptFile() is held).
    bool NextLine(std::string_view& line);
    // The next line; throws DataFileError::EndOfFile at the end of the file.
    std::string_view RequireLine();
    // Line number of the line last returned (1 for the first; 0 before any).
    int lineNumber() const { return lineNumber_; }

    const std::shared_ptr<const KeptFile>& keptFile() const { return file_; }

  private:
    std::string fileName_;
    std::shared_ptr<const KeptFile> file_;
    int lineNumber_ = 0;
};

// The first `count` records of a file of numbered lines, parsed once from the file's
// kept text and kept with it while the file stays as it is. The record's views point
// into the kept text. One KeptRecords for each kind of record (one parser); it keeps the
// file it last parsed. Safe to call from any thread.
template <typename Record>
class KeptRecords {
  public:
    using Parse = Record (*)(std::string_view line, const char* fileName);

    KeptRecords(Parse parse, int count) : parse_(parse), count_(count) {}
    KeptRecords(const KeptRecords&) = delete;
    KeptRecords& operator=(const KeptRecords&) = delete;

    // Hands records 1..count to visit(number, record) in order. Throws DataFileError
    // (FileNotFound, Unreadable, EndOfFile when the file has fewer lines, or what the
    // parser threw) after visiting the records before the failing line.
    template <typename Visit>
    void VisitAll(const std::string& fileName, const Visit& visit) {
        const std::shared_ptr<const Parsed> parsed = Current(fileName);
        for (std::size_t i = 0; i < parsed->records.size(); ++i)
            visit(static_cast<int>(i + 1), parsed->records[i]);
        if (parsed->failure) std::rethrow_exception(parsed->failure);
    }

  private:
    struct Parsed {
        std::string fileName;
        std::shared_ptr<const KeptFile> file;  // the text the records point into
        std::vector<Record> records;           // up to the first line that failed
        std::exception_ptr failure;            // what that line threw; null when none did
    };

    std::shared_ptr<const Parsed> Current(const std::string& fileName) {
        DataFile file(fileName);
        const std::lock_guard<std::mutex> lock(mutex_);
        if (last_ && last_->fileName == fileName && last_->file == file.keptFile()) return last_;
        auto parsed = std::make_shared<Parsed>();
        parsed->fileName = fileName;
        parsed->file = file.keptFile();
        parsed->records.reserve(static_cast<std::size_t>(count_));
        try {
            for (int n = 1; n <= count_; ++n)
                parsed->records.push_back(parse_(file.RequireLine(), file.fileName().c_str()));
        } catch (const DataFileError&) {
            parsed->failure = std::current_exception();
        }
        last_ = parsed;
        return last_;
    }

    const Parse parse_;
    const int count_;
    std::mutex mutex_;
    std::shared_ptr<const Parsed> last_;
};

// Line n (counted from 1; n < 1 gives line 1) of the named file as text: the lines
// before it are read and discarded. Throws DataFileError (FileNotFound, Unreadable,
// EndOfFile).
std::string ReadLineOfFile(const std::string& fileName, int n);
