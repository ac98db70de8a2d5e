#pragma once

#include <QString>

#include <cstddef>

namespace vermil {

// The captions of the font detail dialog: one form only, whatever the language.
struct FontDetailTexts {
    QString windowTitle;
    QString up2Group;
    QString up1Group;
    QString dateGroup;
    QString low1Group;
    QString choose;
    QString size;
    QString bold;
    QString ok;
    QString cancel;

    static const FontDetailTexts& get();
};

namespace fontdetailtexts {

// A face name longer than the font chooser takes: %1 the name, %2 its bytes, %3 the limit.
QString faceNameTooLong(const QString& name, std::size_t bytes, std::size_t limit);
// A face name (typed, or chosen) with a character that has no Shift-JIS form.
QString faceNameNotStorable(const QString& name);

} // namespace fontdetailtexts

} // namespace vermil
