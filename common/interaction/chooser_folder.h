#pragma once

#include <QString>

#include <string_view>

namespace vermil {

// Where a file chooser opens, so that it never opens wherever the program happened to
// be started: the folder of the current value when that folder is there, else the
// hanko folder, else the documents folder; empty when none of them is there. A value
// without a folder of its own (a bare file name, a pattern) gives none.
QString chooserFolder(const QString& currentValue, const QString& hankoFolder,
                      const QString& documentsFolder);

// The same with this user's documents folder; an empty hanko folder (CP932) is the
// one found for this user. Nothing is created.
QString chooserFolder(const QString& currentValue, std::string_view hankoFolder = {});

} // namespace vermil
