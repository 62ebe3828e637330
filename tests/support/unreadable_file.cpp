#include "support/unreadable_file.h"

#include <fstream>

namespace testsupport {

std::vector<std::string> UnreadableForms() {
    std::vector<std::string> forms = {"folder"};
    if (std::ifstream("/proc/self/mem").is_open()) forms.push_back("/proc/self/mem");
    return forms;
}

void MakeUnreadable(const std::filesystem::path& path, const std::string& form) {
    std::filesystem::remove_all(path);
    if (form == "folder")
        std::filesystem::create_directory(path);
    else
        std::filesystem::create_symlink(form, path);
}

}  // namespace testsupport
