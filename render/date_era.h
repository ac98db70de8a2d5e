#pragma once

#include <string>

namespace vermil {

// The Japanese era of a calendar date, by the real boundaries: Showa up to
// 7 January 1989, Heisei from 8 January 1989 to 30 April 2019, Reiwa from
// 1 May 2019. Earlier dates count as Showa years, as the seal texts always did.
struct JapaneseEra {
    char initial;   // 'S', 'H' or 'R'
    long long year; // year of the era; 1 in the era's first calendar year
};

JapaneseEra japaneseEraOf(int year, int month, int day);

// The last two characters of the decimal text of `number` (the whole text when
// shorter): 2005 gives "05", 7 gives "7".
std::string lastTwoCharacters(long long number);

} // namespace vermil
