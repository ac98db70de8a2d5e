#include "password_case.h"

#include "cp932.h"

namespace vermil {

QString upperCasePasswordText(QString text) {
    for (QChar& c : text)
        c = c.toUpper();
    return text;
}

std::string upperCasePassword(std::string_view cp932Password) {
    std::string upper;
    upper.reserve(cp932Password.size());
    for (std::size_t pos = 0; pos < cp932Password.size();) {
        const std::size_t length = cp932CharLength(cp932Password, pos);
        const std::string_view character = cp932Password.substr(pos, length);
        pos += length;
        if (length == 1) {
            const char c = character.front();
            upper += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            continue;
        }
        const QString decoded = fromCp932(character);
        const QString capital = upperCasePasswordText(decoded);
        const auto encoded = capital == decoded ? std::nullopt : toCp932(capital);
        upper += encoded ? std::string_view(*encoded) : character;
    }
    return upper;
}

} // namespace vermil
