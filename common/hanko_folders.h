#pragma once

#include "hanko_settings.h"

#include <QLocale>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

class Prompter;

// Where the suite's files lie. Paths are CP932 texts as they are stored in the
// settings; nativePath() turns them into file-system paths.

// Used when the user's documents folder cannot be found: an administrator's
// folder, never a world-writable shared place.
inline constexpr std::string_view fallbackHankoFolder = "/var/lib/vermil/hanko";

// The XDG documents folder, or nullopt when there is none or its path has no CP932
// form. It is created when missing unless the caller only reads.
enum class FolderUse { Write, ReadOnly };
std::optional<std::string> locateDocumentsFolder(FolderUse use = FolderUse::Write);

// The hanko folder: the documents folder, else the fallback. With a prompter the
// failure is reported as Error 1321 (the stamping program); without, silently.
std::string findHankoFolder(Prompter* errorsTo);
std::string chooseHankoFolder(const std::optional<std::string>& documentsFolder,
                              Prompter* errorsTo);

std::string settingsFilePath(std::string_view hankoFolder);
std::string defaultIndexPath(std::string_view hankoFolder);

// MAIN/VermilDataFile, or the default index path when that is empty (not written back).
// A relative path ("index.dat") lies in the hanko folder, as absoluteIndexPath says.
std::string resolveIndexPath(const HankoSettings& settings, std::string_view hankoFolder);

// The index path a user typed or a settings file holds, made whole: empty gives the
// default index path, a path without a leading "/" is taken inside the hanko folder,
// so that the seal folder is never the root.
std::string absoluteIndexPath(std::string_view path, std::string_view hankoFolder);

bool indexFileExists(std::string_view indexPath);

// WARNING 1320 when no index file exists at the path; true when the user asks
// for the index settings dialog.
bool askForIndexSettingsWhenMissing(std::string_view indexPath, Prompter& prompter);

// Everything before the last "/" (empty when there is none).
std::string folderOf(std::string_view path);
// The seal folder of an index path: its folder followed by "/".
std::string sealFolderOf(std::string_view indexPath);

// MAIN/HankoLogFile: a missing key gives hanko.log, an empty value hankolog.txt.
std::string stampLogPath(const HankoSettings& settings, std::string_view hankoFolder);
std::string defaultStampLogPath(std::string_view hankoFolder);

// The language at the stamping program's start: MAIN/Lang, or from the locale
// (Japanese for a Japanese locale, else English), written back when it was missing.
std::string languageAtStart(const HankoSettings& settings, const QLocale& locale);

} // namespace vermil
