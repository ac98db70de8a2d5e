#pragma once

#include "common/texts_table.h"

#include <cstddef>

namespace vermil {

// The captions and messages of the font detail dialog: one form only, whatever
// the language.
#define VERMIL_FONT_DETAIL_TEXTS(TEXT, OPTIONAL_TEXT)                                                                 \
    TEXT(windowTitle, Caption::same("詳細設定ダイアローグ"))                                                          \
    TEXT(up2Group, Caption::same("上段２（上段の上）"))                                                               \
    TEXT(up1Group, Caption::same("上段１（上段の下）"))                                                               \
    TEXT(dateGroup, Caption::same("日付"))                                                                            \
    TEXT(low1Group, Caption::same("下段"))                                                                            \
    TEXT(choose, Caption::same("設定"))                                                                               \
    TEXT(size, Caption::same("サイズ"))                                                                               \
    TEXT(bold, Caption::same("太字"))                                                                                 \
    TEXT(ok, Caption::same("OK"))                                                                                     \
    TEXT(cancel, Caption::same("キャンセル"))                                                                         \
    /* a face name longer than the font chooser takes: %1 the name, %2 its bytes, %3 the limit */                     \
    TEXT(faceNameTooLong,                                                                                             \
         Caption::same("フォント名 %1 は%2バイトです。フォントの選択に渡せるのは%3バイト" \
                       "までです。フォント名を短くしてください。"))                                                   \
    /* a face name %1 (typed, or chosen) with a character that has no Shift-JIS form */                               \
    TEXT(faceNameNotStorable,                                                                                         \
         Caption::same("フォント名 %1 には Shift-JIS (CP932) で表せない文字があります。"))

struct FontDetailTexts {
    VERMIL_TEXTS_MEMBERS(FontDetailTexts, VERMIL_FONT_DETAIL_TEXTS)
};

// The dialog's texts, the same whatever the language.
inline const FontDetailTexts& fontDetailTexts() {
    return FontDetailTexts::of(Language::Japanese);
}

} // namespace vermil
