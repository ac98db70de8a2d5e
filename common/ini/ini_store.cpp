#include "common/ini/ini_store.h"

#include "common/files/atomic_file.h"
#include "common/files/link_target.h"
#include "common/files/regular_file.h"
#include "common/number_text.h"

#include <unistd.h>

namespace vermil {
namespace {

// Opens and locks the file that is at `file` now, creating it when it is missing.
// Only a regular file is opened: a FIFO or a device in its place would block or
// never end. A writer that renamed a new file over it while we waited leaves us
// holding the lock of a replaced inode: retry.
std::optional<RegularFile> lockCurrentFile(const std::filesystem::path& file,
                                           std::error_code& error) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::optional<RegularFile> opened =
            RegularFile::open(file, maxIniFileBytes, error, FileAccess::Update);
        if (!opened && error == std::errc::file_exists)
            continue; // another writer made it in between: lock theirs
        if (!opened)
            return std::nullopt;
        if ((error = opened->lockExclusively()))
            return std::nullopt;
        if (opened->isStillAt(file))
            return opened;
    }
    error = std::make_error_code(std::errc::resource_unavailable_try_again);
    return std::nullopt;
}

IniWriteOutcome failed(std::error_code error) {
    return {IniWriteOutcome::Status::Failed, error};
}

std::string cutToBuffer(std::string value, std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    if (value.size() > bufferSize - 1)
        value.resize(bufferSize - 1);
    return value;
}

} // namespace

std::optional<std::string> IniSnapshot::value(std::string_view section,
                                              std::string_view key) const {
    return iniLookup(content_, section, key);
}

std::string IniSnapshot::string(std::string_view section, std::string_view key,
                                std::string_view fallback, std::size_t bufferSize) const {
    return cutToBuffer(value(section, key).value_or(std::string(fallback)), bufferSize);
}

int IniSnapshot::integer(std::string_view section, std::string_view key, int fallback) const {
    const auto found = value(section, key);
    if (!found || found->empty())
        return fallback;
    return decimalPrefix(*found);
}

IniSnapshot readIniFile(const std::filesystem::path& file) {
    std::error_code error;
    return IniSnapshot(readRegularFile(file, maxIniFileBytes, error).value_or(std::string()));
}

std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
    std::error_code error;
    const auto content = readRegularFile(file, maxIniFileBytes, error);
    if (!content)
        return std::nullopt;
    return iniLookup(*content, section, key);
}

std::string readIniString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view fallback, std::size_t bufferSize) {
    return cutToBuffer(readIniValue(file, section, key).value_or(std::string(fallback)),
                       bufferSize);
}

int readIniInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
               int fallback) {
    const auto value = readIniValue(file, section, key);
    if (!value || value->empty())
        return fallback;
    return decimalPrefix(*value);
}

bool writeIniString(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view value) {
    return writeIniStrings(file, {{std::string(section), std::string(key), std::string(value)}})
        .written();
}

IniWriteOutcome writeIniStrings(const std::filesystem::path& file,
                                const std::vector<IniWrite>& writes) {
    return updateIniFile(file, [&writes](const IniSnapshot&) { return writes; });
}

IniWriteOutcome updateIniFile(const std::filesystem::path& file, const IniUpdatePlan& plan) {
    const std::filesystem::path target = finalLinkTarget(file);
    std::error_code ec;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    if (!std::filesystem::is_directory(folder, ec))
        return failed(std::make_error_code(std::errc::no_such_file_or_directory));
    std::error_code lockError;
    std::optional<RegularFile> locked = lockCurrentFile(target, lockError);
    if (!locked)
        return failed(lockError);
    // A file made only to hold the lock goes again when nothing is written into it,
    // so a refused or failed write leaves no empty file behind.
    auto removeIfMadeForNothing = [&] {
        if (locked->created())
            ::unlink(target.c_str());
    };
    std::error_code readError;
    const std::optional<std::string> read = locked->readAll(readError);
    if (!read) {
        removeIfMadeForNothing();
        return failed(readError);
    }
    const std::string& content = *read;
    const auto writes = plan(IniSnapshot(content));
    if (!writes) {
        removeIfMadeForNothing();
        return {IniWriteOutcome::Status::Declined, {}};
    }
    const auto updated = iniReplaceAll(content, *writes);
    if (!updated) {
        removeIfMadeForNothing();
        return failed({});
    }
    if (*updated == content)
        return {IniWriteOutcome::Status::Written, {}};
    // The lock stays held on the old file until the new one has replaced it.
    std::error_code error;
    if (!writeFileAtomically(target, *updated, error)) {
        removeIfMadeForNothing();
        return failed(error);
    }
    return {IniWriteOutcome::Status::Written, {}};
}

} // namespace vermil
