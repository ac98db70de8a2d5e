#pragma once

// Runs a built program of the suite as a user would, for end-to-end tests of its
// command-line verbs: a home of its own, no display, output captured.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <filesystem>
#include <string>

namespace vermil::test {

struct ProgramRun {
    int exitCode = -1; // -1 when the program crashed or did not finish
    std::string out;
    std::string err;
};

// HOME and the XDG folders lie in `home` (so its Documents folder is the hanko
// folder); no DISPLAY, no QT_QPA_PLATFORM unless `extraEnvironment` ("NAME=value"
// each) says so; the working folder is `workingFolder`, else `home`. Standard
// input holds `input` and then ends, so a program never waits on it.
inline ProgramRun runProgram(const QString& program, const std::filesystem::path& home,
                             const QStringList& arguments,
                             const std::filesystem::path& workingFolder = {},
                             const QStringList& extraEnvironment = {},
                             const std::string& input = {}) {
    const QString homeText = QString::fromStdString(home.string());
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    environment.insert("HOME", homeText);
    environment.insert("XDG_CONFIG_HOME", homeText + "/.config");
    environment.insert("XDG_DATA_HOME", homeText + "/.local/share");
    // A runtime folder of its own, as a session has one, so Qt has nothing to say about it.
    const std::filesystem::path runtime = home / ".runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    for (const QString& setting : extraEnvironment)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(
        QString::fromStdString((workingFolder.empty() ? home : workingFolder).string()));
    process.start(program, arguments);
    if (process.waitForStarted()) {
        process.write(input.data(), static_cast<qint64>(input.size()));
        process.closeWriteChannel();
    }
    ProgramRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

} // namespace vermil::test
