#include "stamper/view/stamp_view_texts.h"

namespace vermil {

const StampViewTexts& StampViewTexts::of(Language language) {
    static const StampViewTexts english{
        [](const QString& reason) {
            return QStringLiteral("The stamp object could not be saved.\n%1").arg(reason);
        },
        [](const QString& reason) {
            return QStringLiteral("The stamp object could not be saved, so nothing was stamped "
                                  "or logged.\n%1")
                .arg(reason);
        },
        [](const QString& file) {
            return QStringLiteral("The last stamp is not in %1. Close all the same?").arg(file);
        },
        [](const QString& reason) {
            return QStringLiteral("The stamp object cannot be opened.\n%1").arg(reason);
        },
        QStringLiteral("Save Copy As")};
    static const StampViewTexts japanese{
        [](const QString& reason) {
            return QStringLiteral("押印オブジェクトを保存できませんでした。\n%1").arg(reason);
        },
        [](const QString& reason) {
            return QStringLiteral("押印オブジェクトを保存できなかったため、押印もログへの記録も"
                                  "されていません。\n%1")
                .arg(reason);
        },
        [](const QString& file) {
            return QStringLiteral("最後の押印は %1 に保存されていません。閉じますか？").arg(file);
        },
        [](const QString& reason) {
            return QStringLiteral("押印オブジェクトを開けません。\n%1").arg(reason);
        },
        QStringLiteral("コピーに名前を付けて保存")};
    return language == Language::Japanese ? japanese : english;
}

} // namespace vermil
