#pragma once

#include <QString>

#include <optional>
#include <string>

namespace vermil {

// The text of a dialog field over the CP932 bytes it was filled from. As long as
// the user leaves it as it was, it gives back exactly those bytes, also where
// Shift-JIS has two codes for one character, so an edit changes nothing unasked.
class FieldText {
public:
    FieldText() = default;
    explicit FieldText(std::string stored);

    const QString& shown() const { return shown_; }
    void set(const QString& text) { shown_ = text; }

    // The bytes to store; nullopt when a character has no CP932 form.
    std::optional<std::string> bytes() const;

private:
    QString shown_;
    std::optional<std::string> stored_;
    QString storedShown_;
};

// The first character of `text` that has no CP932 form, or an empty text.
QString firstUnstorableCharacter(const QString& text);

} // namespace vermil
