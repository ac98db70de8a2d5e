#include "checker_texts.h"

namespace vermil {
namespace {

CheckerTexts systemCaptions() {
    CheckerTexts texts;
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

CheckerTexts japanese() {
    CheckerTexts texts = systemCaptions();
    texts.checkCancelled = QStringLiteral("チェックを中止しました。");
    texts.chooserTitle = QStringLiteral("ログファイルを開く");
    return texts;
}

CheckerTexts english() {
    CheckerTexts texts = systemCaptions();
    texts.checkCancelled = QStringLiteral("Check cancelled.");
    texts.chooserTitle = QStringLiteral("Open Log File");
    return texts;
}

} // namespace

const CheckerTexts& CheckerTexts::of(Language language) {
    static const CheckerTexts ja = japanese();
    static const CheckerTexts en = english();
    return language == Language::Japanese ? ja : en;
}

} // namespace vermil
