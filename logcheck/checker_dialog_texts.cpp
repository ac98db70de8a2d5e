#include "logcheck/checker_dialog_texts.h"

#include <QLocale>

namespace vermil {
namespace {

CheckerDialogTexts systemCaptions() {
    CheckerDialogTexts texts;
    texts.windowTitle = QStringLiteral("trailscan");
    texts.pathGroup = QStringLiteral("ログファイルパス");
    texts.browse = QStringLiteral("Ref");
    texts.total = QStringLiteral("Total");
    texts.ok = QStringLiteral("OK");
    texts.ng = QStringLiteral("NG");
    texts.check = QStringLiteral("Check");
    texts.close = QStringLiteral("Close");
    texts.cancel = QStringLiteral("Cancel");
    return texts;
}

CheckerDialogTexts japanese() {
    CheckerDialogTexts texts = systemCaptions();
    texts.checkCancelled = QStringLiteral("チェックを中止しました。");
    texts.chooserTitle = QStringLiteral("ログファイルを開く");
    texts.ngOnly = QStringLiteral("NG のみ(&N)");
    texts.lineCount = QStringLiteral("%1 行");
    texts.oneLine = QStringLiteral("1 行");
    texts.summaryNg = QStringLiteral("%2中 NG %1 行 — 最初は %3 行目");
    texts.summaryNoNg = QStringLiteral("%1中 NG なし");
    texts.summaryEmpty = QStringLiteral("ログに行がありません");
    texts.summaryBytes = QStringLiteral("%1（%2 バイトをチェック）");
    texts.notRegularFile =
        QStringLiteral("「%1」は通常のファイルではありません（フォルダ、デバイス、パイプなど）。"
                       "ログファイルを指定してください。");
    texts.outOfMemory =
        QStringLiteral("Error: メモリが不足しているため、ログをチェックできません。");
    texts.windowOutOfMemory =
        QStringLiteral("Error: メモリが不足しているため、ログ全体を表示できません。"
                       "チェックできた行までを表示しています。\n"
                       "trailscan --check でコマンドラインからチェックすると、"
                       "どの大きさのログでもチェックできます。");
    return texts;
}

CheckerDialogTexts english() {
    CheckerDialogTexts texts = systemCaptions();
    texts.checkCancelled = QStringLiteral("Check cancelled.");
    texts.chooserTitle = QStringLiteral("Open Log File");
    texts.ngOnly = QStringLiteral("&NG only");
    texts.lineCount = QStringLiteral("%1 lines");
    texts.oneLine = QStringLiteral("1 line");
    texts.summaryNg = QStringLiteral("NG %1 of %2 — first at line %3");
    texts.summaryNoNg = QStringLiteral("No NG in %1");
    texts.summaryEmpty = QStringLiteral("The log has no lines");
    texts.summaryBytes = QStringLiteral("%1 (%2 bytes checked)");
    texts.notRegularFile = QStringLiteral(
        "“%1” is not a regular file (it is a folder, a device or a pipe); choose a log file.");
    texts.outOfMemory = QStringLiteral("Error: not enough memory to check the log.");
    texts.windowOutOfMemory =
        QStringLiteral("Error: not enough memory to show the whole log. The lines checked so "
                       "far are shown.\ntrailscan --check checks a log of any size on the "
                       "command line.");
    return texts;
}

} // namespace

const CheckerDialogTexts& CheckerDialogTexts::of(Language language) {
    static const CheckerDialogTexts ja = japanese();
    static const CheckerDialogTexts en = english();
    return language == Language::Japanese ? ja : en;
}

QString checkerdialogtexts::groupedNumber(unsigned long long number) {
    static const QLocale grouping(QLocale::English, QLocale::UnitedStates);
    return grouping.toString(number);
}

} // namespace vermil
