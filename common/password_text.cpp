#include "password_text.h"

#include "cp932.h"

namespace vermil {

QString passwordAsTyped(QString text) {
    for (QChar& c : text)
        c = c.toUpper();
    return text;
}

std::string passwordAsTyped(std::string_view cp932Password) {
    std::string typed;
    typed.reserve(cp932Password.size());
    for (std::size_t pos = 0; pos < cp932Password.size();) {
        const std::size_t length = cp932CharLength(cp932Password, pos);
        const std::string_view character = cp932Password.substr(pos, length);
        pos += length;
        if (length == 1) {
            const char c = character.front();
            typed += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            continue;
        }
        const QString decoded = fromCp932(character);
        const QString capital = passwordAsTyped(decoded);
        const auto encoded = capital == decoded ? std::nullopt : toCp932(capital);
        typed += encoded ? std::string_view(*encoded) : character;
    }
    return typed;
}

} // namespace vermil
