// Paths of the test fixtures and the shipped data files, and a scoped change of the
// working directory (data files are opened by bare name).
#pragma once

#include <filesystem>
#include <string>

#include "core/non_copyable.h"

namespace testsupport {

std::filesystem::path FixturePath(const std::string& name);
std::filesystem::path DataPath(const std::string& name);
// ../shared beside the checkout, if present (data regeneration checks skip without it).
std::filesystem::path SharedPath();

// A fresh empty temporary folder, removed with the object.
class TempDir : NonCopyable {
  public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Changes the working directory for the lifetime of the object.
class ScopedWorkingDir : NonCopyable {
  public:
    explicit ScopedWorkingDir(const std::filesystem::path& dir);
    ~ScopedWorkingDir();

  private:
    std::filesystem::path previous_;
};

void WriteTextFile(const std::filesystem::path& path, const std::string& text);
std::string ReadTextFile(const std::filesystem::path& path);

}  // namespace testsupport
