#include "manager/manager_dialog_texts.h"

#include "common/cp932.h"

namespace vermil {
namespace {

ManagerDialogTexts common() {
    ManagerDialogTexts texts;
    texts.windowTitle = QStringLiteral("Vermil Manager Ver5. 6. 4");
    texts.versionMenuEntry = QStringLiteral("vrmgr のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    return texts;
}

ManagerDialogTexts japanese() {
    ManagerDialogTexts texts = common();
    texts.sealTexts = QStringLiteral("Vermil名");
    texts.sizeGroup = QStringLiteral("サイズ(mm)");
    texts.sizeX = QStringLiteral("横");
    texts.sizeY = QStringLiteral("縦");
    texts.profileGroup = QStringLiteral("プロファイル");
    texts.indexPathGroup = QStringLiteral("インデックスファイルパス");
    texts.add = QStringLiteral("追加");
    texts.remove = QStringLiteral("削除");
    texts.edit = QStringLiteral("編集");
    texts.import = QStringLiteral("インポート");
    texts.setting = QStringLiteral("設定");
    texts.versionInfo = QStringLiteral("バージョン情報");
    texts.close = QStringLiteral("閉じる");
    texts.chooseIndex = QStringLiteral("参照");
    texts.pictureCaption = QStringLiteral("日付印の見本");
    return texts;
}

ManagerDialogTexts english() {
    ManagerDialogTexts texts = common();
    texts.sealTexts = QStringLiteral("Vermil Name");
    texts.sizeGroup = QStringLiteral("Size(mm)");
    texts.sizeX = QStringLiteral("H");
    texts.sizeY = QStringLiteral("V");
    texts.profileGroup = QStringLiteral("Profile");
    texts.indexPathGroup = QStringLiteral("Index File Path");
    texts.add = QStringLiteral("Add");
    texts.remove = QStringLiteral("Delete");
    texts.edit = QStringLiteral("Edit");
    texts.import = QStringLiteral("Import");
    texts.setting = QStringLiteral("Setting");
    texts.versionInfo = QStringLiteral("Version Info");
    texts.close = QStringLiteral("Close");
    texts.chooseIndex = QStringLiteral("Ref");
    texts.pictureCaption = QStringLiteral("Seal preview");
    return texts;
}

} // namespace

const ManagerDialogTexts& ManagerDialogTexts::of(Language language) {
    static const ManagerDialogTexts ja = japanese();
    static const ManagerDialogTexts en = english();
    return language == Language::Japanese ? ja : en;
}

const VersionBoxTexts& VersionBoxTexts::get() {
    static const VersionBoxTexts texts{
        QStringLiteral("Version Information"),
        QStringLiteral("日付印Vermil管理ツール Vermil Manager"),
        QStringLiteral("Vrmgr  Ver 5. 6. 4 Rel.0"),
        QStringLiteral("Releace Date :  2012-03-21"),
        QStringLiteral("Close"),
    };
    return texts;
}

namespace managerdialogtexts {

QString indexMissing(std::string_view indexPath) {
    return QStringLiteral("WARNING 345: インデックスファイル ") + fromCp932(indexPath) +
           QStringLiteral(" が存在しません。\nインデックスファイル設定を行いますか？");
}

QString legacyEntry() {
    return QStringLiteral(
        "Warning 340 : Vermilファイルの指定がありません。IndexFile が旧バージョンです。");
}

QString sealFileUnreadable(std::string_view sealFilePath) {
    return QStringLiteral("Warning 341 : Vermilファイル ") + fromCp932(sealFilePath) +
           QStringLiteral(" が開けません。");
}

QString indexUnusable(std::string_view indexPath, const QString& reason) {
    return QStringLiteral("インデックスファイル ") + fromCp932(indexPath) +
           QStringLiteral(" は読めないため使えません。\n") + reason;
}

QString indexPathNotStorable(const QString& path) {
    return QStringLiteral("インデックスファイル ") + path +
           QStringLiteral(" のパスには Shift-JIS (CP932) で表せない文字があります。");
}

QString notRegistered(std::string_view name) {
    return QStringLiteral("日付印名 ") + fromCp932(name) +
           QStringLiteral(" は登録されていません。");
}

} // namespace managerdialogtexts

} // namespace vermil
