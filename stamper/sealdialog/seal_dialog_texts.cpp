#include "stamper/sealdialog/seal_dialog_texts.h"

namespace vermil {
namespace {

SealDialogTexts english() {
    SealDialogTexts t;
    t.windowTitle = QStringLiteral("Seal Dialogue");
    t.stampSelection = QStringLiteral("&Stamp Selection");
    t.sealInformation = QStringLiteral("Seal Information");
    t.documentNo = QStringLiteral("&Document No");
    t.name = QStringLiteral("&Name");
    t.section = QStringLiteral("S&ection");
    t.date = QStringLiteral("D&ate");
    t.comment = QStringLiteral("Co&mment");
    t.profile = QStringLiteral("Profile");
    t.password = QStringLiteral("&Password");
    t.savePassword = QStringLiteral("Sa&ve Password");
    t.colour = QStringLiteral("&Color");
    t.ok = QStringLiteral("OK");
    t.cancel = QStringLiteral("Cancel");
    t.userLine = QStringLiteral("User:");
    t.indexLine = QStringLiteral("Index:");
    t.colourChooserTitle = QStringLiteral("Seal Colour");
    t.sealDateHint = QStringLiteral("The date in the seal: click to change it");
    t.noShiftJisForm = QStringLiteral("This character has no Shift-JIS form and cannot be stored.");
    t.noSealSelected = QStringLiteral("Vermil name has not been selected.\n");
    t.wrongPassword = QStringLiteral("Error 1315: Password is incorrect.");
    return t;
}

// The system's Japanese captions stand as they are, without mnemonic suffixes;
// "Save Password" and "Color" are the same in both sets.
SealDialogTexts japanese() {
    SealDialogTexts t = english();
    t.stampSelection = QStringLiteral("日付印選択");
    t.sealInformation = QStringLiteral("押印情報");
    t.documentNo = QStringLiteral("文書番号");
    t.name = QStringLiteral("名前");
    t.section = QStringLiteral("所属");
    t.date = QStringLiteral("日付");
    t.comment = QStringLiteral("コメント");
    t.password = QStringLiteral("パスワード");
    t.userLine = QStringLiteral("ユーザー:");
    t.indexLine = QStringLiteral("インデックス:");
    t.colourChooserTitle = QStringLiteral("印の色");
    t.sealDateHint = QStringLiteral("印の日付（クリックして変更できます）");
    t.noShiftJisForm = QStringLiteral("この文字は Shift-JIS で表せないため保存できません。");
    t.noSealSelected = QStringLiteral("印名が選択されていません。\n");
    t.wrongPassword = QStringLiteral("Error 1315: パスワードが一致しません。");
    return t;
}

} // namespace

const SealDialogTexts& SealDialogTexts::of(Language language) {
    static const SealDialogTexts ja = japanese();
    static const SealDialogTexts en = english();
    return language == Language::Japanese ? ja : en;
}

} // namespace vermil
