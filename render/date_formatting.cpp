#include "render/date_formatting.h"

#include "common/cp932.h"
#include "common/interaction/prompter.h"
#include "render/date_era.h"

#include <array>
#include <cstdio>

namespace vermil {
namespace {

// printf into a std::string; every argument here is a number or a short text.
template <typename... Args> std::string format(const char* pattern, Args... args) {
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern, args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

enum class YearForm { Full, TwoDigit, Era, EraWithInitial };

struct SealDateLayout {
    std::string_view code;
    YearForm year;
    const char* pattern; // %s or %d for the year, then month and day
};

// "%s" patterns take a year text; the "H" codes write the era's initial before it.
constexpr std::array<SealDateLayout, 14> sealDateLayouts{{
    {"YYYY/MM/DD", YearForm::Full, "%d/%2d/%2d"},
    {"YYYY-MM-DD", YearForm::Full, "%d-%2d-%2d"},
    {"YYYY.MM.DD", YearForm::Full, "%d.%2d.%2d"},
    {"YY/MM/DD", YearForm::TwoDigit, "%s/%2d/%2d"},
    {"YY-MM-DD", YearForm::TwoDigit, "%s-%2d-%2d"},
    {"YY.MM.DD", YearForm::TwoDigit, "%s.%2d.%2d"},
    {"'YY/MM/DD", YearForm::TwoDigit, "'%s/%2d/%2d"},
    {"'YY-MM-DD", YearForm::TwoDigit, "'%s-%2d-%2d"},
    {"'YY.MM.DD", YearForm::TwoDigit, "'%s.%2d.%2d"},
    {"'YY.0M.0D", YearForm::TwoDigit, "'%s.%02d.%02d"},
    {"NN.MM.DD", YearForm::Era, "%s.%2d.%2d"},
    {"NN.0M.0D", YearForm::Era, "%s.%02d.%02d"},
    {"HNN.MM.DD", YearForm::EraWithInitial, "%c%s.%2d.%2d"},
    {"HNN.0M.0D", YearForm::EraWithInitial, "%c%s.%02d.%02d"},
}};

std::string sealDateFor(const SealDateLayout& layout, const LocalTimeFields& t) {
    switch (layout.year) {
    case YearForm::Full:
        return format(layout.pattern, t.year, t.month, t.day);
    case YearForm::TwoDigit:
        return format(layout.pattern, lastTwoCharacters(t.year).c_str(), t.month, t.day);
    case YearForm::Era:
    case YearForm::EraWithInitial: {
        const JapaneseEra era = japaneseEraOf(t.year, t.month, t.day);
        const std::string eraYear = lastTwoCharacters(era.year);
        if (layout.year == YearForm::EraWithInitial)
            return format(layout.pattern, era.initial, eraYear.c_str(), t.month, t.day);
        return format(layout.pattern, eraYear.c_str(), t.month, t.day);
    }
    }
    return {};
}

bool isWeekday(int weekday) {
    return weekday >= 0 && weekday <= 6;
}
bool isMonth(int month) {
    return month >= 1 && month <= 12;
}

std::string logDate(const LocalTimeFields& t) {
    return format("%04d/%02d/%02d", t.year, t.month, t.day);
}
std::string logTime(const LocalTimeFields& t) {
    return format("%02d:%02d", t.hour, t.minute);
}

void reportFailure(Prompter& prompter, const char* text) {
    prompter.showMessage(QString::fromLatin1(text), MessageIcon::None);
}

} // namespace

std::string FormatSealDate(std::string_view dateFormatCode, StampingTime time,
                           const LocalTimeConversion& toLocal) {
    if (dateFormatCode == "NONE" || dateFormatCode == "EMPTY")
        return {};
    const LocalTimeFields t = toLocal(time);
    for (const SealDateLayout& layout : sealDateLayouts)
        if (layout.code == dateFormatCode)
            return sealDateFor(layout, t);
    return format("%d.%d.%d", t.year, t.month, t.day);
}

StampTimeTexts FormatStampTimeJapanese(StampingTime time, Prompter& prompter,
                                       const LocalTimeConversion& toLocal) {
    static const std::array<std::string, 7> weekdayNames{
        cp932Literal("日"), cp932Literal("月"), cp932Literal("火"), cp932Literal("水"),
        cp932Literal("木"), cp932Literal("金"), cp932Literal("土")};
    static const std::string yearMark = cp932Literal("年");
    static const std::string monthMark = cp932Literal("月");
    static const std::string dayMark = cp932Literal("日");
    static const std::string hourMark = cp932Literal("時");
    static const std::string minuteMark = cp932Literal("分");

    const LocalTimeFields t = toLocal(time);
    std::string weekday;
    if (isWeekday(t.weekday))
        weekday = weekdayNames[static_cast<std::size_t>(t.weekday)];
    else
        reportFailure(prompter, "Error:Day");

    std::string approval = std::to_string(t.year) + yearMark + std::to_string(t.month) + monthMark +
                           std::to_string(t.day) + dayMark + "(" + weekday + ") " +
                           std::to_string(t.hour) + hourMark + std::to_string(t.minute) +
                           minuteMark;
    return {std::move(approval), logDate(t), logTime(t)};
}

StampTimeTexts FormatStampTimeEnglish(StampingTime time, Prompter& prompter,
                                      const LocalTimeConversion& toLocal) {
    static constexpr std::array<const char*, 12> monthNames{
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static constexpr std::array<const char*, 7> weekdayNames{"Sun", "Mon", "Tue", "Wed",
                                                             "Thu", "Fri", "Sat"};

    const LocalTimeFields t = toLocal(time);
    const char* month = "";
    if (isMonth(t.month))
        month = monthNames[static_cast<std::size_t>(t.month - 1)];
    else
        reportFailure(prompter, "Error:Month");
    const char* weekday = "";
    if (isWeekday(t.weekday))
        weekday = weekdayNames[static_cast<std::size_t>(t.weekday)];
    else
        reportFailure(prompter, "Error:Day");

    std::string approval =
        format("%s %d %d(%s) %d:%d", month, t.day, t.year, weekday, t.hour, t.minute);
    return {std::move(approval), logDate(t), logTime(t)};
}

} // namespace vermil
