// The launcher tools/launch.sh with a stand-in program that notes its folder and
// arguments: working folders that cannot be prepared are refused in German, a missing
// HOME falls back to the account's home folder, a dangling link is left with a note.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>
#include <functional>

#include "support/test_paths.h"

namespace {

namespace fs = std::filesystem;
using testsupport::WriteTextFile;

// What a case arranges in its temporary folder `root`.
struct LauncherCase {
    const char* name;
    std::function<void(const fs::path& root, QProcessEnvironment& env)> arrange;
    int status;              // of the launcher
    const char* message;     // expected on standard error
    const char* folder;      // the program's working folder below root; nullptr: not started
    const char* link;        // a symbolic link below root that must stay one; nullptr: none
    bool needsUnprivileged;  // a read-only bit stops only a user who is not root
};

void PrintTo(const LauncherCase& c, std::ostream* os) { *os << c.name; }

void PutExecutable(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    WriteTextFile(path, text);
    fs::permissions(path, fs::perms::owner_all);
}

// getent on the PATH answering for the account's entry with `home`.
void AccountHome(const fs::path& root, QProcessEnvironment& env, const std::string& home) {
    PutExecutable(root / "bin/getent", home.empty()
                                           ? "#!/bin/sh\nexit 2\n"
                                           : "#!/bin/sh\necho \"u:x:0:0::" + home + ":/bin/sh\"\n");
    env.insert("PATH", QString::fromStdString((root / "bin").string()) + ":" + env.value("PATH"));
    env.remove("HOME");
}

const LauncherCase kCases[] = {
    {"HomeIsAFile",
     [](const fs::path& root, QProcessEnvironment& env) {
         WriteTextFile(root / "file", "x");
         env.insert("POLARIDE_HOME", QString::fromStdString((root / "file").string()));
     },
     1, "POLARIDE_HOME nennt", nullptr, nullptr, false},
    {"HomeBelowAFile",
     [](const fs::path& root, QProcessEnvironment& env) {
         WriteTextFile(root / "file", "x");
         env.insert("HOME", QString::fromStdString((root / "file/home").string()));
     },
     1, "kann nicht angelegt werden: \"", nullptr, nullptr, false},
    {"HomeReadOnly",
     [](const fs::path& root, QProcessEnvironment& env) {
         fs::create_directory(root / "home");
         fs::permissions(root / "home", fs::perms::owner_read | fs::perms::owner_exec);
         env.insert("HOME", QString::fromStdString((root / "home").string()));
     },
     1, "darf nicht geschrieben werden", nullptr, nullptr, true},
    {"HomeUnsetWithoutAccountHome",
     [](const fs::path& root, QProcessEnvironment& env) { AccountHome(root, env, ""); }, 1,
     "HOME ist nicht gesetzt", nullptr, nullptr, false},
    {"HomeUnsetTakesTheAccountHome",
     [](const fs::path& root, QProcessEnvironment& env) {
         AccountHome(root, env, (root / "account").string());
     },
     0, "", "account/.local/share/polaride", nullptr, false},
    {"DanglingLinkIsLeftWithANote",
     [](const fs::path& root, QProcessEnvironment& env) {
         fs::create_directories(root / "work");
         fs::create_symlink(root / "gone", root / "work/SATMAG");
         env.insert("POLARIDE_HOME", QString::fromStdString((root / "work").string()));
     },
     0, "Hinweis: \"", "work", "work/SATMAG", false},
};

struct LauncherRun {
    int status = -1;
    std::string out, err;
};

LauncherRun RunLauncher(const QProcessEnvironment& env, const fs::path& program,
                        const QStringList& arguments = {}) {
    QProcess launcher;
    launcher.setProcessEnvironment(env);
    launcher.start(QStringLiteral(POLARIDE_SOURCE_DIR "/tools/launch.sh"),
                   QStringList{QString::fromStdString(program.string())} + arguments);
    launcher.waitForFinished(60000);
    return {launcher.exitCode(), launcher.readAllStandardOutput().toStdString(),
            launcher.readAllStandardError().toStdString()};
}

class LauncherTest : public testing::TestWithParam<LauncherCase> {};

TEST_P(LauncherTest, PreparesTheFolderOrSaysWhyNot) {
    const LauncherCase& c = GetParam();
    if (c.needsUnprivileged && geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    testsupport::TempDir root;
    const fs::path log = root / "started";
    PutExecutable(root / "program", "#!/bin/sh\npwd > '" + log.string() +
                                        "'\nprintf '%s\\n' \"$@\" >> '" + log.string() + "'\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"POLARIDE_HOME", "XDG_DATA_HOME", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    c.arrange(root.path(), env);
    const LauncherRun run = RunLauncher(env, root / "program", {"--probe"});
    const std::string& err = run.err;
    EXPECT_EQ(run.status, c.status) << err;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    if (!c.folder) {
        EXPECT_EQ(err.rfind("Polaride kann nicht gestartet werden: ", 0), 0u) << err;
        EXPECT_FALSE(fs::exists(log));
        return;
    }
    const fs::path folder = root / c.folder;
    EXPECT_EQ(testsupport::ReadTextFile(log), folder.string() + "\n--probe\n");
    EXPECT_TRUE(fs::is_regular_file(folder / "STERNKAT"));
    EXPECT_TRUE(fs::is_regular_file(folder / "polaride.cfg"));
    if (c.link) {
        EXPECT_TRUE(fs::is_symlink(root / c.link));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LauncherTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// In a desktop session without a terminal the program shows the problem itself.
TEST(LauncherHandOver, TheProgramShowsTheProblemWithoutATerminal) {
    testsupport::TempDir root;
    PutExecutable(root / "program", "#!/bin/sh\nprintf '%s|' \"$@\"\nexit 1\n");
    WriteTextFile(root / "file", "x");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("POLARIDE_HOME", QString::fromStdString((root / "file").string()));
    env.insert("DISPLAY", ":99");
    const auto [status, out, err] = RunLauncher(env, root / "program");
    EXPECT_EQ(status, 1);
    ASSERT_NE(err.find("POLARIDE_HOME nennt"), std::string::npos) << err;
    EXPECT_EQ(out, "--start-problem|" + err.substr(0, err.find('\n')) + "|");
}

}  // namespace
