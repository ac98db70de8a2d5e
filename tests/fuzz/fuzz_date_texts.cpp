// Forms the date texts of arbitrary stamping times and of arbitrary local-time
// fields, with every date format code and one from the input. The local time of
// a stamping time is the calendar's (in UTC here); a seal date reads back as the
// date it shows; the eras follow each other in time and count years as the
// calendar does.
#include "common/interaction/prompter.h"
#include "render/date_era.h"
#include "render/date_formatting.h"
#include "render/date_local_time.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <limits>
#include <string>
#include <string_view>

namespace {

void require(bool property) {
    if (!property)
        __builtin_trap();
}

class CountingPrompter : public vermil::Prompter {
public:
    void showMessage(const QString&, vermil::MessageIcon) override { ++shown; }
    bool askYesNo(const QString&, vermil::MessageIcon) override { return false; }
    int shown = 0;
};

// The proleptic Gregorian date of a day count from 1970-01-01, by whole cycles of
// 400 years: what the C library's local time must agree with in UTC.
vermil::LocalTimeFields civilTime(std::int64_t seconds) {
    const std::int64_t days = seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
    const std::int64_t secondOfDay = seconds - days * 86400;
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    const std::int64_t weekday = ((days % 7) + 7 + 4) % 7;
    if (year < std::numeric_limits<int>::min() || year > std::numeric_limits<int>::max())
        return vermil::failedLocalTime();
    return {static_cast<int>(year),
            static_cast<int>(month),
            static_cast<int>(day),
            static_cast<int>(weekday),
            static_cast<int>(secondOfDay / 3600),
            static_cast<int>(secondOfDay % 3600 / 60)};
}

bool sameFields(const vermil::LocalTimeFields& a, const vermil::LocalTimeFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.weekday == b.weekday &&
           a.hour == b.hour && a.minute == b.minute;
}

// The three numbers of a seal date ("'12. 3. 4", "H24.03.04", "2012/03/04"),
// the blanks of the padding skipped; false when it is not three numbers.
bool readSealDate(std::string_view text, long long (&numbers)[3]) {
    if (!text.empty() &&
        (text.front() == '\'' || text.front() == 'S' || text.front() == 'H' || text.front() == 'R'))
        text.remove_prefix(1);
    for (int i = 0; i < 3; ++i) {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), numbers[i]);
        if (ec != std::errc())
            return false;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (i < 2) {
            if (text.empty() || (text.front() != '/' && text.front() != '-' && text.front() != '.'))
                return false;
            text.remove_prefix(1);
        }
    }
    return text.empty();
}

constexpr std::string_view codes[] = {
    "YYYY/MM/DD", "YYYY-MM-DD", "YYYY.MM.DD", "YY/MM/DD",  "YY-MM-DD",  "YY.MM.DD",
    "'YY/MM/DD",  "'YY-MM-DD",  "'YY.MM.DD",  "'YY.0M.0D", "NN.MM.DD",  "NN.0M.0D",
    "HNN.MM.DD",  "HNN.0M.0D",  "NONE",       "EMPTY",     "yyyy/mm/dd"};

// The number the last two characters of a year's decimal text show: "-5" for -5,
// "23" for -123.
long long lastTwoDigits(long long number) {
    return number > -10 && number < 10 ? number : std::llabs(number) % 100;
}

void checkSealDates(const vermil::LocalTimeFields& date) {
    const auto fixed = [&date](vermil::StampingTime) { return date; };
    const vermil::JapaneseEra era = vermil::japaneseEraOf(date.year, date.month, date.day);
    for (std::string_view code : codes) {
        const std::string text = vermil::FormatSealDate(code, 0, fixed);
        if (code == "NONE" || code == "EMPTY") {
            require(text.empty());
            continue;
        }
        long long numbers[3];
        require(readSealDate(text, numbers));
        require(numbers[1] == date.month && numbers[2] == date.day);
        const bool eraCode = code.starts_with("NN") || code.starts_with("HNN");
        if (code.starts_with("YYYY") || code == "yyyy/mm/dd")
            require(numbers[0] == date.year);
        else
            require(numbers[0] == lastTwoDigits(eraCode ? era.year : date.year));
        if (code.starts_with('H'))
            require(text.front() == era.initial);
    }
}

