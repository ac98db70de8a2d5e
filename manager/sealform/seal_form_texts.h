#pragma once

#include "common/language.h"

#include <QString>

namespace vermil {

// The captions of the register and edit dialogs. The register dialog's follow the
// language; the edit dialog has one set whatever the language. Captions the
// system leaves out (the dialog's own additions) are empty in that set.
struct SealFormTexts {
    QString windowTitle;
    QString nameGroup;
    QString passwordGroup;
    QString passwordHint;
    QString up2Label;
    QString up1Label;
    QString downLabel;
    QString upperTextsHint;
    QString dateFormatLabel;
    QString dateFormatHint;
    QString sizeGroup;
    QString sizeX;
    QString sizeY;
    QString sizeNote;
    QString profileGroup;
    QString browseProfile;
    QString indexPathGroup;
    QString detail;
    QString ok;
    QString cancel;

    static const SealFormTexts& registerTexts(Language language);
    static const SealFormTexts& editTexts();
};

namespace sealformtexts {

// Messages of both dialogs: Japanese whatever the language. The register
// dialog's codes are the 300s from 300, the edit dialog's from 310.
inline const QString registerNameEmpty =
    QStringLiteral("Error300 : Vermil名が設定されていません。");
inline const QString registerPasswordEmpty =
    QStringLiteral("Error301:パスワードが設定されていません。\n");
inline const QString registerUp1Empty = QStringLiteral("Error302:上段が設定されていません。\n");
inline const QString registerDownEmpty = QStringLiteral("Error303:下段が設定されていません。\n");
inline const QString registerSealFileFailed =
    QStringLiteral("Error307: Vermilファイル(.vrm)への書き込みに失敗しました。\n"
                   "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。");
inline const QString registerIndexFailed =
    QStringLiteral("Error 309: インデックスファイルへの書き込みに失敗しました。\n"
                   "インデックスファイルのアクセス権限を確認してください。");
inline const QString registered = QStringLiteral("登録しました。");

inline const QString editNameEmpty = QStringLiteral("Error310: 印名が設定されていません。\n");
inline const QString editPasswordEmpty =
    QStringLiteral("Error311: パスワードが設定されていません。\n");
inline const QString editUp1Empty = QStringLiteral("Error312: 上段が設定されていません。\n");
inline const QString editDownEmpty = QStringLiteral("Error313: 下段が設定されていません。\n");
inline const QString editSealFileFailed =
    QStringLiteral("Error317: Vermilファイル(.vrm)への書き込みに失敗しました。\n"
                   "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。");
inline const QString editIndexFailed =
    QStringLiteral("Error 319: インデックスファイルへの書き込みに失敗しました。\n"
                   "インデックスファイルのアクセス権限を確認してください。");
inline const QString edited = QStringLiteral("修正しました。");

// A field holds a character that Shift-JIS cannot store: %1 the character.
QString notStorable(const QString& character);

// The profile chooser.
inline const QString profileChooserTitle = QStringLiteral("日付印Vermilプロファイル選択");
inline const QString profileChooserFilter = QStringLiteral("Data File(*.xml)");
inline const QString profileChooserSuffix = QStringLiteral("xml");
inline const QString profileChooserInitialName = QStringLiteral("*.xml");

} // namespace sealformtexts

} // namespace vermil
