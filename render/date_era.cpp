#include "date_era.h"

namespace vermil {
namespace {
// Dates compare as one number yyyymmdd; the failure fields (0, 0, 0) fall before every era.
constexpr long long dateKey(long long year, int month, int day) {
    return year * 10000 + static_cast<long long>(month) * 100 + day;
}
constexpr long long heiseiBegins = dateKey(1989, 1, 8);
constexpr long long reiwaBegins = dateKey(2019, 5, 1);
} // namespace

JapaneseEra japaneseEraOf(int year, int month, int day) {
    const long long key = dateKey(year, month, day);
    if (key >= reiwaBegins)
        return {'R', year - 2018LL};
    if (key >= heiseiBegins)
        return {'H', year - 1988LL};
    return {'S', year - 1925LL};
}

std::string lastTwoCharacters(long long number) {
    const std::string text = std::to_string(number);
    return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

} // namespace vermil
