#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace vermil {

// Exit status of every verb.
enum ExitStatus { ExitOk = 0, ExitFault = 1, ExitUsage = 2 };

// The command-line verbs of the manager: run the same models as its dialogs,
// messages to stderr and results to stdout in UTF-8, and never wait for input.
int runCommandLine(const QStringList& arguments);

int importVerb(const std::string& indexPath, const QString& csvFile);
int listVerb(const std::string& indexPath);
int verifyVerb(const std::string& indexPath);

// The seal index of this run: --index PATH, or the index the settings name.
// nullopt (after a message) for a path without a CP932 form.
std::optional<std::string> chooseIndexPath(const QString& option);

// False (after a message naming the problem) when a file is at the index path
// that cannot be an index: a directory, a FIFO, a device, a file over the limit.
bool indexIsReadable(const std::string& indexPath);

// For --list and --verify: false (after the manager's warning) when there is no index.
bool requireIndex(const std::string& indexPath);

void printLine(const QString& text);
void printError(const QString& text);

} // namespace vermil
