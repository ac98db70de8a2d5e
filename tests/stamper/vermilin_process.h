#pragma once

// Runs the built vermilin program for end-to-end tests of its verbs.
#include "tests/support/test_environment.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>

namespace vermil::test {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs vermilin with a home of its own, whose documents folder is the hanko folder,
// and no display.
inline ProgramRun runVermilin(const TempDir& home, const QStringList& arguments) {
#ifdef VERMILIN_PROGRAM
    QProcess process;
    QProcessEnvironment environment;
    environment.insert("HOME", QString::fromStdString(home.path().string()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString((home / ".config").string()));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VERMILIN_PROGRAM), arguments);
    process.waitForFinished(-1);
    ProgramRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
#else
    (void)home;
    (void)arguments;
    return {};
#endif
}

} // namespace vermil::test
