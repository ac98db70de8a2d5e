#include "render/date_era.h"
#include "render/date_formatting.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

using namespace vermil;
using vermil::test::sjis;

namespace {

// A conversion that always yields one calendar date, so each case names its date plainly.
LocalTimeConversion at(int year, int month, int day, int weekday = 3, int hour = 9,
                       int minute = 5) {
    return [=](StampingTime) { return LocalTimeFields{year, month, day, weekday, hour, minute}; };
}
LocalTimeConversion failing() {
    return [](StampingTime) { return failedLocalTime(); };
}

// Sets TZ for one test and puts the old value back.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> old_;
};

struct SealDateCase {
    const char* code;
    int year, month, day;
    const char* expected;
};

} // namespace

TEST(SealDate, EveryCodeForASingleDigitMonthAndDay) {
    const SealDateCase cases[] = {
        {"YYYY/MM/DD", 2012, 3, 7, "2012/ 3/ 7"},
        {"YYYY-MM-DD", 2012, 3, 7, "2012- 3- 7"},
        {"YYYY.MM.DD", 2012, 3, 7, "2012. 3. 7"},
        {"YY/MM/DD", 2012, 3, 7, "12/ 3/ 7"},
        {"YY-MM-DD", 2012, 3, 7, "12- 3- 7"},
        {"YY.MM.DD", 2012, 3, 7, "12. 3. 7"},
        {"'YY/MM/DD", 2012, 3, 7, "'12/ 3/ 7"},
        {"'YY-MM-DD", 2012, 3, 7, "'12- 3- 7"},
        {"'YY.MM.DD", 2012, 3, 7, "'12. 3. 7"},
        {"'YY.0M.0D", 2012, 3, 7, "'12.03.07"},
        {"NN.MM.DD", 2012, 3, 7, "24. 3. 7"},
        {"NN.0M.0D", 2012, 3, 7, "24.03.07"},
        {"HNN.MM.DD", 2012, 3, 7, "H24. 3. 7"},
        {"HNN.0M.0D", 2012, 3, 7, "H24.03.07"},
        {"NONE", 2012, 3, 7, ""},
        {"EMPTY", 2012, 3, 7, ""},
        {"YYYY.MM.DD", 2012, 11, 27, "2012.11.27"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSealDate(c.code, 0, at(c.year, c.month, c.day)), c.expected) << c.code;
}

TEST(SealDate, TwoDigitYearKeepsTheZeroOfTheFullYear) {
    const SealDateCase cases[] = {
        {"YY.MM.DD", 2005, 1, 1, "05. 1. 1"},   {"YY.MM.DD", 2000, 12, 31, "00.12.31"},
        {"'YY.0M.0D", 2009, 9, 9, "'09.09.09"}, {"YY/MM/DD", 7, 1, 1, "7/ 1/ 1"},
        {"YY-MM-DD", 1999, 1, 1, "99- 1- 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSealDate(c.code, 0, at(c.year, c.month, c.day)), c.expected)
            << c.code << " " << c.year;
}

TEST(SealDate, EraYearAndInitialFollowTheRealEraBoundaries) {
    const SealDateCase cases[] = {
        {"HNN.MM.DD", 1988, 12, 31, "S63.12.31"}, {"HNN.MM.DD", 1989, 1, 7, "S64. 1. 7"},
        {"HNN.MM.DD", 1989, 1, 8, "H1. 1. 8"},    {"HNN.0M.0D", 1997, 4, 1, "H9.04.01"},
        {"HNN.0M.0D", 2019, 4, 30, "H31.04.30"},  {"HNN.0M.0D", 2019, 5, 1, "R1.05.01"},
        {"HNN.MM.DD", 2026, 2, 3, "R8. 2. 3"},    {"NN.MM.DD", 1989, 1, 7, "64. 1. 7"},
        {"NN.MM.DD", 1989, 1, 8, "1. 1. 8"},      {"NN.0M.0D", 2019, 4, 30, "31.04.30"},
        {"NN.0M.0D", 2019, 5, 1, "1.05.01"},      {"NN.0M.0D", 2030, 1, 1, "12.01.01"},
        {"HNN.MM.DD", 1926, 12, 25, "S1.12.25"},  {"HNN.MM.DD", 2118, 1, 1, "R00. 1. 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSealDate(c.code, 0, at(c.year, c.month, c.day)), c.expected)
            << c.code << " " << c.year << "-" << c.month << "-" << c.day;
}

TEST(SealDate, CodesNotExactlyInTheTableFallBackToPlainNumbers) {
    for (const char* code : {"yyyy.mm.dd", "YYYY.MM.DD ", "none", "", "H", "'YY.0M.0D\n"})
        EXPECT_EQ(FormatSealDate(code, 0, at(2012, 3, 7)), "2012.3.7") << '"' << code << '"';
}

TEST(SealDate, FailedConversionFillsTheFailureValuesSilently) {
    EXPECT_EQ(FormatSealDate("YYYY.MM.DD", 0, failing()), "0. 0. 0");
    EXPECT_EQ(FormatSealDate("'YY.0M.0D", 0, failing()), "'0.00.00");
    EXPECT_EQ(FormatSealDate("HNN.MM.DD", 0, failing()), "S25. 0. 0");
    EXPECT_EQ(FormatSealDate("unknown", 0, failing()), "0.0.0");
    EXPECT_EQ(FormatSealDate("NONE", 0, failing()), "");
}

TEST(ApprovalDate, JapaneseAndEnglishForOneInstant) {
    RecordingPrompter prompter;
    const auto japanese = FormatStampTimeJapanese(0, prompter, at(2012, 3, 7, 3, 9, 5));
    EXPECT_EQ(japanese.approvalDate, sjis("2012年3月7日(水) 9時5分"));
    EXPECT_EQ(japanese.logDate, "2012/03/07");
    EXPECT_EQ(japanese.logTime, "09:05");

    const auto english = FormatStampTimeEnglish(0, prompter, at(2012, 3, 7, 3, 9, 5));
    EXPECT_EQ(english.approvalDate, "Mar 7 2012(Wed) 9:5");
    EXPECT_EQ(english.logDate, "2012/03/07");
    EXPECT_EQ(english.logTime, "09:05");

    const auto evening = FormatStampTimeEnglish(0, prompter, at(1999, 12, 31, 5, 23, 59));
    EXPECT_EQ(evening.approvalDate, "Dec 31 1999(Fri) 23:59");
    EXPECT_EQ(evening.logTime, "23:59");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(ApprovalDate, EveryWeekdayAndMonthName) {
    RecordingPrompter prompter;
    const char* japaneseNames[] = {"日", "月", "火", "水", "木", "金", "土"};
    const char* englishNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int weekday = 0; weekday < 7; ++weekday) {
        const auto japanese = FormatStampTimeJapanese(0, prompter, at(2024, 1, 1, weekday, 0, 0));
        EXPECT_EQ(japanese.approvalDate,
                  sjis(std::string("2024年1月1日(") + japaneseNames[weekday] + ") 0時0分"));
        const auto english = FormatStampTimeEnglish(0, prompter, at(2024, 1, 1, weekday, 0, 0));
        EXPECT_EQ(english.approvalDate,
                  std::string("Jan 1 2024(") + englishNames[weekday] + ") 0:0");
    }
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(FormatStampTimeEnglish(0, prompter, at(2024, month, 10, 0, 8, 30)).approvalDate,
                  std::string(months[month - 1]) + " 10 2024(Sun) 8:30");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(ApprovalDate, FailedConversionReportsAndStillWritesTheTexts) {
    RecordingPrompter japanesePrompter;
    const auto japanese = FormatStampTimeJapanese(0, japanesePrompter, failing());
    EXPECT_EQ(japanesePrompter.messages, QStringList{"Error:Day"});
    EXPECT_EQ(japanese.approvalDate, sjis("0年0月0日() -1時-1分"));
    EXPECT_EQ(japanese.logDate, "0000/00/00");
    EXPECT_EQ(japanese.logTime, "-1:-1");

    RecordingPrompter englishPrompter;
    const auto english = FormatStampTimeEnglish(0, englishPrompter, failing());
    EXPECT_EQ(englishPrompter.messages, (QStringList{"Error:Month", "Error:Day"}));
    EXPECT_EQ(english.approvalDate, " 0 0() -1:-1");
    EXPECT_EQ(english.logDate, "0000/00/00");
    EXPECT_EQ(english.logTime, "-1:-1");
}

TEST(LocalTime, SystemConversionFollowsTheTimeZone) {
    // 2019-04-30 15:30:00 UTC is already 1 May 00:30 in Japan: the first day of Reiwa.
    const StampingTime instant = 1556638200;
    {
        ScopedTimeZone zone("JST-9");
        const LocalTimeFields t = systemLocalTime(instant);
        EXPECT_EQ(t.year, 2019);
        EXPECT_EQ(t.month, 5);
        EXPECT_EQ(t.day, 1);
        EXPECT_EQ(t.weekday, 3);
        EXPECT_EQ(t.hour, 0);
        EXPECT_EQ(t.minute, 30);
        EXPECT_EQ(FormatSealDate("HNN.0M.0D", instant), "R1.05.01");
        RecordingPrompter prompter;
        EXPECT_EQ(FormatStampTimeJapanese(instant, prompter).approvalDate,
                  sjis("2019年5月1日(水) 0時30分"));
    }
    {
        ScopedTimeZone zone("UTC0");
        EXPECT_EQ(FormatSealDate("HNN.0M.0D", instant), "H31.04.30");
        RecordingPrompter prompter;
        const auto english = FormatStampTimeEnglish(instant, prompter);
        EXPECT_EQ(english.approvalDate, "Apr 30 2019(Tue) 15:30");
        EXPECT_EQ(english.logDate, "2019/04/30");
        EXPECT_EQ(english.logTime, "15:30");
    }
}

TEST(LocalTime, InstantsBeyondTheCalendarGiveTheFailureValues) {
    ScopedTimeZone zone("UTC0");
    for (StampingTime instant : {INT64_MAX, INT64_MIN}) {
        const LocalTimeFields t = systemLocalTime(instant);
        EXPECT_EQ(t.year, 0);
        EXPECT_EQ(t.month, 0);
        EXPECT_EQ(t.day, 0);
        EXPECT_EQ(t.weekday, -1);
        EXPECT_EQ(t.hour, -1);
        EXPECT_EQ(t.minute, -1);
    }
    RecordingPrompter prompter;
    EXPECT_EQ(FormatStampTimeEnglish(INT64_MAX, prompter).logDate, "0000/00/00");
    EXPECT_EQ(prompter.messages.size(), 2);
}

TEST(EraYear, ExtremeYearsStayTwoCharacters) {
    EXPECT_EQ(lastTwoCharacters(INT_MIN), "48");
    EXPECT_EQ(japaneseEraOf(INT_MIN, 1, 1).initial, 'S');
    EXPECT_EQ(lastTwoCharacters(japaneseEraOf(INT_MAX, 12, 31).year), "29");
    EXPECT_EQ(lastTwoCharacters(-5), "-5");
}
