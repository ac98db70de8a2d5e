#pragma once

#include "common/language.h"

#include <QString>

#include <string_view>

namespace vermil {

// The captions of the manager's main dialog and of its version box. Captions
// follow the language; the title and the version box have one form only.
struct ManagerDialogTexts {
    QString windowTitle;
    QString sealTexts; // the label of the seal texts
    QString sizeGroup;
    QString sizeX;
    QString sizeY;
    QString profileGroup;
    QString indexPathGroup;
    QString add;
    QString remove;
    QString edit;
    QString import;
    QString setting;
    QString versionInfo;
    QString close;
    QString chooseIndex;
    QString versionMenuEntry; // the window menu's entry for the version box
    QString pictureCaption;   // names the seal picture for screen readers

    static const ManagerDialogTexts& of(Language language);
};

// The version box: one form only.
struct VersionBoxTexts {
    QString windowTitle;
    QString programTitle;
    QString versionLine;
    QString releaseLine;
    QString close;

    static const VersionBoxTexts& get();
};

namespace managerdialogtexts {

// Messages: Japanese whatever the language.
QString indexMissing(std::string_view indexPath);          // WARNING 345 and its question
QString legacyEntry();                                     // Warning 340
QString sealFileUnreadable(std::string_view sealFilePath); // Warning 341
inline const QString noSealToEdit = QStringLiteral("日付印が選択されていません。");
inline const QString noSealToDelete = QStringLiteral("削除する日付印名が選択されていません。");
inline const QString confirmDelete = QStringLiteral("本当に削除してよろしいですか？");
inline const QString deleteFailed =
    QStringLiteral("Error 329: インデックスファイルへの書き込みに失敗しました。\n"
                   "インデックスファイルのアクセス権限を確認してください。");
// What is at the index path is no seal index (a folder, a device, a pipe, a file
// too large): %2 the system's reason.
QString indexUnusable(std::string_view indexPath, const QString& reason);
// The chosen index path has a character without a Shift-JIS form.
QString indexPathNotStorable(const QString& path);
// The command line names a seal that is not listed.
QString notRegistered(std::string_view name);

// The index file chooser.
inline const QString indexChooserTitle = QStringLiteral("Vermil Index File");
inline const QString indexChooserFilter = QStringLiteral("index File(*.dat);;全てのファイル(*.*)");
inline const QString indexChooserSuffix = QStringLiteral("dat");

// The texts of the small seal that is the program's icon (ASCII).
inline constexpr std::string_view iconUpperText = "VRM";
inline constexpr std::string_view iconDateText = "5.6.4";
inline constexpr std::string_view iconLowerText = "MGR";

// vrmgr --show: the name of each line, in the order the dialog shows the fields.
struct ShowLabels {
    std::string_view name = "Name";
    std::string_view up2 = "Up2";
    std::string_view up1 = "Up1";
    std::string_view down = "Down";
    std::string_view dateFormat = "DateFormat";
    std::string_view sizeX = "SizeX";
    std::string_view sizeY = "SizeY";
    std::string_view profile = "Profile";
};
inline constexpr ShowLabels showLabels{};

} // namespace managerdialogtexts

} // namespace vermil
