#include "manager/sealform/field_text.h"

#include "common/cp932.h"

namespace vermil {

FieldText::FieldText(std::string stored)
    : shown_(fromCp932(stored)), stored_(std::move(stored)), storedShown_(shown_) {}

std::optional<std::string> FieldText::bytes() const {
    if (stored_ && shown_ == storedShown_)
        return stored_;
    return toCp932(shown_);
}

QString firstUnstorableCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QString character = text.mid(i, length);
        if (!toCp932(character))
            return character;
        i += length;
    }
    return {};
}

} // namespace vermil
