#pragma once

#include <QString>

namespace vermil::checkertexts {

// The log checker's own texts: captions and messages, exactly as users know them.
inline const QString windowTitle = QStringLiteral("trailscan");
inline const QString pathGroup = QStringLiteral("ログファイルパス");
inline const QString browse = QStringLiteral("Ref");
inline const QString total = QStringLiteral("Total");
inline const QString ok = QStringLiteral("OK");
inline const QString ng = QStringLiteral("NG");
inline const QString check = QStringLiteral("Check");
inline const QString close = QStringLiteral("Close");
inline const QString cancel = QStringLiteral("Cancel");

inline const QString emptyPath =
    QStringLiteral("ログファイル名(log)が設定されていません\n設定してください。\n");
inline const QString cannotOpen =
    QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。");

// The chooser's filters: LogFile(*.log), TextFile(*.txt), 全て(*.*).
inline const QString fileFilter = QStringLiteral("LogFile(*.log);;TextFile(*.txt);;全て(*.*)");
inline const QString defaultSuffix = QStringLiteral("log");

// Where the last checked path is kept in the per-user profile.
inline const QString profileSection = QStringLiteral("TRAILSCAN");
inline const QString profileKey = QStringLiteral("LOGFILEPATH");

} // namespace vermil::checkertexts
