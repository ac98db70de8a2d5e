#include "manager/import/import_texts.h"

namespace vermil {

const ImportTexts& importTexts() {
    static const ImportTexts texts{
        QStringLiteral("入力ファイル名(CSV)が設定されていません\n設定してください。\n"),
        QStringLiteral("Error356: CSVファイルに連続した区切り文字(カンマ)があります。\n"
                       "d区切り文字の間にスペースを入れてください。"),
        QStringLiteral("Error352: ファイルエラー:CSVファイルが開けない可能性があります。"),
        QStringLiteral("ファイルエラー:CSVファイルが開けない可能性があります。"),
        QStringLiteral(
            "Error351: 最大登録数100を越える可能性があります。読み込み処理を中止します。"),
        QStringLiteral("Error353: 日付印名  %1  が重複しました。処理を中止します。"),
        QStringLiteral("Error357: Vermilファイル %1 への書き込みに失敗しました。\n"
                       "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。"),
        QStringLiteral("Error 359: インデックスファイル %1 への書き込みに失敗しました。\n"
                       "インデックスファイルのアクセス権限を確認してください。"),
        QStringLiteral("インポート処理が完了しました。\n登録数：%1"),

        QStringLiteral("インポート処理を中止しました。\n登録数：%1"),
        QStringLiteral("CSVファイル %1 の%2行目"),
        QStringLiteral("読み込み処理を中止します。"),
        QStringLiteral("が%1バイトを越えています（%2バイト）。"),
        QStringLiteral("の項目数が%1です。%2から%3の項目が必要です。"),
        QStringLiteral(
            ": 日付印名 %1 は%2行目の日付印名 %3 と英字の大文字・小文字だけが違います。"),
        QStringLiteral("CSVファイル %1 は通常のファイルではありません。"),
        QStringLiteral("CSVファイル %1 は%2バイトを越えています。"),
        QStringLiteral("CSVファイル %1: %2"),
        QStringLiteral("パスワードの英小文字を大文字にして登録しました（%1件）。"
                       "パスワード欄では英字が大文字で入力されるためです。"),
    };
    return texts;
}

} // namespace vermil
