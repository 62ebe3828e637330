#include "core/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string SystemError(int error) { return std::strerror(error); }

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new temporary file beside `path`; -1 with errno set when none can be made.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

ReplaceFileResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
    ReplaceFileResult result;
    struct stat existing {};
    result.targetExisted = stat(path.c_str(), &existing) == 0;
    if (result.targetExisted && S_ISDIR(existing.st_mode)) {
        result.errorText = SystemError(EISDIR);
        return result;
    }

    std::string tempPath;
    const int fd = CreateTemporary(path, tempPath);
    if (fd < 0) {
        result.errorText = SystemError(errno);
        return result;
    }
    auto fail = [&](int error) {
        result.errorText = SystemError(error);
        unlink(tempPath.c_str());
        return result;
    };
    // The new file keeps the permissions of the one it replaces.
    if (result.targetExisted) (void)fchmod(fd, existing.st_mode & 07777);
    if (!WriteAll(fd, bytes)) {
        const int error = errno;
        close(fd);
        return fail(error);
    }
    // A full disk may only show when the data reach it.
    if (fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        const int error = errno;
        close(fd);
        return fail(error);
    }
    if (close(fd) != 0) return fail(errno);
    if (std::rename(tempPath.c_str(), path.c_str()) != 0) return fail(errno);
    // Make the rename itself durable where the folder can be synced.
    const int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)fsync(folder);
        close(folder);
    }
    result.ok = true;
    return result;
}
