#include "stamplog/stamp_log.h"

#include "common/cp932.h"
#include "common/files/write_all.h"
#include "common/interaction/prompter.h"
#include "common/keyed_hash.h"
#include "stamplog/stamp_log_texts.h"

#include <QString>

#include <fcntl.h>
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

bool appendToFile(std::string_view cp932Path, std::string_view line) {
    const int fd =
        ::open(nativePath(cp932Path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, line);
    const bool closed = ::close(fd) == 0;
    return written && closed;
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
                               Prompter& prompter) {
    if (!target.enabled)
        return StampLogOutcome::Off;
    // The line and its code are formed before the file is touched.
    const std::string line = stampLogLine(entry, target.format);
    if (target.path.empty()) {
        prompter.showMessage(StampLogTexts::of(Language::Japanese).noLogPath, MessageIcon::Warning);
        return StampLogOutcome::NoPath;
    }
    if (!appendToFile(target.path, line)) {
        prompter.showMessage(StampLogTexts::of(Language::Japanese).cannotOpenLog,
                             MessageIcon::Error);
        return StampLogOutcome::CannotWrite;
    }
    return StampLogOutcome::Written;
}

} // namespace vermil
