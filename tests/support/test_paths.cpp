#include "support/test_paths.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace testsupport {

namespace fs = std::filesystem;

fs::path FixturePath(const std::string& name) { return fs::path(POLARIDE_FIXTURE_DIR) / name; }

fs::path DataPath(const std::string& name) { return fs::path(POLARIDE_DATA_DIR) / name; }

fs::path SharedPath() { return fs::path(POLARIDE_SOURCE_DIR).parent_path() / "shared"; }

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("polaride-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

ScopedWorkingDir::ScopedWorkingDir(const fs::path& dir) : previous_(fs::current_path()) {
    fs::current_path(dir);
}

ScopedWorkingDir::~ScopedWorkingDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

void WriteTextFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadTextFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace testsupport