int eraRank(char initial) {
    return initial == 'S' ? 0 : initial == 'H' ? 1 : 2;
}

void checkEras(const vermil::LocalTimeFields& a, const vermil::LocalTimeFields& b) {
    const vermil::JapaneseEra first = vermil::japaneseEraOf(a.year, a.month, a.day);
    const vermil::JapaneseEra second = vermil::japaneseEraOf(b.year, b.month, b.day);
    const auto key = [](const vermil::LocalTimeFields& t) {
        return static_cast<long long>(t.year) * 10000 + t.month * 100 + t.day;
    };
    if (key(a) <= key(b))
        require(eraRank(first.initial) <= eraRank(second.initial));
    if (first.initial == second.initial)
        require(second.year - first.year == static_cast<long long>(b.year) - a.year);
    // Showa began on 25 December 1926: from then on every era year is a real one.
    if (key(a) >= 19261225)
        require(first.year >= 1);
}

void checkStampTimes(const vermil::LocalTimeFields& fields) {
    const auto fixed = [&fields](vermil::StampingTime) { return fields; };
    const bool weekdayKnown = fields.weekday >= 0 && fields.weekday <= 6;
    const bool monthKnown = fields.month >= 1 && fields.month <= 12;
    CountingPrompter japanese;
    (void)vermil::FormatStampTimeJapanese(0, japanese, fixed);
    require(japanese.shown == (weekdayKnown ? 0 : 1));
    CountingPrompter english;
    (void)vermil::FormatStampTimeEnglish(0, english, fixed);
    require(english.shown == (weekdayKnown ? 0 : 1) + (monthKnown ? 0 : 1));
}

template <typename T> T take(std::string_view& bytes) {
    T value{};
    const std::size_t n = std::min(sizeof value, bytes.size());
    std::memcpy(&value, bytes.data(), n);
    bytes.remove_prefix(n);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool utc = [] {
        ::setenv("TZ", "UTC0", 1);
        ::tzset();
        return true;
    }();
    (void)utc;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto time = take<vermil::StampingTime>(bytes);
    const auto later = take<std::int32_t>(bytes);
    vermil::LocalTimeFields fields;
    fields.year = take<int>(bytes);
    fields.month = take<int>(bytes);
    fields.day = take<int>(bytes);
    fields.weekday = take<int>(bytes);
    fields.hour = take<int>(bytes);
    fields.minute = take<int>(bytes);
    const std::string_view code = bytes;

    // Arbitrary fields, as a failed or foreign conversion may give them.
    const auto given = [&fields](vermil::StampingTime) { return fields; };
    (void)vermil::FormatSealDate(code, time, given);
    for (std::string_view known : codes)
        (void)vermil::FormatSealDate(known, time, given);
    (void)vermil::japaneseEraOf(fields.year, fields.month, fields.day);
    checkStampTimes(fields);

    const vermil::LocalTimeFields local = vermil::systemLocalTime(time);
    if (sameFields(local, vermil::failedLocalTime()))
        return 0;
    require(sameFields(local, civilTime(time)));
    (void)vermil::FormatSealDate(code, time);
    checkSealDates(local);
    checkStampTimes(local);
    vermil::StampingTime laterTime = 0;
    if (__builtin_add_overflow(time, static_cast<vermil::StampingTime>(later), &laterTime))
        return 0;
    const vermil::LocalTimeFields other = vermil::systemLocalTime(laterTime);
    if (!sameFields(other, vermil::failedLocalTime()))
        checkEras(local, other);
    return 0;
}
