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
    int status = -1;  // -1: crashed, or ended after the time allowed
    std::string out, err;
};

struct CliRunOptions {
    const char* outputFile = nullptr;  // standard output goes to this file
    std::string standardInput;         // written through a pipe to standard input
    int timeoutMs = -1;                // the program is killed after this long (-1: waits)
};

inline CliRun RunCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     const CliRunOptions& options) {
    QStringList list;
    for (const std::string& a : args) list << QString::fromStdString(a);
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(dir.string()));
    if (options.outputFile) process.setStandardOutputFile(QString::fromUtf8(options.outputFile));
    process.start(QStringLiteral(POLARIDE_CLI_PATH), list);
    if (!options.standardInput.empty()) {
        process.write(options.standardInput.data(),
                      static_cast<qint64>(options.standardInput.size()));
    }
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(options.timeoutMs)) {
        process.kill();
        process.waitForFinished(-1);
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// Runs the program in dir; standard output goes to outputFile when one is named.
inline CliRun RunCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                     const char* outputFile = nullptr) {
    CliRunOptions options;
    options.outputFile = outputFile;
    return RunCli(dir, args, options);
}

}  // namespace testsupport
