#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions of the log checker's dialog. The system's own captions exist in
// one form only and stand in both sets; what the dialog adds has both languages.
struct CheckerDialogTexts {
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
    QString ngOnly; // the switch that shows the NG lines only

    // The summary above the list: "NG 3 of 1,204,113 lines — first at line 17
    // (104,857,600 bytes checked)". %1.. are numbers with digit groups.
    QString lineCount;    // "%1 lines"
    QString oneLine;      // "1 line"
    QString summaryNg;    // %1 NG lines, %2 a lineCount, %3 the first NG line
    QString summaryNoNg;  // %1 a lineCount
    QString summaryEmpty; // a log without lines
    QString summaryBytes; // %1 one of the above, %2 the bytes checked

    // Messages that follow the language; %1 is the path.
    QString notRegularFile; // second line under checkerdialogtexts::cannotOpen
    QString outOfMemory;    // the command line
    QString windowOutOfMemory;

    static const CheckerDialogTexts& of(Language language);
};

namespace checkerdialogtexts {

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

// A number as the summary shows it: 1,204,113.
QString groupedNumber(unsigned long long number);

} // namespace checkerdialogtexts

} // namespace vermil
