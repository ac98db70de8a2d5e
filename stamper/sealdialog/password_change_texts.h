#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions of the password change dialog, with their mnemonics. "Change
// Password", "Index Path ：", "OK" and "Cancel" exist in one form only.
struct PasswordChangeTexts {
    QString windowTitle;
    QString vermilName;
    QString oldPassword;
    QString newPassword;
    QString samePasswordAgain;
    QString indexPath;
    QString ok;
    QString cancel;

    static const PasswordChangeTexts& of(Language language);
};

namespace passwordchangetexts {

// The messages, each in the one language the system has it in.
inline const QString noSealSelected =
    QStringLiteral("Error 1300 : パスワードを変更するVermil名が選択されていません。");
inline const QString oldPasswordEmpty =
    QStringLiteral("Error 1301 : 現在のパスワードが入力されていません。");
inline const QString newPasswordEmpty =
    QStringLiteral("Error 1302 : 新しいパスワードが入力されていません。");
inline const QString newPasswordAgainEmpty =
    QStringLiteral("Error 1303 : 新しいパスワードが入力されていません。");
inline const QString newPasswordsDiffer =
    QStringLiteral("Error 1304 : ２つの新しいパスワードが一致しません。");
inline const QString passwordCodeEmpty = QStringLiteral(
    "Error 1305 : 現在のパスワード情報を得ることができません。\nインデックスファイルが異常です。");
inline const QString oldPasswordWrong =
    QStringLiteral("Error 1306 : 現在のパスワードが一致しません。");
inline const QString dataEmpty =
    QStringLiteral("Error 1307 : Dataが空です。\nインデックスファイルが異常です。");
inline const QString hashEmpty =
    QStringLiteral("Error 1308 : Hash Error\nインデックスファイルが異常です。");
inline const QString noSealFileNamed =
    QStringLiteral("Warning 1309 : Vermilファイルの指定がありません。IndexFile が旧バージョンです。"
                   "\nVermil管理ツールを用いて再登録してください。");
inline const QString indexHashWrong = QStringLiteral("Error 1309 : Hash Error");
// Followed by the path and sealFileUnreadableEnd.
inline const QString sealFileUnreadableStart = QStringLiteral("Error 1310 : Vermilファイル ");
inline const QString sealFileUnreadableEnd = QStringLiteral(" が開けません。");
inline const QString selectionDataEmpty = QStringLiteral(
    "Error 1311 : IndexHash error.\nThe format of Index File is old. Plese Update it.");
inline const QString selectionSealFileUnreadable =
    QStringLiteral("Error 1312 : can't open vrm file.");
inline const QString selectionNoSealFileNamed =
    QStringLiteral("Error 1313 : The format of Index File is old. Plese Update it.");
inline const QString selectionIndexHashWrong = QStringLiteral("Error 1316 : IndexHash error.");
inline const QString indexNotWritten =
    QStringLiteral("Error 1317 : インデックスファイルへの書き込みに失敗しました。");
inline const QString changed = QStringLiteral("パスワードが変更されました。");

} // namespace passwordchangetexts

} // namespace vermil
