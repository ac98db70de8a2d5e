#include "manager/sealform/seal_form_texts.h"

namespace vermil {
namespace {

SealFormTexts registerJapanese() {
    SealFormTexts texts;
    texts.windowTitle = QStringLiteral("Add Dialogue");
    texts.nameGroup = QStringLiteral("Vermil名");
    texts.passwordGroup = QStringLiteral("押印パスワード");
    texts.passwordHint = QStringLiteral("任意の英数字");
    texts.up2Label = QStringLiteral("上段２");
    texts.up1Label = QStringLiteral("上段１");
    texts.downLabel = QStringLiteral("下段");
    texts.upperTextsHint = QStringLiteral("任意の文字列（漢字可)");
    texts.dateFormatLabel = QStringLiteral("日付書式");
    texts.dateFormatHint = QStringLiteral("NN.MM.DD : 和暦");
    texts.sizeGroup = QStringLiteral("サイズ(mm)");
    texts.sizeX = QStringLiteral("横");
    texts.sizeY = QStringLiteral("縦");
    texts.sizeNote = QStringLiteral("縦と横のサイズが異なると楕円になります。");
    texts.profileGroup = QStringLiteral("プロファイル");
    texts.browseProfile = QStringLiteral("Ref");
    texts.indexPathGroup = QStringLiteral("インデックスファイルパス");
    texts.detail = QStringLiteral("詳細設定");
    texts.ok = QStringLiteral("OK");
    texts.cancel = QStringLiteral("Close");
    return texts;
}

SealFormTexts registerEnglish() {
    SealFormTexts texts = registerJapanese();
    texts.nameGroup = QStringLiteral("Vermil Name");
    texts.passwordGroup = QStringLiteral("Seal Password");
    texts.passwordHint = QStringLiteral("Alphanumeric characters");
    texts.up2Label = QStringLiteral("Up2");
    texts.up1Label = QStringLiteral("Up1");
    texts.downLabel = QStringLiteral("Down");
    texts.upperTextsHint = QStringLiteral("Arvitrary Text");
    texts.dateFormatLabel = QStringLiteral("Date Format");
    texts.sizeGroup = QStringLiteral("Size(mm)");
    texts.sizeX = QStringLiteral("H");
    texts.sizeY = QStringLiteral("V");
    texts.sizeNote = QStringLiteral("It will become ellipse if the sizes of H and V differ.");
    texts.profileGroup = QStringLiteral("Profile");
    texts.indexPathGroup = QStringLiteral("Index File Path");
    texts.detail = QStringLiteral("Detail");
    return texts;
}

SealFormTexts edit() {
    SealFormTexts texts;
    texts.windowTitle = QStringLiteral("Edit Dialogue");
    texts.nameGroup = QStringLiteral("Name(印名)");
    texts.passwordGroup = QStringLiteral("Passwd(パスワード)");
    texts.passwordHint = QStringLiteral("任意の英数字文字列");
    texts.up2Label = QStringLiteral("Up2");
    texts.up1Label = QStringLiteral("Up1");
    texts.downLabel = QStringLiteral("Down");
    texts.dateFormatLabel = QStringLiteral("Date Format");
    texts.sizeGroup = QStringLiteral("Size");
    texts.sizeX = QStringLiteral("横(mm)");
    texts.sizeY = QStringLiteral("縦(mm)");
    texts.profileGroup = QStringLiteral("Profile");
    texts.browseProfile = QStringLiteral("Ref");
    texts.indexPathGroup = QStringLiteral("Index File Path");
    texts.detail = QStringLiteral("詳細設定");
    texts.ok = QStringLiteral("OK");
    texts.cancel = QStringLiteral("Cancel");
    return texts;
}

} // namespace

const SealFormTexts& SealFormTexts::registerTexts(Language language) {
    static const SealFormTexts ja = registerJapanese();
    static const SealFormTexts en = registerEnglish();
    return language == Language::Japanese ? ja : en;
}

const SealFormTexts& SealFormTexts::editTexts() {
    static const SealFormTexts texts = edit();
    return texts;
}

namespace sealformtexts {

QString notStorable(const QString& character) {
    return QStringLiteral("文字「%1」は Shift-JIS (CP932) で表せないため登録できません。")
        .arg(character);
}

} // namespace sealformtexts

} // namespace vermil
