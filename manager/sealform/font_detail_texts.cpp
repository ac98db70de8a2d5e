#include "manager/sealform/font_detail_texts.h"

namespace vermil {

const FontDetailTexts& FontDetailTexts::get() {
    static const FontDetailTexts texts{
        QStringLiteral("詳細設定ダイアローグ"),
        QStringLiteral("上段２（上段の上）"),
        QStringLiteral("上段１（上段の下）"),
        QStringLiteral("日付"),
        QStringLiteral("下段"),
        QStringLiteral("設定"),
        QStringLiteral("サイズ"),
        QStringLiteral("太字"),
        QStringLiteral("OK"),
        QStringLiteral("キャンセル"),
    };
    return texts;
}

namespace fontdetailtexts {

QString faceNameTooLong(const QString& name, std::size_t bytes, std::size_t limit) {
    return QStringLiteral("フォント名 %1 は%2バイトです。フォントの選択に渡せるのは%3バイト"
                          "までです。フォント名を短くしてください。")
        .arg(name)
        .arg(bytes)
        .arg(limit);
}

QString faceNameNotStorable(const QString& name) {
    return QStringLiteral("フォント名 %1 には Shift-JIS (CP932) で表せない文字があります。")
        .arg(name);
}

} // namespace fontdetailtexts

} // namespace vermil
