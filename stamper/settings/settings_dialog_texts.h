#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// Captions of the stamping program's settings dialogs. The system has them in one
// form (English, with the Japanese of the settings dialog); both sets carry it.
// Where the system has no text, each set has its own.

// The log path dialog, CFileNameDialog.
struct LogPathDialogTexts {
    QString windowTitle;
    QString pathGroup;
    QString browse;
    QString outputLog;
    QString formatGroup;
    QString pipe;
    QString comma;
    QString ok;
    QString cancel;
    QString chooserTitle;

    static const LogPathDialogTexts& of(Language language);
};

namespace logpathdialogtexts {
inline const QString fileFilter = QStringLiteral("Text File(*.txt);;Log File(*.log)");
inline const QString defaultSuffix = QStringLiteral("txt");
} // namespace logpathdialogtexts

// The settings dialog, CIndexDlg.
struct SettingsDialogTexts {
    QString windowTitle;
    QString indexLabel;
    QString browse;
    QString autoStampGroup;
    QString autoNone;
    QString auto1;
    QString auto2;
    QString clipboard;
    QString languageLabel;
    QString ok;
    QString cancel;
    QString chooserTitle;

    static const SettingsDialogTexts& of(Language language);
};

namespace settingsdialogtexts {
inline const QString fileFilter = QStringLiteral("Data File(*.dat)");
inline const QString defaultSuffix = QStringLiteral("dat");
} // namespace settingsdialogtexts

// The language dialog, CLangDlg.
struct LanguageDialogTexts {
    QString windowTitle;
    QString prompt;
    QString group;
    QString japanese;
    QString english;
    QString ok;

    static const LanguageDialogTexts& of(Language language);
};

// Messages of the settings dialogs that the system does not have.
struct SettingsMessages {
    QString (*pathNotCp932)(const QString& path);
    QString (*cannotWrite)(const QString& file);

    static const SettingsMessages& of(Language language);
};

} // namespace vermil
