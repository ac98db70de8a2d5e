#pragma once

// Runs the built vermilin program for end-to-end tests of its verbs.
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"

namespace vermil::test {

// Runs vermilin with a home of its own, whose documents folder is the hanko folder,
// and no display.
inline ProgramRun runVermilin(const TempDir& home, const QStringList& arguments) {
#ifdef VERMILIN_PROGRAM
    return runProgram(QStringLiteral(VERMILIN_PROGRAM), home.path(), arguments);
#else
    (void)home;
    (void)arguments;
    return {};
#endif
}

} // namespace vermil::test
