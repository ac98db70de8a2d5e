#include "manager/import/import_dialog_texts.h"

namespace vermil {
namespace {

ImportDialogTexts systemCaptions() {
    ImportDialogTexts texts;
    texts.windowTitle = QStringLiteral("Import");
    texts.fileGroup = QStringLiteral("Import File");
    texts.browse = QStringLiteral("Ref");
    texts.formatHint = QStringLiteral(" CSV形式のファイルを設定してください。");
    texts.limitHint = QStringLiteral("1つのインデックスファイルへの最大登録数は100です。"
                                     "100を越える場合はインデックスファイルを分けてください。");
    texts.run = QStringLiteral("実行(Run)");
    texts.close = QStringLiteral("閉じる(Close)");
    return texts;
}

ImportDialogTexts japanese() {
    ImportDialogTexts texts = systemCaptions();
    texts.cancel = QStringLiteral("中止");
    texts.progress = QStringLiteral("%1 / %2 件を登録しました");
    return texts;
}

ImportDialogTexts english() {
    ImportDialogTexts texts = systemCaptions();
    texts.cancel = QStringLiteral("Cancel");
    texts.progress = QStringLiteral("%1 of %2 seals registered");
    return texts;
}

} // namespace

const ImportDialogTexts& ImportDialogTexts::of(Language language) {
    static const ImportDialogTexts ja = japanese();
    static const ImportDialogTexts en = english();
    return language == Language::Japanese ? ja : en;
}

} // namespace vermil
