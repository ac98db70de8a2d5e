#include "stamplog/stamp_log.h"

#include "stamplog/stamp_log_texts.h"

#include "common/cp932.h"
#include "common/files/regular_file.h"
#include "common/files/write_all.h"
#include "common/files/write_failure.h"
#include "common/interaction/prompter.h"
#include "common/keyed_hash.h"

#include <QString>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace vermil {
namespace {

// CP932 forms of the full-width replacements.
constexpr std::string_view fullWidthComma = "\x81\x43";       // ，
constexpr std::string_view fullWidthVerticalBar = "\x81\x62"; // ｜

void appendCleanCharacter(std::string& out, std::string_view character) {
    if (character.size() == 2) {
        // A line break can never sit inside a character: it would end the log line.
        const char trail = character[1];
        out += character[0];
        out += trail == '\n' || trail == '\r' ? ' ' : trail;
        return;
    }
    switch (character[0]) {
    case ',':
        out += fullWidthComma;
        break;
    case '|':
        out += fullWidthVerticalBar;
        break;
    case '\t':
    case '\n':
    case '\r':
        out += ' ';
        break;
    default:
        if (isCp932LeadByte(static_cast<unsigned char>(character[0])))
            out += ' '; // dangling lead byte at the end of the field
        else
            out += character[0];
    }
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// What must go before a line so that it starts on a line of its own: nothing
// after a line end, the missing line feed after a lone carriage return, else a
// whole line end (a log cut off by another writer or an old crash).
std::string_view lineStartAfter(int fd, off_t size) {
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1)
        return {};
    if (last == '\n')
        return {};
    return last == '\r' ? std::string_view("\n") : std::string_view("\r\n");
}

// The line goes in whole or not at all: other writers of the suite wait on the
// lock, so a short write (a full disk) is cut back to where the line began.
std::error_code appendWhole(int fd, std::string_view line) {
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (size < 0)
        return lastError();
    std::string bytes(lineStartAfter(fd, size));
    bytes += line;
    if (writeAll(fd, bytes) && ::fsync(fd) == 0)
        return {};
    const std::error_code error = lastError();
    while (::ftruncate(fd, size) != 0 && errno == EINTR) {
    }
    return error;
}

// Error434 as the system words it, whose second line guesses a missing folder;
// where the cause is known otherwise (a full disk, a FIFO, no rights), that
// cause takes the guess's place.
QString cannotWriteMessage(const std::error_code& error, Language language) {
    const StampLogTexts& texts = StampLogTexts::of(language);
    const QString cause = error == std::errc::no_such_file_or_directory
                              ? texts.folderMayBeMissing
                              : writeFailureCause(error, language);
    return texts.cannotOpenLog + QLatin1Char('\n') + cause;
}

// Only a regular file takes the line: a FIFO would block the stamp, a device
// would swallow the line or fail it; neither is a log.
std::error_code appendToFile(std::string_view cp932Path, std::string_view line) {
    std::error_code error;
    std::optional<RegularFile> log =
        RegularFile::open(nativePath(cp932Path), UINTMAX_MAX, error, FileAccess::Append);
    if (!log)
        return error;
    if ((error = log->lockExclusively()))
        return error;
    return appendWhole(log->descriptor(), line);
}

} // namespace

char stampLogSeparator(int logFormat) {
    return logFormat != 0 ? ',' : '|';
}

std::string firstCommentLine(std::string_view comment) {
    const std::size_t lineFeed = comment.find('\n');
    if (lineFeed == std::string_view::npos)
        return std::string(comment);
    std::string_view first = comment.substr(0, lineFeed);
    if (!first.empty() && first.back() == '\r')
        first.remove_suffix(1);
    return std::string(first);
}

std::string logFieldText(std::string_view field) {
    std::string out;
    out.reserve(field.size() + 8);
    for (std::size_t pos = 0; pos < field.size();) {
        const std::size_t length = cp932CharLength(field, pos);
        appendCleanCharacter(out, field.substr(pos, length));
        pos += length;
    }
    return out;
}

std::array<std::string, 8> stampLogFields(const StampLogEntry& entry) {
    return {logFieldText(entry.documentNumber), logFieldText(entry.date),
            logFieldText(entry.time),           logFieldText(entry.name),
            logFieldText(entry.section),        logFieldText(firstCommentLine(entry.comment)),
            logFieldText(entry.user),           logFieldText(entry.computer)};
}

std::string stampLogCheckCode(const std::array<std::string, 8>& fields) {
    std::string body;
    for (const auto& field : fields)
        body += field;
    return hash8(body, hashkeys::logLineCode);
}

std::string stampLogLine(const StampLogEntry& entry, int logFormat) {
    const auto fields = stampLogFields(entry);
    const char separator = stampLogSeparator(logFormat);
    std::string line;
    for (const auto& field : fields) {
        line += field;
        line += separator;
    }
    line += stampLogCheckCode(fields);
    line += separator;
    line += "\r\n";
    return line;
}

StampLogOutcome appendStampLog(const StampLogEntry& entry, const StampLogTarget& target,
                               Prompter& prompter, Language language) {
    if (!target.enabled)
        return StampLogOutcome::Off;
    // The line and its code are formed before the file is touched.
    const std::string line = stampLogLine(entry, target.format);
    if (target.path.empty()) {
        prompter.showMessage(StampLogTexts::of(language).noLogPath, MessageIcon::Warning);
        return StampLogOutcome::NoPath;
    }
    if (const std::error_code error = appendToFile(target.path, line)) {
        prompter.showMessage(cannotWriteMessage(error, language), MessageIcon::Error);
        return StampLogOutcome::CannotWrite;
    }
    return StampLogOutcome::Written;
}

} // namespace vermil
