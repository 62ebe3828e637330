#include "core/replace_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <ctime>

#include "core/system_error_text.h"

namespace {

constexpr std::string_view kTemporaryMark = ".polaride-tmp-";
constexpr int kMaxAttempts = 100;
// Room for the mark, the process id and the counter within the 255 bytes of a name.
constexpr std::size_t kMaxNameInTemporary = 200;
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TemporaryName(const std::string& name, long pid, int attempt) {
    return "." + name.substr(0, kMaxNameInTemporary) + std::string(kTemporaryMark) +
           std::to_string(pid) + "-" + std::to_string(attempt);
}

// The writer's process id when fileName has the form of a temporary file (for the
// target named `name` when that is not empty), else 0.
long TemporaryWriter(std::string_view fileName, std::string_view name) {
    const std::size_t mark = fileName.rfind(kTemporaryMark);
    if (fileName.size() < 2 || fileName[0] != '.' || mark == std::string_view::npos || mark < 2)
        return 0;
    if (!name.empty() && fileName.substr(1, mark - 1) != name.substr(0, kMaxNameInTemporary))
        return 0;
    std::string_view rest = fileName.substr(mark + kTemporaryMark.size());
    long pid = 0;
    int attempt = -1;
    auto [afterPid, pidError] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (pidError != std::errc() || pid <= 0 || afterPid == rest.data() + rest.size() ||
        *afterPid != '-' || rest.front() == '0')
        return 0;
    const char* counter = afterPid + 1;
    auto [end, attemptError] = std::from_chars(counter, rest.data() + rest.size(), attempt);
    if (attemptError != std::errc() || end != rest.data() + rest.size() || attempt < 0 ||
        attempt >= kMaxAttempts || std::to_string(attempt) != std::string_view(counter, end))
        return 0;
    return pid;
}

bool ProcessRuns(long pid) { return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

// Removes the stale temporary files in folder (of the target `name` only, when given).
int RemoveStale(const std::string& folder, std::string_view name) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        const long pid = TemporaryWriter(entry->d_name, name);
        if (pid == 0 || pid == getpid() || ProcessRuns(pid)) continue;
        struct stat st {};
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != geteuid())
            continue;
        if (unlinkat(dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}

// Creates a new temporary file beside `path`; -1 with errno set when none can be made.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    const std::string folder = FolderOf(path) + "/";
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        tempPath = folder + TemporaryName(NameOf(path), getpid(), attempt);
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

// WriteAll with SIGPIPE held back: a pipe whose reader went away gives EPIPE, a
// message, instead of ending the program.
bool WriteAllWithoutSigpipe(int fd, std::string_view bytes) {
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const bool ok = WriteAll(fd, bytes);
    const int error = errno;
    if (!ok && error == EPIPE && !sigismember(&previous, SIGPIPE)) {
        const timespec noWait{};
        while (sigtimedwait(&pipeSignal, nullptr, &noWait) > 0) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    errno = error;
    return ok;
}

// Where a write to path lands: the end of its chain of symbolic links (path itself when
// it is none; the chain may end at a name that does not exist yet). 0 or the errno.
int FinalTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) return 0;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(target.c_str(), link.data(), link.size());
        if (length < 0) return errno;
        link.resize(static_cast<std::size_t>(length));
        target = !link.empty() && link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    return ELOOP;
}

// Hands every piece of `produce` to write() until one write fails; false (errno set) then.
bool WritePieces(int fd, const ContentProducer& produce, bool (*write)(int, std::string_view)) {
    bool ok = true;
    int error = 0;
    produce([&](std::string_view piece) {
        if (!ok) return;
        ok = write(fd, piece);
        if (!ok) error = errno;
    });
    errno = error;
    return ok;
}

// A device, a named pipe or a terminal takes the bytes as they come.
ReplaceFileResult WriteInPlace(const std::string& path, const ContentProducer& produce) {
    ReplaceFileResult result;
    result.targetExisted = true;
    const int fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.errorText = SystemErrorText(errno);
        return result;
    }
    const bool written = WritePieces(fd, produce, WriteAllWithoutSigpipe);
    const int error = errno;
    if (close(fd) != 0 && written) {
        result.errorText = SystemErrorText(errno);
        return result;
    }
    result.ok = written;
    if (!written) result.errorText = SystemErrorText(error);
    return result;
}

ReplaceFileResult ReplaceRegularFile(const std::string& path, const ContentProducer& produce,
                                     const struct stat* existing) {
    ReplaceFileResult result;
    result.targetExisted = existing != nullptr;
    RemoveStale(FolderOf(path), NameOf(path));
    std::string tempPath;
    const int fd = CreateTemporary(path, tempPath);
    if (fd < 0) {
        result.errorText = SystemErrorText(errno);
        return result;
    }
    auto fail = [&](int error) {
        result.errorText = SystemErrorText(error);
        unlink(tempPath.c_str());
        return result;
    };
    // The new file keeps the permissions of the one it replaces.
    if (existing) (void)fchmod(fd, existing->st_mode & 07777);
    if (!WritePieces(fd, produce, WriteAll)) {
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

ReplaceFileResult Refused(bool existed, std::string text) {
    ReplaceFileResult result;
    result.targetExisted = existed;
    result.errorText = std::move(text);
    return result;
}

}  // namespace

ReplaceFileResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
    return ReplaceFileContents(path, [bytes](const ContentSink& write) { write(bytes); });
}

ReplaceFileResult ReplaceFileContents(const std::string& path, const ContentProducer& produce) {
    if (path.empty()) return Refused(false, SystemErrorText(ENOENT));
    struct stat existing {};
    const bool existed = stat(path.c_str(), &existing) == 0;
    if (!existed && errno != ENOENT) return Refused(false, SystemErrorText(errno));
    if (existed) {
        if (S_ISDIR(existing.st_mode)) return Refused(true, SystemErrorText(EISDIR));
        // Root may write anything; a file without any write permission is still meant
        // to stay as it is.
        if ((existing.st_mode & 0222) == 0) return Refused(true, kWriteProtectedText);
        if (!S_ISREG(existing.st_mode)) return WriteInPlace(path, produce);
    }
    std::string target;
    if (const int error = FinalTarget(path, target); error != 0)
        return Refused(existed, SystemErrorText(error));
    if (existed && access(target.c_str(), W_OK) != 0) return Refused(true, SystemErrorText(errno));
    return ReplaceRegularFile(target, produce, existed ? &existing : nullptr);
}

int RemoveStaleTemporaries(const std::string& folder) { return RemoveStale(folder, {}); }
