// Replacing a file whole: what stands at the path decides how it is written, a failure
// leaves it as it was, and a killed write's temporary file is cleared away later.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>

#include "core/replace_file.h"
#include "core/system_error_text.h"
#include "support/file_size_limit.h"
#include "support/test_paths.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testsupport::ReadTextFile;
using testsupport::TempDir;
using testsupport::WriteTextFile;

bool HoldsTemporary(const fs::path& dir) {
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().find("polaride-tmp") != std::string::npos) return true;
    return false;
}

TEST(CoreReplaceFile, WhatStandsAtThePathDecidesHowItIsWritten) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> prepare;
        bool ok;
        std::function<void(const fs::path&, const ReplaceFileResult&)> check;
    };
    std::future<std::string> readByFifoReader;
    const Case cases[] = {
        {"a regular file is replaced, keeping its permissions",
         [](const fs::path& p) {
             WriteTextFile(p, "alt");
             fs::permissions(p, fs::perms(0640));
         },
         true,
         [](const fs::path& p, const ReplaceFileResult&) {
             EXPECT_EQ(ReadTextFile(p), "neu");
             EXPECT_EQ(fs::status(p).permissions(), fs::perms(0640));
         }},
        {"a symbolic link's file is replaced, the link stays",
         [](const fs::path& p) {
             WriteTextFile(p.parent_path() / "ziel", "alt");
             fs::create_symlink("ziel", p);
         },
         true,
         [](const fs::path& p, const ReplaceFileResult&) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_EQ(ReadTextFile(p.parent_path() / "ziel"), "neu");
         }},
        {"a link to nothing creates the file it names",
         [](const fs::path& p) { fs::create_symlink("neu.txt", p); }, true,
         [](const fs::path& p, const ReplaceFileResult&) {
             EXPECT_TRUE(fs::is_symlink(p));
             EXPECT_EQ(ReadTextFile(p.parent_path() / "neu.txt"), "neu");
         }},
        {"a named pipe is written into",
         [&](const fs::path& p) {
             ASSERT_EQ(mkfifo(p.c_str(), 0644), 0);
             fs::create_hard_link(p, p.string() + "2");
             readByFifoReader = std::async(std::launch::async, [p] { return ReadTextFile(p); });
         },
         true,
         [&](const fs::path& p, const ReplaceFileResult&) {
             EXPECT_TRUE(fs::is_fifo(p));
             // A pipe replaced instead of written would leave its reader waiting.
             if (!fs::is_fifo(p)) close(open((p.string() + "2").c_str(), O_WRONLY | O_NONBLOCK));
             EXPECT_EQ(readByFifoReader.get(), "neu");
         }},
        {"a write-protected file is refused",
         [](const fs::path& p) {
             WriteTextFile(p, "alt");
             fs::permissions(p, fs::perms(0444));
         },
         false,
         [](const fs::path& p, const ReplaceFileResult& r) {
             EXPECT_EQ(r.errorText, kWriteProtectedText);
             EXPECT_EQ(ReadTextFile(p), "alt");
         }},
        {"a folder is refused", [](const fs::path& p) { fs::create_directory(p); }, false,
         [](const fs::path& p, const ReplaceFileResult& r) {
             EXPECT_EQ(r.errorText, SystemErrorText(EISDIR));
             EXPECT_TRUE(fs::is_directory(p));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const fs::path path = dir / "ausgabe";
        c.prepare(path);
        const ReplaceFileResult result = ReplaceFileContents(path.string(), "neu");
        EXPECT_EQ(result.ok, c.ok) << result.errorText;
        c.check(path, result);
        EXPECT_FALSE(HoldsTemporary(dir.path()));
    }
}

// As root, a device node in the place of the output must stay one.
TEST(CoreReplaceFile, ADeviceNodeIsWrittenIntoAndItsErrorIsGerman) {
    TempDir dir;
    const fs::path full = dir / "voll";  // a device like /dev/full: every write fails
    if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "no device node may be made here: " << std::strerror(errno);
    const ReplaceFileResult result = ReplaceFileContents(full.string(), "neu");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorText, SystemErrorText(ENOSPC));
    EXPECT_TRUE(fs::is_character_file(full));
}

TEST(CoreReplaceFile, AFailedWriteSaysWhyInGerman) {
    TempDir dir;
    const fs::path path = dir / "liste.txt";
    WriteTextFile(path, "alt");
    ReplaceFileResult result;
    {
        testsupport::ScopedFileSizeLimit limit(2);
        result = ReplaceFileContents(path.string(), "neue Liste");
    }
    EXPECT_EQ(result.errorText, "Die Datei wird zu groß (File too large)");
    EXPECT_EQ(ReadTextFile(path), "alt");
}

TEST(CoreSystemErrorText, CommonErrorsAreGermanWithTheSystemsTextInBrackets) {
    EXPECT_EQ(SystemErrorText(ENOSPC),
              "Kein Platz mehr auf dem Datenträger (No space left on device)");
    EXPECT_EQ(SystemErrorText(EROFS),
              "Das Dateisystem ist nur zum Lesen eingehängt (Read-only file system)");
    EXPECT_EQ(SystemErrorText(EACCES), "Zugriff verweigert (Permission denied)");
    for (const int error : {EPERM, ENOENT, EISDIR, ENOTDIR, EEXIST, EIO, EDQUOT, ENAMETOOLONG,
                            EMFILE, ELOOP, EXDEV, EBUSY, ETXTBSY, EFBIG}) {
        const std::string text = SystemErrorText(error);
        EXPECT_THAT(text, ::testing::EndsWith(std::string(" (") + std::strerror(error) + ")"));
        EXPECT_THAT(text, ::testing::Not(::testing::StartsWith(std::strerror(error))));
    }
    EXPECT_THAT(SystemErrorText(4095), ::testing::StartsWith("Systemfehler 4095 ("));
}

TEST(CoreReplaceFile, OnlyTheTemporariesOfEndedWritesAreRemoved) {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    const std::string dead = std::to_string(child), live = std::to_string(getppid());
    TempDir dir;
    const char* kept[] = {"polaride.cfg.tmp",  // the names a user may give
                          ".polaride-tmp-1-0",       "polaride.cfg.polaride-tmp-1-0",
                          ".a.polaride-tmp-1-0.txt", ".a.polaride-tmp-01-0",
                          ".a.polaride-tmp-1-100"};
    for (const std::string name : kept) WriteTextFile(dir / name, "x");
    WriteTextFile(dir / (".a.polaride-tmp-" + live + "-0"), "x");
    WriteTextFile(dir / (".polaride.cfg.polaride-tmp-" + dead + "-3"), "x");
    fs::create_directory(dir / (".b.polaride-tmp-" + dead + "-0"));

    EXPECT_EQ(RemoveStaleTemporaries(dir.path().string()), 1);
    EXPECT_FALSE(fs::exists(dir / (".polaride.cfg.polaride-tmp-" + dead + "-3")));
    for (const std::string name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::exists(dir / (".a.polaride-tmp-" + live + "-0")));
    EXPECT_TRUE(fs::is_directory(dir / (".b.polaride-tmp-" + dead + "-0")));

    // Replacing a file clears the stale temporaries of that file first.
    WriteTextFile(dir / (".a.polaride-tmp-" + dead + "-0"), "x");
    ASSERT_TRUE(ReplaceFileContents((dir / "a").string(), "neu").ok);
    EXPECT_FALSE(fs::exists(dir / (".a.polaride-tmp-" + dead + "-0")));
}

}  // namespace
