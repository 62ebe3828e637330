// Runs the built polaride-cli as a user does (command-line test suites only, where
// POLARIDE_CLI_PATH names the program).
#pragma once

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct CliRun {
    int status = -1;
    std::string out, err;
};

// Runs the program in dir; standard output goes to outputFile when one is named.
inline CliRun RunCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                    const char* outputFile = nullptr) {
    QStringList list;
    for (const std::string& a : args) list << QString::fromStdString(a);
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.string()));
    if (outputFile) process.setStandardOutputFile(QString::fromUtf8(outputFile));
    process.start(QStringLiteral(POLARIDE_CLI_PATH), list);
    process.waitForFinished(-1);
    CliRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

}  // namespace testsupport
