#pragma once

#include "common/texts_table.h"

namespace vermil {

// Why a seal's picture cannot be made or written, and the warning when no seal font
// is installed. The picture's problems are English only, the same in both sets: they
// reach a person through a verb's message ("vermilin: ..."). The font warning
// follows the language.
#define VERMIL_SEAL_PICTURE_TEXTS(TEXT, OPTIONAL_TEXT)                                                                     \
    /* %1 the axis (width or height), %2 the size as stored, %3 the largest size */                                        \
    TEXT(sizeOutOfRange, Caption::same("the seal %1 \"%2\" is not a size from 1 to %3 mm"))                                \
    TEXT(width, Caption::same("width"))                                                                                    \
    TEXT(height, Caption::same("height"))                                                                                  \
    /* %1 the resolution asked for, %2 and %3 the bounds */                                                                \
    TEXT(resolutionOutOfRange, Caption::same("the resolution %1 dpi is not from %2 to %3"))                                \
    /* %1 x %2 pixels */                                                                                                   \
    TEXT(pictureTooLarge,                                                                                                  \
         Caption::same("a picture of %1 x %2 pixels is too large; choose a lower resolution"))                             \
    /* %1 the file, %2 the system's reason */                                                                              \
    TEXT(cannotWrite, Caption::same("cannot write %1: %2"))                                                                \
    /* %1 the file */                                                                                                      \
    TEXT(unknownPictureType,                                                                                               \
         Caption::same("cannot tell the picture type of %1: name it .svg, .png or .pdf"))                                  \
    TEXT(cannotCutPdfPage, Caption::same("cannot cut the PDF page of %1 to the seal size"))                                \
    /* %1 the resolution */                                                                                                \
    TEXT(noMemoryForPicture, Caption::same("not enough memory for a picture of %1 dpi"))                                   \
    /* the title inside an SVG or PDF picture */                                                                           \
    TEXT(pictureTitle, Caption::same("Vermil seal"))                                                                       \
    /* %1 the seal fonts, comma-separated; on stderr */                                                                    \
    TEXT(fontsMissingNotice,                                                                                               \
         Caption::same("warning: none of the seal fonts is installed (%1), so Japanese seal "                              \
                       "texts may show as empty boxes; install the packages "                                              \
                       "fonts-ipafont-gothic and fonts-ipafont-mincho"))                                                   \
    /* %1 the seal fonts, comma-separated; in a message box */                                                             \
    TEXT(fontsMissing,                                                                                                     \
         {.japanese = "印影のフォント（%1）がひとつもインストールされていないため、印影の" \
                      "日本語の文字が四角で表示されることがあります。パッケージ "              \
                      "fonts-ipafont-gothic と fonts-ipafont-mincho をインストールして"                          \
                      "ください。",                                                                                        \
          .english = "None of the seal fonts is installed (%1), so Japanese seal texts may "                               \
                     "show as empty boxes. Install the packages fonts-ipafont-gothic and "                                 \
                     "fonts-ipafont-mincho."})

struct SealPictureTexts {
    VERMIL_TEXTS_MEMBERS(SealPictureTexts, VERMIL_SEAL_PICTURE_TEXTS)
};

// The same rows as constants, for the messages that travel as UTF-8 bytes.
struct SealPictureCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_SEAL_PICTURE_TEXTS)
};

} // namespace vermil
