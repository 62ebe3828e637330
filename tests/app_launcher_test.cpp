// The launcher tools/launch.sh with a stand-in program that notes its folder and
// arguments: working folders that cannot be prepared are refused in German (shown by
// the program when there is no terminal), a missing HOME falls back to the account's
// home folder, a dangling link is left with a note.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QProcess>
#include <filesystem>

#include "support/test_paths.h"

namespace {

namespace fs = std::filesystem;
using testsupport::WriteTextFile;

// Paths are below the case's temporary folder, which holds a regular file "file", a
// read-only folder "readonly" and a folder "work" with a dangling link "SATMAG".
struct LauncherCase {
    const char* name;
    const char* polarideHome;  // nullptr: not set
    const char* home;          // nullptr: not set
    const char* accountHome;   // the home folder of the account's entry; nullptr: none
    bool desktop;              // a desktop session (DISPLAY) and no terminal
    int status;                // of the launcher; the stand-in program ends with 0
    const char* message;       // expected on standard error
    const char* folder;        // the program's working folder; nullptr: not started there
};

void PrintTo(const LauncherCase& c, std::ostream* os) { *os << c.name; }

const LauncherCase kCases[] = {
    {"HomeIsAFile", "file", "", nullptr, false, 1, "POLARIDE_HOME nennt", nullptr},
    {"HomeBelowAFile", nullptr, "file/home", nullptr, false, 1, "angelegt werden: \"", nullptr},
    {"HomeReadOnly", nullptr, "readonly", nullptr, false, 1, "darf nicht geschrieben", nullptr},
    {"HomeUnsetWithoutAccountHome", nullptr, nullptr, nullptr, false, 1, "HOME ist nicht gesetzt",
     nullptr},
    {"HomeUnsetTakesTheAccountHome", nullptr, nullptr, "account", false, 0, "",
     "account/.local/share/polaride"},
    {"DanglingLinkIsLeftWithANote", "work", "", nullptr, false, 0, "Hinweis: \"", "work"},
    {"TheProgramShowsTheProblemOnTheDesktop", "file", "", nullptr, true, 0, "POLARIDE_HOME nennt",
     nullptr},
};

void PutExecutable(const fs::path& path, const std::string& text) {
    WriteTextFile(path, text);
    fs::permissions(path, fs::perms::owner_all);
}

class LauncherTest : public testing::TestWithParam<LauncherCase> {};

TEST_P(LauncherTest, PreparesTheFolderOrSaysWhyNot) {
    const LauncherCase& c = GetParam();
    if (c.home && std::string(c.home) == "readonly" && geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    testsupport::TempDir root;
    auto path = [&root](const char* below) {
        return QString::fromStdString((root / below).string());
    };
    WriteTextFile(root / "file", "x");
    fs::create_directories(root / "readonly");
    fs::permissions(root / "readonly", fs::perms::owner_read | fs::perms::owner_exec);
    fs::create_directories(root / "work");
    fs::create_symlink(root / "gone", root / "work/SATMAG");
    fs::create_directories(root / "bin");
    PutExecutable(root / "bin/getent",
                  c.accountHome ? "#!/bin/sh\necho \"u:x:0:0::" + (root / c.accountHome).string() +
                                      ":/bin/sh\"\n"
                                : "#!/bin/sh\nexit 2\n");
    const std::string log = (root / "started").string();
    PutExecutable(root / "program", "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > '" + log + "'\n");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"POLARIDE_HOME", "XDG_DATA_HOME", "HOME", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    if (c.polarideHome) env.insert("POLARIDE_HOME", path(c.polarideHome));
    if (c.home) env.insert("HOME", path(c.home));
    if (c.desktop) env.insert("DISPLAY", ":99");
    env.insert("PATH", path("bin") + ":" + env.value("PATH"));
    QProcess launcher;
    launcher.setProcessEnvironment(env);
    launcher.setWorkingDirectory(path(""));
    launcher.start(QStringLiteral(POLARIDE_SOURCE_DIR "/tools/launch.sh"),
                   {path("program"), "--probe"});
    ASSERT_TRUE(launcher.waitForFinished(60000));
    const std::string err = launcher.readAllStandardError().toStdString();

    EXPECT_EQ(launcher.exitCode(), c.status) << err;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_TRUE(fs::is_symlink(root / "work/SATMAG")) << "the user's link stays";
    if (c.folder) {
        EXPECT_EQ(testsupport::ReadTextFile(log), (root / c.folder).string() + "\n--probe\n");
        EXPECT_TRUE(fs::is_regular_file(root / c.folder / "STERNKAT"));
        EXPECT_TRUE(fs::is_regular_file(root / c.folder / "polaride.cfg"));
        return;
    }
    EXPECT_EQ(err.rfind("Polaride kann nicht gestartet werden: ", 0), 0u) << err;
    // On the desktop the program is given the same text to show; else it is not run.
    EXPECT_EQ(fs::exists(log), c.desktop);
    if (c.desktop) {
        EXPECT_EQ(testsupport::ReadTextFile(log),
                  root.path().string() + "\n--start-problem\n" + err.substr(0, err.find('\n') + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LauncherTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
