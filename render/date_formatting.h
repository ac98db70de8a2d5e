#pragma once

#include "render/date_local_time.h"

#include <string>
#include <string_view>

namespace vermil {

class Prompter;

// The texts of one stamp's time, all CP932 bytes.
struct StampTimeTexts {
    std::string approvalDate; // long date and time, Japanese or English
    std::string logDate;      // "%04d/%02d/%02d"
    std::string logTime;      // "%02d:%02d"
};

// The seal date text for a date format code ("YYYY.MM.DD", "'YY.0M.0D", "HNN.MM.DD",
// "NONE", ...). Codes compare as whole, case-sensitive byte strings; an unknown
// code gives "%d.%d.%d". Reports nothing: a failed conversion fills the failure values.
std::string FormatSealDate(std::string_view dateFormatCode, StampingTime time,
                           const LocalTimeConversion& toLocal = systemLocalTime);

// The approval date in Japanese, with the log date and time. A failed conversion
// shows "Error:Day" and leaves the weekday name empty.
StampTimeTexts FormatStampTimeJapanese(StampingTime time, Prompter& prompter,
                                       const LocalTimeConversion& toLocal = systemLocalTime);

// The approval date in English, with the log date and time. A failed conversion
// shows "Error:Month", then "Error:Day", and leaves both names empty.
StampTimeTexts FormatStampTimeEnglish(StampingTime time, Prompter& prompter,
                                      const LocalTimeConversion& toLocal = systemLocalTime);

} // namespace vermil
