#include "common/caption.h"

namespace vermil {

QString Caption::in(Language language) const {
    const std::string_view text = utf8(language);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<QString> textIn(const OptionalCaption& caption, Language language) {
    if (!caption)
        return std::nullopt;
    return caption->in(language);
}

std::string fillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool digitFollows =
            i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const std::size_t index = digitFollows ? std::size_t(pattern[i + 1] - '1') : values.size();
        if (pattern[i] == '%' && index < values.size()) {
            text += *(values.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace vermil
