#pragma once

#include "common/language.h"

#include <array>
#include <string>
#include <string_view>

namespace vermil {

class Prompter;

// The fields of one stamp as the seal dialog holds them, CP932 bytes.
struct StampLogEntry {
    std::string documentNumber;
    std::string date; // "%04d/%02d/%02d" of the stamping time
    std::string time; // "%02d:%02d" of the stamping time
    std::string name;
    std::string section;
    std::string comment; // the whole comment; only its first line is logged
    std::string user;
    std::string computer;
};

// Where and how the stamp log is written (VERMILIN/Log, MAIN/HankoLogFile, MAIN/LogFormat).
struct StampLogTarget {
    bool enabled = true;
    std::string path; // CP932
    int format = 0;   // 0: "|" between fields, any other value: ","
};

enum class StampLogOutcome { Off, Written, NoPath, CannotWrite };

char stampLogSeparator(int logFormat);

// The comment up to its first line feed, without the carriage return before it.
std::string firstCommentLine(std::string_view comment);

// A field as it goes into the log: the characters the checker splits at ("," "|"
// tab) become "，" "｜" and a blank, and line breaks become blanks, so an
// unaltered line always verifies. A lead byte left dangling at the end of the
// field is blanked too: it would swallow the separator after it.
std::string logFieldText(std::string_view field);

// F1..F8 of the line, cleaned as above.
std::array<std::string, 8> stampLogFields(const StampLogEntry& entry);

// hash8 over F1..F8 joined without separators.
std::string stampLogCheckCode(const std::array<std::string, 8>& fields);

// The whole line as it lies on disk: nine fields, each followed by the
// separator, then CR LF.
std::string stampLogLine(const StampLogEntry& entry, int logFormat);

// Appends the entry's line to the log, whole or not at all, on a line of its own.
// Problems are told through the prompter (Warning 433, Error434 with its cause in
// `language`); the stamp goes on whatever the outcome.
StampLogOutcome appendStampLog(const StampLogEntry& entry, const StampLogTarget& target,
                               Prompter& prompter, Language language = Language::Japanese);

} // namespace vermil
