#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions of the log checker's dialog. The system's own captions exist in
// one form only and stand in both sets; what the dialog adds has both languages.
struct CheckerTexts {
    QString windowTitle;
    QString pathGroup;
    QString browse;
    QString total;
    QString ok;
    QString ng;
    QString check;
    QString close;
    QString cancel;
    QString checkCancelled;
    QString chooserTitle;

    static const CheckerTexts& of(Language language);
};

namespace checkertexts {

// Messages, in the one language the system has them in.
inline const QString emptyPath =
    QStringLiteral("ログファイル名(log)が設定されていません\n設定してください。\n");
inline const QString cannotOpen =
    QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。");
inline const QString reportNotWritten = QStringLiteral("Error: the report could not be written.");

// The chooser's filters: LogFile(*.log), TextFile(*.txt), 全て(*.*).
inline const QString fileFilter = QStringLiteral("LogFile(*.log);;TextFile(*.txt);;全て(*.*)");
inline const QString defaultSuffix = QStringLiteral("log");

// Where the last checked path is kept in the per-user profile.
inline const QString profileSection = QStringLiteral("TRAILSCAN");
inline const QString profileKey = QStringLiteral("LOGFILEPATH");

} // namespace checkertexts

} // namespace vermil
