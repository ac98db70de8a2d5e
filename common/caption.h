#pragma once

#include "common/language.h"

#include <QString>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

// One text a person reads, its Japanese and its English form side by side (UTF-8).
// A text the system has in one form only is written with same(), so that no form
// ever falls back to the other language unseen.
struct Caption {
    std::string_view japanese;
    std::string_view english;

    static constexpr Caption same(std::string_view text) { return {text, text}; }

    constexpr std::string_view utf8(Language language) const {
        return language == Language::Japanese ? japanese : english;
    }
    QString in(Language language) const;
};

// A caption that a dialog may leave out; absentCaption hides its control.
using OptionalCaption = std::optional<Caption>;
inline constexpr std::nullopt_t absentCaption = std::nullopt;

std::optional<QString> textIn(const OptionalCaption& caption, Language language);

// `pattern` with %1, %2, ... replaced by values[0], values[1], ...: the
// std::string counterpart of QString::arg for texts that never become a QString.
std::string fillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> values);

} // namespace vermil
