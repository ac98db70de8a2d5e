#pragma once

#include <QString>

namespace vermil {

// The captions of the manager's settings dialog. Its label follows the language
// setting as it stands when the dialog opens; the rest has one form only.
struct ManagerSettingTexts {
    QString windowTitle;
    QString languageLabelJapanese;
    QString languageLabelEnglish;
    QString ok;
    QString close;

    static const ManagerSettingTexts& get();
};

} // namespace vermil
