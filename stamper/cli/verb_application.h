#pragma once

#include "common/cli/verb_table.h"

#include <QCoreApplication>

#include <memory>

namespace vermil::cli {

// The application object a verb of `kind` runs under, made for it; nullptr when
// the process has one already (a test that runs the verbs in-process made it),
// which then serves: Qt allows one per process. The window rows (Widgets) make
// theirs with the window.
std::unique_ptr<QCoreApplication> applicationForVerb(VerbApplication kind, int& argc, char** argv);

} // namespace vermil::cli
